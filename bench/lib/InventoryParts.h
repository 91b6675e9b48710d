#pragma once

// The fixed parts of a synthetic inventory package and its numbering part, as Word writes them in
// their simplest form.

#include <string>
#include <string_view>
#include <vector>

namespace tabulex::bench {

std::string_view ContentTypesXml();
std::string_view PackageRelationshipsXml();
std::string_view DocumentRelationshipsXml();
// Document defaults (Times New Roman, 12 pt, Russian), the Normal paragraph style and the plain
// table style.
std::string StylesXml();
// One decimal list definition ("1.", "2.", ...) and one list per entry of `listStarts`, numbered
// w:numId 1, 2, ..., each starting at its entry.
std::string NumberingXml(const std::vector<long long>& listStarts);

}  // namespace tabulex::bench
