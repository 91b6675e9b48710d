#include "ooxml/TreeSizeLimit.h"

#include "ooxml/PackageMessages.h"
#include "platform/FileSystem.h"
#include "text/Error.h"
#include "text/TextHelpers.h"

#include <algorithm>
#include <cstring>

namespace tabulex::ooxml {

namespace {

// Sixteen bytes compared at once (GCC's and Clang's vector extension): a comparison gives -1 in
// every lane where it holds.
typedef signed char Lanes __attribute__((vector_size(16)));
constexpr std::size_t kLanes = sizeof(Lanes);
// Lane counters are summed before they could pass a signed char's range.
constexpr std::size_t kRoundsPerSum = 127;

// Whether the byte at `at` counts, `next` being the byte after it (or none at the end).
bool Counts(char at, const char* next) {
    if (at == '<') return !next || *next != '/';
    if (at == '=') return true;
    if (at == '>') return next && *next != '<';
    return false;
}

}  // namespace

std::uint64_t XmlNodeBound(std::string_view xml) {
    // Every element, comment or instruction starts with '<' not followed by '/'; every attribute
    // has its '='; a text node (whitespace between tags included) begins right after a '>' with
    // something other than '<'. Never fewer than the tree has. One pass, sixteen bytes at a time:
    // a main story is tens of megabytes, read once more before it is parsed.
    const char* const data = xml.data();
    const std::size_t size = xml.size();
    std::uint64_t nodes = 0;
    std::size_t i = 0;
    // Each round reads its sixteen bytes and the one after them.
    while (i + kLanes < size) {
        const std::size_t rounds = std::min(kRoundsPerSum, (size - i - 1) / kLanes);
        Lanes sum{};
        for (std::size_t r = 0; r < rounds; ++r, i += kLanes) {
            Lanes at, next;
            std::memcpy(&at, data + i, kLanes);
            std::memcpy(&next, data + i + 1, kLanes);
            sum -= ((at == '<') & (next != '/')) | (at == '=') | ((at == '>') & (next != '<'));
        }
        for (std::size_t lane = 0; lane < kLanes; ++lane) nodes += static_cast<std::uint64_t>(sum[lane]);
    }
    for (; i < size; ++i) nodes += Counts(data[i], i + 1 < size ? data + i + 1 : nullptr);
    return nodes;
}

namespace {

[[noreturn]] void RefuseTree(const std::string& packageName, std::string_view partName) {
    throw text::Error(text::FillIn(messages::kTooManyNodes,
                                   {std::string(partName), std::to_string(kMaxXmlNodes / 1'000'000),
                                    platform::DisplayName(packageName)}),
                      "part " + std::string(partName) + ": more than " + std::to_string(kMaxXmlNodes) +
                          " elements and attributes");
}

}  // namespace

void RefuseOversizedTree(std::string_view xml, const std::string& packageName, std::string_view partName) {
    if (xml.size() < kMaxXmlNodes || XmlNodeBound(xml) <= kMaxXmlNodes) return;
    RefuseTree(packageName, partName);
}

void XmlNodeCounter::Add(std::string_view piece) {
    if (piece.empty()) return;
    if (hasLast_) nodes_ += Counts(last_, piece.data());
    last_ = piece.back();
    hasLast_ = true;
    nodes_ += XmlNodeBound(piece) - Counts(last_, nullptr);
}

void XmlNodeCounter::Finish() {
    if (hasLast_) nodes_ += Counts(last_, nullptr);
    hasLast_ = false;
}

void XmlNodeCounter::RefuseOversized(const std::string& packageName, std::string_view partName) const {
    if (Nodes() > kMaxXmlNodes) RefuseTree(packageName, partName);
}

}  // namespace tabulex::ooxml
