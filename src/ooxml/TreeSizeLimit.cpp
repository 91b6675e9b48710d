#include "ooxml/TreeSizeLimit.h"

#include "ooxml/PackageMessages.h"
#include "platform/FileSystem.h"
#include "text/Error.h"
#include "text/TextHelpers.h"

#include <cstring>

namespace tabulex::ooxml {

namespace {

// Calls `f(position)` for every `c` in the bytes.
template <typename F>
void ForEachByte(std::string_view bytes, char c, F&& f) {
    const char* const end = bytes.data() + bytes.size();
    for (const char* at = bytes.data();
         (at = static_cast<const char*>(std::memchr(at, c, static_cast<std::size_t>(end - at)))); ++at)
        f(at);
}

}  // namespace

std::uint64_t XmlNodeBound(std::string_view xml) {
    const char* const end = xml.data() + xml.size();
    std::uint64_t nodes = 0;
    // Every element, comment or instruction starts with '<' not followed by '/'; every attribute
    // has its '='; a text node (whitespace between tags included) begins right after a '>' with
    // something other than '<'. Never fewer than the tree has.
    ForEachByte(xml, '<', [&](const char* at) { nodes += at + 1 == end || at[1] != '/'; });
    ForEachByte(xml, '=', [&](const char*) { ++nodes; });
    ForEachByte(xml, '>', [&](const char* at) { nodes += at + 1 != end && at[1] != '<'; });
    return nodes;
}

void RefuseOversizedTree(std::string_view xml, const std::string& packageName, std::string_view partName) {
    if (xml.size() < kMaxXmlNodes || XmlNodeBound(xml) <= kMaxXmlNodes) return;
    throw text::Error(text::FillIn(messages::kTooManyNodes,
                                   {std::string(partName), std::to_string(kMaxXmlNodes / 1'000'000),
                                    platform::DisplayName(packageName)}),
                      "part " + std::string(partName) + ": more than " + std::to_string(kMaxXmlNodes) +
                          " elements and attributes");
}

}  // namespace tabulex::ooxml
