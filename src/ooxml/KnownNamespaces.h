#pragma once

// The namespaces the readers of a document know elements and attributes by, each with the prefix
// Word writes it with. Both readers match by namespace, whatever prefix a document uses (a valid
// document may write the main namespace as ns0: or as the default namespace): the streaming
// readers through expat's namespace processing, which names an element "URI local" (kExpatSeparator
// between), the DOM by giving every element and attribute of a known namespace its usual prefix
// when it is parsed (CanonicalPrefixes.h). Names in code are written with the usual prefixes.

#include <cstring>
#include <string_view>

namespace tabulex::ooxml::namespaces {

struct KnownNamespace {
    std::string_view Prefix;
    std::string_view Uri;
};

// Transitional names first; a Strict document (ISO/IEC 29500 Strict) names the same things in
// other namespaces, under the same prefixes.
inline constexpr KnownNamespace kKnown[] = {
    {"w", "http://schemas.openxmlformats.org/wordprocessingml/2006/main"},
    {"r", "http://schemas.openxmlformats.org/officeDocument/2006/relationships"},
    {"mc", "http://schemas.openxmlformats.org/markup-compatibility/2006"},
    {"m", "http://schemas.openxmlformats.org/officeDocument/2006/math"},
    {"wp", "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"},
    {"a", "http://schemas.openxmlformats.org/drawingml/2006/main"},
    {"pic", "http://schemas.openxmlformats.org/drawingml/2006/picture"},
    {"v", "urn:schemas-microsoft-com:vml"},
    {"o", "urn:schemas-microsoft-com:office:office"},
    {"w10", "urn:schemas-microsoft-com:office:word"},
    {"w14", "http://schemas.microsoft.com/office/word/2010/wordml"},
    {"wps", "http://schemas.microsoft.com/office/word/2010/wordprocessingShape"},
    {"w", "http://purl.oclc.org/ooxml/wordprocessingml/main"},
    {"r", "http://purl.oclc.org/ooxml/officeDocument/relationships"},
    {"m", "http://purl.oclc.org/ooxml/officeDocument/math"},
    {"wp", "http://purl.oclc.org/ooxml/drawingml/wordprocessingDrawing"},
    {"a", "http://purl.oclc.org/ooxml/drawingml/main"},
    {"pic", "http://purl.oclc.org/ooxml/drawingml/picture"},
};

inline constexpr char kExpatSeparator = ' ';

// The usual prefix of a namespace, or empty.
inline std::string_view PrefixOf(std::string_view uri) {
    for (const KnownNamespace& known : kKnown)
        if (known.Uri == uri) return known.Prefix;
    return {};
}

// True when `prefix` is the usual prefix of `uri`; false for a prefix that is no usual one.
inline bool IsUsualPrefix(std::string_view prefix, std::string_view uri) {
    return !PrefixOf(uri).empty() && PrefixOf(uri) == prefix;
}

// True when `prefix` is the usual prefix of some known namespace.
inline bool IsKnownPrefix(std::string_view prefix) {
    for (const KnownNamespace& known : kKnown)
        if (known.Prefix == prefix) return true;
    return false;
}

// The local part of an expanded name "URI local" when it is in `uri`, else null.
inline const char* LocalIn(const char* expanded, std::string_view uri) {
    if (std::strncmp(expanded, uri.data(), uri.size()) != 0 || expanded[uri.size()] != kExpatSeparator)
        return nullptr;
    return expanded + uri.size() + 1;
}

// The local part of an expanded name in a namespace whose usual prefix is `prefix`, else null.
inline const char* LocalInPrefix(const char* expanded, std::string_view prefix) {
    for (const KnownNamespace& known : kKnown)
        if (known.Prefix == prefix)
            if (const char* local = LocalIn(expanded, known.Uri)) return local;
    return nullptr;
}

// True when expat's expanded name is the qualified name as Word writes it ("w:tbl"); a name
// without a prefix is in no namespace.
inline bool IsExpandedName(const char* expanded, std::string_view qualified) {
    const std::size_t colon = qualified.find(':');
    if (colon == std::string_view::npos) return expanded == qualified;
    const char* separator = std::strrchr(expanded, kExpatSeparator);
    if (!separator || qualified.substr(colon + 1) != separator + 1) return false;
    const char* local = LocalInPrefix(expanded, qualified.substr(0, colon));
    return local == separator + 1;
}

}  // namespace tabulex::ooxml::namespaces
