#pragma once

namespace tabulex::rules {

// Which house rules a check applies. Original: the rules the program was made for, unchanged.
// Modern: the same rules, except that the forms inventories written today use are not faults:
// ranges with spaced dashes, months written as words, literal numbers with a small letter and case
// numbers with a final full stop ("1.", as list numbers show them).
enum class RuleSet { Original, Modern };

}  // namespace tabulex::rules
