#include "docx/stream/ReaderNames.h"

#include "docx/InlineVocabulary.h"
#include "docx/StructureVocabulary.h"
#include "ooxml/KnownNamespaces.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tabulex::word::docx::stream {
namespace {

struct Entry {
    const char* Local;
    stream::Name Name;
};

// w: names grouped by their first letter after the prefix; the frequent ones first in a group.
constexpr Entry kW[] = {
    {"b", Name::B},
    {"br", Name::Br},
    {"body", Name::Body},
    {"bdo", Name::Bdo},
    {"cantSplit", Name::CantSplit},
    {"cr", Name::Cr},
    {"customXml", Name::CustomXml},
    {"commentReference", Name::CommentReference},
    {"document", Name::Document},
    {"drawing", Name::Drawing},
    {"dir", Name::Dir},
    {"endnoteReference", Name::EndnoteReference},
    {"fldChar", Name::FldChar},
    {"fldSimple", Name::FldSimple},
    {"footnoteReference", Name::FootnoteReference},
    {"gridCol", Name::GridCol},
    {"hyperlink", Name::Hyperlink},
    {"ilvl", Name::Ilvl},
    {"ins", Name::Ins},
    {"keepNext", Name::KeepNext},
    {"moveTo", Name::MoveTo},
    {"numPr", Name::NumPr},
    {"numId", Name::NumId},
    {"noBreakHyphen", Name::NoBreakHyphen},
    {"object", Name::Object},
    {"p", Name::P},
    {"pPr", Name::PPr},
    {"pStyle", Name::PStyle},
    {"ptab", Name::PTab},
    {"pict", Name::Pict},
    {"r", Name::R},
    {"rPr", Name::RPr},
    {"rStyle", Name::RStyle},
    {"sdt", Name::Sdt},
    {"sdtContent", Name::SdtContent},
    {"sectPr", Name::SectPr},
    {"smartTag", Name::SmartTag},
    {"softHyphen", Name::SoftHyphen},
    {"sym", Name::Sym},
    {"t", Name::T},
    {"tc", Name::Tc},
    {"tcPr", Name::TcPr},
    {"tr", Name::Tr},
    {"trPr", Name::TrPr},
    {"tbl", Name::Tbl},
    {"tab", Name::Tab},
    {"tblPr", Name::TblPr},
    {"tblGrid", Name::TblGrid},
    {"tblStyle", Name::TblStyle},
    {"tblHeader", Name::TblHeader},
    {"vMerge", Name::VMerge},
};
constexpr std::size_t kWCount = sizeof(kW) / sizeof(kW[0]);

// The entries of kW starting with each letter.
struct Group {
    std::uint8_t Begin = 0, End = 0;
};

constexpr std::array<Group, 128> kGroups = [] {
    std::array<Group, 128> groups{};
    for (std::size_t i = 0; i < kWCount; ++i) {
        Group& group = groups[static_cast<unsigned char>(kW[i].Local[0])];
        if (group.End == 0) group.Begin = static_cast<std::uint8_t>(i);
        group.End = static_cast<std::uint8_t>(i + 1);
    }
    return groups;
}();

constexpr bool Grouped() {
    for (std::size_t i = 0; i < kWCount; ++i) {
        const Group& group = kGroups[static_cast<unsigned char>(kW[i].Local[0])];
        if (i < group.Begin || i >= group.End) return false;
    }
    for (const Group& group : kGroups)
        for (std::size_t i = group.Begin; i < group.End; ++i)
            if (kW[i].Local[0] != kW[group.Begin].Local[0]) return false;
    return true;
}
static_assert(Grouped(), "kW must keep the names of one first letter together");

// True when the NUL-terminated `s` is `word`; reads `s` no further than the first difference.
bool Is(const char* s, const char* word) {
    while (*word != '\0' && *s == *word) {
        ++s;
        ++word;
    }
    return *s == *word;
}

Name ClassifyW(const char* local) {
    const auto first = static_cast<unsigned char>(local[0]);
    if (first >= kGroups.size()) return Name::OtherW;
    const Group& group = kGroups[first];
    for (std::size_t i = group.Begin; i < group.End; ++i)
        if (Is(local + 1, kW[i].Local + 1)) return kW[i].Name;
    return Name::OtherW;
}

// A name of the namespace whose usual prefix is `prefix`, Transitional first: its local part, or null.
template <std::size_t N>
const char* LocalIn(const char* name, const std::array<std::string_view, N>& uris) {
    for (std::string_view uri : uris)
        if (const char* local = ooxml::namespaces::LocalIn(name, uri)) return local;
    return nullptr;
}

template <std::size_t N>
std::array<std::string_view, N> UrisOf(std::string_view prefix) {
    std::array<std::string_view, N> uris{};
    std::size_t n = 0;
    for (const ooxml::namespaces::KnownNamespace& known : ooxml::namespaces::kKnown)
        if (known.Prefix == prefix && n < N) uris[n++] = known.Uri;
    return uris;
}

}  // namespace

