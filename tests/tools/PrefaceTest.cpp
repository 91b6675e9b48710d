// The preface as the memo shows it, and the code of the character before the caret.

#include "tools/ToolTestSupport.h"
#include "tools/Tools.h"

#include <gtest/gtest.h>

namespace tabulex::tools {
namespace {

using testing::DocumentOf;
using testing::TableXml;

TEST(PrefaceTest, ParagraphsAndLineBreaksBecomeLinesAndCellMarksSpaces) {
    auto document = DocumentOf(
        "<w:p><w:r><w:t>Архивный отдел</w:t></w:r></w:p>"
        "<w:p><w:r><w:t>Фонд</w:t><w:br/><w:t>Опись</w:t></w:r></w:p>" +
        TableXml({"малая\tтаблица", "\tвторая строка"}, 2) + "<w:p><w:r><w:t>После</w:t></w:r></w:p>" +
        TableXml({"№\tЗаголовок", "1\tПриказы", "2\tСметы", "3\tПереписка"}, 2) + "<w:p/>");
    const PrefaceOutcome preface = LoadPreface(*document);
    ASSERT_EQ(preface.End, ToolEnd::Completed);
    EXPECT_EQ(text::Cp1251ToUtf8(preface.Text),
              "Архивный отдел\r\nФонд\r\nОпись\r\nмалая таблица\r\n вторая строка\r\nПосле\r\n");
}

TEST(PrefaceTest, ADocumentWithoutTablesHasNoPreface) {
    auto document = DocumentOf("<w:p><w:r><w:t>Текст</w:t></w:r></w:p>");
    const PrefaceOutcome preface = LoadPreface(*document);
    EXPECT_EQ(preface.End, ToolEnd::Failed);
    EXPECT_EQ(text::Cp1251ToUtf8(preface.Message), "Нет таблиц в документе. Проверьте опись.");
}

TEST(PrefaceTest, TheCodeBeforeTheCaret) {
    const std::string memo = text::Utf8ToCp1251("а\xC2\xA0№");
    const struct {
        int Caret;
        std::string Expected;
    } cases[] = {{0, ""}, {1, "224"}, {2, "160"}, {3, "185"}, {4, ""}, {-1, ""}};
    for (const auto& c : cases) EXPECT_EQ(CharacterCodeStatus(memo, c.Caret), c.Expected) << c.Caret;
}

}  // namespace
}  // namespace tabulex::tools
