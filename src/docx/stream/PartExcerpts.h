#pragma once

// What the host still needs of word/document.xml after its stream has gone by: the first bytes
// (the root element's namespace declarations) and the bytes right after the main table (the
// paragraphs after it: the certification line). Taken piece by piece while the part is read, so
// that the part need not be held whole.

#include "docx/CompactStory.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tabulex::word::docx {

struct PartExcerpts {
    static constexpr std::size_t kHeadBytes = 64 * 1024;   // RootNamespaceDeclarations reads no more
    static constexpr std::size_t kAfterBytes = 32 * 1024;  // what ParagraphsAfterTable looks at

    std::string Head;
    // The top-level table with the most rows (the first of equally long ones), 0 for none or when
    // the bytes after it went by unseen; AfterTable holds up to kAfterBytes from its end tag on.
    int Table = 0;
    std::string AfterTable;
};

namespace stream {

class ExcerptTaker {
  public:
    explicit ExcerptTaker(PartExcerpts& excerpts) : excerpts_(excerpts) {}

    // After `piece`, which begins at byte `offset` of the part, was parsed into `story`;
    // `previous` is the piece before it.
    void Take(const CompactStory& story, std::string_view previous, std::string_view piece,
              std::size_t offset);

  private:
    void FollowLongestTable(const CompactStory& story);
    void Copy(std::string_view bytes, std::size_t offset);

    PartExcerpts& excerpts_;
    int tablesSeen_ = 0;
    int longest_ = 0;
    std::size_t after_ = 0;  // where the longest table ends
    bool lost_ = false;
};

}  // namespace stream
}  // namespace tabulex::word::docx
