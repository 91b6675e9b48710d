#pragma once

// The most elements, attributes and pieces of text the host builds a tree of for one part. The unpacked-size
// limit alone lets a few megabytes of zip become a billion bytes of empty elements, each of which costs a
// tree node many times its size; this bounds the memory one document may take (about 2.3 GB for a main story
// of empty paragraphs at the limit). An inventory of a million rows as the benchmarks make it counts about 25
// million in its main story.

#include <cstdint>
#include <string>
#include <string_view>

namespace tabulex::ooxml {

inline constexpr std::uint64_t kMaxXmlNodes = 30'000'000;

// At least the number of elements, attributes and text pieces of the XML, found without parsing
// it: start tags, '=' signs and tag ends followed by text.
std::uint64_t XmlNodeBound(std::string_view xml);

// Throws text::Error ("too large", naming the limit and the file) when the part may hold more
// than kMaxXmlNodes of them.
void RefuseOversizedTree(std::string_view xml, const std::string& packageName, std::string_view partName);

// XmlNodeBound of a part read piece by piece: after Finish, the same count as for the whole; on
// the way, never more than the whole's.
class XmlNodeCounter {
  public:
    // Counts `piece`, the bytes after those counted before.
    void Add(std::string_view piece);
    // Counts the last byte as the part's end.
    void Finish();
    std::uint64_t Nodes() const { return nodes_; }
    // RefuseOversizedTree's refusal, as soon as the count passes the limit.
    void RefuseOversized(const std::string& packageName, std::string_view partName) const;

  private:
    std::uint64_t nodes_ = 0;  // of every byte but the last, which counts by the byte after it
    bool hasLast_ = false;
    char last_ = 0;
};

}  // namespace tabulex::ooxml