Name Classify(const char* name) {
    static const auto kWord = UrisOf<2>("w"), kMath = UrisOf<2>("m"), kDrawing = UrisOf<2>("wp");
    static const auto kCompatibility = UrisOf<1>("mc"), kVml = UrisOf<1>("v");
    if (const char* local = LocalIn(name, kWord); local && local[0] != '\0') return ClassifyW(local);
    if (const char* local = LocalIn(name, kCompatibility)) {
        if (Is(local, "AlternateContent")) return Name::AlternateContent;
        if (Is(local, "Choice")) return Name::Choice;
        if (Is(local, "Fallback")) return Name::Fallback;
        return Name::Other;
    }
    if (const char* local = LocalIn(name, kMath)) {
        if (Is(local, "t")) return Name::MathT;
        if (Is(local, "oMath")) return Name::OMath;
        if (Is(local, "oMathPara")) return Name::OMathPara;
        return Name::Other;
    }
    if (const char* local = LocalIn(name, kVml)) return Is(local, "shapetype") ? Name::Other : Name::VmlShape;
    if (const char* local = LocalIn(name, kDrawing))
        return Is(local, "inline") ? Name::WpInline : Name::Other;
    return Name::Other;
}

Name ClassifyQualified(std::string_view qualifiedName) {
    const std::size_t colon = qualifiedName.find(':');
    if (colon == std::string_view::npos) return Name::Other;
    std::string expanded(UrisOf<1>(qualifiedName.substr(0, colon))[0]);
    expanded += ooxml::namespaces::kExpatSeparator;
    expanded += qualifiedName.substr(colon + 1);
    return Classify(expanded.c_str());
}

const InlineMeaning& MeaningOf(Name name) {
    static const auto kMeanings = [] {
        std::array<InlineMeaning, static_cast<std::size_t>(Name::VmlShape) + 1> meanings{};
        for (const vocabulary::InlineEntry& entry : vocabulary::kInlineVocabulary) {
            InlineMeaning& meaning =
                meanings[static_cast<std::size_t>(ClassifyQualified(entry.QualifiedName))];
            meaning.Transparent = entry.Kind == vocabulary::InlineKind::Transparent;
            meaning.Text = entry.Text;
        }
        return meanings;
    }();
    return kMeanings[static_cast<std::size_t>(name)];
}

structure::StructureKind StructureOf(Name name) {
    static const auto kKinds = [] {
        std::array<structure::StructureKind, static_cast<std::size_t>(Name::VmlShape) + 1> kinds{};
        for (const structure::StructureEntry& entry : structure::kStructureVocabulary)
            kinds[static_cast<std::size_t>(ClassifyQualified(entry.QualifiedName))] = entry.Kind;
        return kinds;
    }();
    return kKinds[static_cast<std::size_t>(name)];
}

}  // namespace tabulex::word::docx::stream
