#include "docx/CommentIds.h"

#include "docx/HostMessages.h"
#include "text/Error.h"

#include <expat.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>
#include <string>

namespace tabulex::word::docx {
namespace {

// Expat joins a namespace and a local name with this; a namespace URI holds no space.
constexpr char kSeparator = ' ';
constexpr std::string_view kWordNamespace = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

bool IsWordName(std::string_view name, std::string_view local) {
    return name.size() == kWordNamespace.size() + 1 + local.size() && name.starts_with(kWordNamespace) &&
           name[kWordNamespace.size()] == kSeparator && name.ends_with(local);
}

bool IsCommentMark(std::string_view name) {
    return IsWordName(name, "commentRangeStart") || IsWordName(name, "commentRangeEnd") ||
           IsWordName(name, "commentReference");
}

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
    if (!IsCommentMark(name)) return;
    auto& ids = *static_cast<std::vector<long long>*>(data);
    for (const XML_Char** a = attributes; *a != nullptr; a += 2) {
        if (!IsWordName(a[0], "id")) continue;
        const std::string_view value = a[1];
        long long id = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), id);
        // A number too large for any int still takes the top of the range.
        if (error == std::errc::result_out_of_range) id = LLONG_MAX;
        if (error == std::errc() || error == std::errc::result_out_of_range) ids.push_back(id);
    }
}

}  // namespace

void CollectCommentMarkIds(std::string_view xml, std::string_view partName, std::vector<long long>& ids) {
    // Most inventories carry no comments: their story is not parsed a second time.
    if (xml.find("comment") == std::string_view::npos) return;
    XML_Parser parser = XML_ParserCreateNS(nullptr, kSeparator);
    if (parser == nullptr)
        throw text::Error(std::string(messages::kBadXmlPrefix) + std::string(partName), "expat");
    XML_SetUserData(parser, &ids);
    XML_SetStartElementHandler(parser, OnStart);
    constexpr std::size_t kChunk = 1 << 20;
    bool ok = true;
    for (std::size_t offset = 0; ok;) {
        const std::size_t size = std::min(kChunk, xml.size() - offset);
        const bool last = offset + size >= xml.size();
        ok = XML_Parse(parser, xml.data() + offset, static_cast<int>(size), last ? XML_TRUE : XML_FALSE) ==
             XML_STATUS_OK;
        offset += size;
        if (last) break;
    }
    const std::string where = ok ? std::string() : XML_ErrorString(XML_GetErrorCode(parser));
    XML_ParserFree(parser);
    if (!ok) throw text::Error(std::string(messages::kBadXmlPrefix) + std::string(partName), where);
}

int FreeIdBlock(std::vector<long long> used, int count) {
    std::erase_if(used, [](long long id) { return id < 0; });
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    if (used.empty()) return 0;
    if (used.back() <= static_cast<long long>(INT_MAX) - count) return static_cast<int>(used.back() + 1);
    long long start = 0;
    for (const long long id : used) {
        if (id - start >= count) break;
        start = id + 1;
    }
    return static_cast<int>(start);
}

}  // namespace tabulex::word::docx
