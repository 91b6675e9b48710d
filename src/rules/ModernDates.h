#pragma once

// Covering dates as inventories written today give them, read under the modern rule set. Each form
// is one row of a table with examples of what it accepts and how the date rules then read it. A
// form rewrites its text into the grammar of CheckDates (DateRules.h); a text no form accepts goes
// to the date rules as it is, so a reversed range, an impossible day, a bad month name, a missing
// year or two dates where one is expected are faults under both rule sets alike.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tabulex::rules {

// Windows-1251 texts: as written in the cell (year marks already removed), and as the date rules
// read it.
struct DateFormExample {
    std::string_view Written;
    std::string_view ReadAs;
};

struct ModernDateForm {
    std::string_view Name;
    // The text (lower case, single blanks) rewritten for the date rules, or nullopt when it is not
    // of this form.
    std::optional<std::string> (*Read)(std::string_view text);
    std::span<const DateFormExample> Examples;
    // Texts that look like the form but are not of it; the date rules get them unchanged.
    std::span<const std::string_view> NearMisses;
};

// In the order they are tried.
std::span<const ModernDateForm> ModernDateForms();

// The dates text for the date rules: rewritten by the first form that accepts it, or unchanged.
std::string ReadModernDates(std::string_view datesText);

// The month (1..12) a word names in the nominative ("июнь"), or in the genitive ("июня"); 0 when
// it names none. The word is lower case.
int NominativeMonth(std::string_view word);
int GenitiveMonth(std::string_view word);

}  // namespace tabulex::rules
