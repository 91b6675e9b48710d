#include "docx/stream/PartExcerpts.h"

#include <algorithm>

namespace tabulex::word::docx::stream {

void ExcerptTaker::Take(const CompactStory& story, std::string_view previous, std::string_view piece,
                        std::size_t offset) {
    std::string& head = excerpts_.Head;
    if (head.size() < PartExcerpts::kHeadBytes && offset == head.size())
        head.append(piece.substr(0, PartExcerpts::kHeadBytes - head.size()));
    FollowLongestTable(story);
    if (longest_ == 0 || lost_) return;
    // Expat reports an end tag in the parse of the piece that completes it, so its end lies in this
    // piece; the piece before is looked at only for safety.
    if (after_ + excerpts_.AfterTable.size() < offset - previous.size()) {
        lost_ = true;
        excerpts_.Table = 0;
        return;
    }
    Copy(previous, offset - previous.size());
    Copy(piece, offset);
}

void ExcerptTaker::FollowLongestTable(const CompactStory& story) {
    for (int t = tablesSeen_ + 1; t <= story.TableCount(); ++t) {
        if (longest_ != 0 && story.RowCount(t) <= story.RowCount(longest_)) continue;
        longest_ = t;
        after_ = story.TableEnd(t);
        lost_ = false;
        excerpts_.Table = t;
        excerpts_.AfterTable.clear();
    }
    tablesSeen_ = story.TableCount();
}

// Appends what `bytes`, beginning at `offset` of the part, hold of the wanted excerpt.
void ExcerptTaker::Copy(std::string_view bytes, std::size_t offset) {
    std::string& kept = excerpts_.AfterTable;
    const std::size_t want = after_ + kept.size();
    if (kept.size() >= PartExcerpts::kAfterBytes || want < offset || want >= offset + bytes.size()) return;
    kept.append(bytes.substr(want - offset, PartExcerpts::kAfterBytes - kept.size()));
}

}  // namespace tabulex::word::docx::stream
