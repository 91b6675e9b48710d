#pragma once

// Spacing faults in the raw text of one cell or heading row, as the document gives it: internal
// paragraph marks (13) and manual line breaks (11) included, nothing trimmed.

#include <string>
#include <string_view>

namespace tabulex::rules {

// The messages of every spacing fault found, in rule order, each once and each ending with "; ";
// the empty text when there is none. Decides no problem class: the row rules file the result as one hint.
std::string CheckWhitespace(std::string_view cellText);

}  // namespace tabulex::rules
