#include "rules/ModernDates.h"

#include <gtest/gtest.h>

#include "rules/DateRules.h"
#include "text/Calendar.h"
#include "text/CaseMaps.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"

namespace tabulex::rules {
namespace {
using namespace text::literals;

constexpr text::DayCount kUntouched = -777777;

std::string Shown(text::DayCount date) {
    return date == kUntouched ? "-" : text::ShortDate(date);
}

std::string Utf(std::string_view cp) {
    return text::Cp1251ToUtf8(cp);
}

// Every example of the table is read as it says, by its own form and by the whole grammar; every
// near miss is left to the date rules unchanged.
TEST(ModernDateFormsTest, ExamplesReadAsTheTableSays) {
    for (const ModernDateForm& form : ModernDateForms()) {
        EXPECT_FALSE(form.Examples.empty()) << Utf(form.Name);
        for (const DateFormExample& example : form.Examples) {
            const std::string written = text::LowerCase1251(example.Written);
            const auto read = form.Read(written);
            ASSERT_TRUE(read) << Utf(form.Name) << ": " << Utf(example.Written);
            EXPECT_EQ(Utf(*read), Utf(example.ReadAs)) << Utf(form.Name);
            EXPECT_EQ(Utf(ReadModernDates(example.Written)), Utf(example.ReadAs));
        }
        for (std::string_view miss : form.NearMisses)
            EXPECT_FALSE(form.Read(miss)) << Utf(form.Name) << ": " << Utf(miss);
    }
}

struct ModernCase {
    std::string_view Text;  // Windows-1251, as the dates cell hands it over (year marks removed)
    std::string_view Faults;
    std::string_view Start;
    std::string_view End;
};

void ExpectModern(const ModernCase& c) {
    text::DayCount start = kUntouched;
    text::DayCount end = kUntouched;
    const std::string faults = CheckDates(c.Text, start, end, RuleSet::Modern);
    EXPECT_EQ(Utf(faults), Utf(c.Faults)) << Utf(c.Text);
    EXPECT_EQ(Shown(start), c.Start) << Utf(c.Text);
    EXPECT_EQ(Shown(end), c.End) << Utf(c.Text);
}

TEST(ModernDatesTest, TodaysFormsAreRead) {
    const ModernCase cases[] = {
        {"04.01.1990 - 29.12.1990", "", "04.01.1990", "29.12.1990"},
        {"1990 \x96 1995", "", "01.01.1990", "31.12.1995"},
        {"1990 \x97 1995", "", "01.01.1990", "31.12.1995"},
        {"13.11.1959 - 03.09.1960", "", "13.11.1959", "03.09.1960"},
        {"май 1991 - июнь 1991"_cp, "", "01.05.1991", "30.06.1991"},
        {"июнь 1987"_cp, "", "01.06.1987", "30.06.1987"},
        {"Февраль 1944"_cp, "", "01.02.1944", "29.02.1944"},
        {"12 мая 1990"_cp, "", "12.05.1990", "12.05.1990"},
        {"12 мая 1990 - 3 июня 1991"_cp, "", "12.05.1990", "03.06.1991"},
        {"05.1945 - 1946", "", "01.05.1945", "31.12.1946"},
        // The original grammar is read as before.
        {"1941-1945", "", "01.01.1941", "31.12.1945"},
        {"5-12.06.1945", "", "05.06.1945", "12.06.1945"},
        {"12.мая.1945"_cp, "", "12.05.1945", "12.05.1945"},
        {"1941 1945", "", "01.01.1941", "31.12.1945"},
    };
    for (const auto& c : cases) ExpectModern(c);
}

TEST(ModernDatesTest, RealFaultsAreStillFound) {
    const ModernCase cases[] = {
        {"31.02.1997", "Кол-во дней в месяце меньше; Нач.; Кон.; "_cp, "-", "-"},
        {"31 февраля 1997"_cp, "Кол-во дней в месяце меньше; Нач.; Кон.; "_cp, "-", "-"},
        {"31.02.1997 - 05.03.1997", "Кол-во дней в месяце меньше; Нач.; "_cp, "-", "05.03.1997"},
        {"12 шмая 1990"_cp, "Неверная; Нач.; Кон.; "_cp, "-", "-"},  // no month of that name
        {"12 май 1990"_cp, "Неверная; Нач.; Кон.; "_cp, "-", "-"},   // a day wants the genitive
        {"12 мая"_cp, "Неверная; Нач.; Кон.; "_cp, "-", "-"},        // no year
        {"июнь"_cp, "Нач.; Кон.; "_cp, "-", "-"},
        {"12.05.1990 15.06.1990", "Неверная; Нач.; Кон.; "_cp, "-", "-"},  // two dates, no dash
        {"1990 - 1991 - 1992", "Кон.; Нач.; Нач.; Кон.; "_cp, "-", "-"},
        {"1990 -", "Нач.; Нач.; Кон.; "_cp, "-", "-"},  // no end
    };
    for (const auto& c : cases) ExpectModern(c);
}

// Under the original rules today's forms stay faults: the reports of that rule set never change.
TEST(ModernDatesTest, OriginalRulesStillRefuseTodaysForms) {
    for (const ModernDateForm& form : ModernDateForms()) {
        for (const DateFormExample& example : form.Examples) {
            if (example.Written == example.ReadAs) continue;
            text::DayCount start = kUntouched;
            text::DayCount end = kUntouched;
            EXPECT_NE(CheckDates(example.Written, start, end, RuleSet::Original), "") << Utf(example.Written);
        }
    }
    text::DayCount start = kUntouched;
    text::DayCount end = kUntouched;
    EXPECT_EQ(Utf(CheckDates("13.11.1959 - 03.09.1960", start, end, RuleSet::Original)),
              "Кон.; Нач.; Нач.; Кон.; ");
}

TEST(ModernDatesTest, MonthWords) {
    EXPECT_EQ(NominativeMonth("июнь"_cp), 6);
    EXPECT_EQ(NominativeMonth("май"_cp), 5);
    EXPECT_EQ(NominativeMonth("мая"_cp), 0);
    EXPECT_EQ(GenitiveMonth("мая"_cp), 5);
    EXPECT_EQ(GenitiveMonth("декабря"_cp), 12);
    EXPECT_EQ(GenitiveMonth("декабрь"_cp), 0);
}

}  // namespace
}  // namespace tabulex::rules
