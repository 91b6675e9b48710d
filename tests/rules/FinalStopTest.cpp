#include "rules/TitleEnd.h"

#include "text/Cp1251.h"

#include <gtest/gtest.h>

namespace tabulex::rules {
namespace {

struct EndingCase {
    std::string_view Title;  // UTF-8
    bool Superfluous;
};

void ExpectVerdicts(std::initializer_list<EndingCase> cases) {
    for (const EndingCase& c : cases)
        EXPECT_EQ(FinalStopIsSuperfluous(text::Utf8ToCp1251(c.Title)), c.Superfluous) << c.Title;
}

TEST(FinalStopTest, OnlyAFinalFullStopCanBeSuperfluous) {
    ExpectVerdicts({
        {"", false},
        {"Переписка о ремонте", false},
        {"Ведомость…", false},
        {".", true},
        {"г.", true},
        {"1 г.", true},  // four characters: no exemption is tried
        {"Переписка о ремонте.", true},
        {"Приказы и распоряжения.", true},
    });
}

TEST(FinalStopTest, ExemptEndingsWithAnythingBefore) {
    ExpectVerdicts({
        {"Отчет за 5 лет об.", false},
        {"Отчетоб.", true},
        {"Сведения Вологодской губ.", false},
        {"Сведения Вологодскойгуб.", true},
        {"Приказы, распоряжения и др.", false},
        {"Приказы и пр.", false},
        {"Отчеты Вологодской обл.", false},
        {"Отчеты Кадниковской вол.", false},
        {"Письма из СПб.", false},
        {"Станция Вологда ж.д.", false},
        {"Станция Вологда ж. д.", false},
        {"Дом на ул.", false},
        {"Списки и т.д.", false},
        {"Списки и т.п.", false},
        {"Описи и проч.", false},
        {"Описипроч.", true},
        {"Дело писн.", false},
        {"Ведомость...", false},
        {"Письмо Иванову И.", false},
        {"Письмо Иванову А.И.", false},
        {"Письмо ИвановуИ.", true},
        {"Письмо Иванову и.", true},
    });
}

TEST(FinalStopTest, MeasuresAfterASpaceOrDigit) {
    ExpectVerdicts({
        {"Смета на 15 коп.", false},
        {"Смета на 15коп.", false},
        {"Смета накоп.", true},
        {"Смета 15 к.", false},
        {"Смета 15к.", false},
        {"Смета на к.", true},
        {"Смета нак.", true},
        {"Документы XX в.", false},
        {"Документы 19 вв.", false},
        {"Документы XIX в.", false},
        {"Документы ХХв.", true},  // Cyrillic Х is not a Roman numeral
        {"Школа 5 кл.", false},
        {"Группа 12 чел.", false},
        {"Запись 5 мин.", false},
        {"Запись 5 сек.", false},
        {"Смета на 15 руб.", false},
        {"Смета на15руб.", false},
        {"Смета 15 р.", false},
        {"Смета вр.", true},
        {"Участок 5 саж.", false},
        {"Участок 5.саж.", false},
        {"Участок 5 дес.", false},
        {"Срок 5 мес.", false},
        {"Документы,т.", true},
        {"Документы, 2 т.", false},
        {"Документы, IV т.", false},
        {"Таблица 12 ст.", false},
        {"Ведомость 12 шт.", false},
        {"Ведомость 12 уч.", false},
        {"Дом 3 кв.", false},
        {"Дом IVкв.", false},
        {"Дом Xкв.", true},
        {"Лента 35 см.", false},
        {"Лента 35 мм.", false},
        {"Иванов 1920 г. р.", false},
        {"Иванов 1920 г.р.", false},
        {"Тираж 5 экз.", false},
        {"Тираж 5.экз.", false},
        {"Тиражэкз.", true},
        {"Сведения за 1945 г.", false},
        {"Сведения за 1945г.", false},
        {"Сведения за 1945-1946 гг.", false},
        {"Сведения заг.", true},
    });
}

TEST(FinalStopTest, AbbreviationsOfEtCetera) {
    ExpectVerdicts({
        {"Списки и т. д.", false},
        {"Списки и т. п.", false},
        {"Списки и т .д.", false},
        {"Списки и т .п.", false},
        {"Списки ит.д.", true},
    });
}

}  // namespace
}  // namespace tabulex::rules
