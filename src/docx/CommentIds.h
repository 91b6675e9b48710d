#pragma once

// Ids for new comments. A document may already carry comments, and marks whose comment is gone
// (orphan anchors); a new comment takes an id none of them uses, so that no mark ends up
// pointing at the wrong comment, and never a negative one.

#include <string_view>
#include <vector>

namespace tabulex::word::docx {

// Adds the w:id of every comment mark (range start, range end, reference) of a story part to
// `ids`, elements known by namespace. Throws text::Error naming `partName` when it does not parse.
void CollectCommentMarkIds(std::string_view xml, std::string_view partName, std::vector<long long>& ids);

// The first of `count` consecutive ids that none of `used` takes: just above all of them when the
// block stays below 2^31 (Word reads ids as int), else the lowest free block from 0.
int FreeIdBlock(std::vector<long long> used, int count);

}  // namespace tabulex::word::docx
