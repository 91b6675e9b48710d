// The synthetic inventories of the benchmarks, read back through the document host and classified
// with the check run's own row tests: the benchmark numbers are only worth something if the checker
// sees a real inventory in them.

#include "InventoryGenerator.h"
#include "support/TestFolder.h"

#include "check/TableLayout.h"
#include "docx/DocxApplication.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tabulex::bench {
namespace {

using namespace tabulex::text::literals;

class GeneratedInventoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = tabulex::testing::MakeTestFolder("tabulex-generated-");
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
};

TEST_F(GeneratedInventoryTest, RowsReadAsTheCheckerExpects) {
    const InventoryOptions options{.Rows = 300, .Seed = 11};
    const std::string path = (folder_ / "opis.docx").string();
    const InventoryStats stats = WriteInventory(path, options);
    ASSERT_GT(stats.Counts.FirstListRow, 0) << "no list-numbered case in 300 rows";

    auto app = word::docx::CreateApplication();
    word::Document& document = app->Documents().Open(path);
    auto tables = document.Tables();
    ASSERT_EQ(tables->Count(), 1);
    auto table = tables->Item(1);
    EXPECT_EQ(table->Columns()->Count(), 5);
    auto rows = table->Rows();
    ASSERT_EQ(rows->Count(), 300);

    auto rowText = [&](int i) { return check::RowTextFromRange(rows->Item(i)->Range()->Text()); };
    auto listString = [&](int i) { return table->Cell(i, 1)->Range()->ListFormat()->ListString(); };

    check::ColumnLayout layout;
    layout.ColumnCount = 5;
    const check::RowCells header = check::SplitRow(rowText(1), layout, false, [&] { return listString(1); });
    EXPECT_TRUE(check::IsHeaderRow(header));
    EXPECT_EQ(header.Title, "Заголовок дела"_cp);
    EXPECT_EQ(rowText(2), "1\t2\t3\t4\t5\t\t");
    EXPECT_TRUE(check::IsNumberingRow(rowText(2)));
    EXPECT_EQ(rowText(3), "1941 год\t\t"_cp);
    EXPECT_EQ(listString(static_cast<int>(stats.Counts.FirstListRow)), stats.Counts.FirstListString);

    // Every row kind as the check run decides it, counted against what the generator wrote.
    long long empty = 0, numbering = 0, headings = 0, data = 0;
    for (int i = 2; i <= 300; ++i) {
        const std::string text = rowText(i);
        if (check::IsEmptyRow(text))
            ++empty;
        else if (check::IsNumberingRow(text))
            ++numbering;
        else if (check::IsHeadingRow(text) && text::TrimView(listString(i)).empty())
            ++headings;
        else
            ++data;
    }
    EXPECT_EQ(empty, stats.Counts.EmptyRows);
    EXPECT_EQ(numbering, stats.Counts.NumberingRows);
    EXPECT_EQ(headings, stats.Counts.HeadingRows);
    EXPECT_EQ(data, stats.Counts.DataRows);
}

TEST_F(GeneratedInventoryTest, SameSeedSameBytes) {
    const InventoryDocument a = BuildInventoryDocument({.Rows = 500, .Seed = 3});
    const InventoryDocument b = BuildInventoryDocument({.Rows = 500, .Seed = 3});
    const InventoryDocument c = BuildInventoryDocument({.Rows = 500, .Seed = 4});
    EXPECT_EQ(a.DocumentXml, b.DocumentXml);
    EXPECT_EQ(a.NumberingXml, b.NumberingXml);
    EXPECT_NE(a.DocumentXml, c.DocumentXml);
    EXPECT_EQ(a.Stats.Counts.TableRows, 500);
}

}  // namespace
}  // namespace tabulex::bench
