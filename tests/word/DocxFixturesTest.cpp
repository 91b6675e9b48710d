// Real documents made by Word: reading them, and saving them with and without an edit.

#include "docx/DocxApplication.h"
#include "ooxml/Package.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

namespace tabulex::word::docx::testing {
namespace {

std::string Fixture(const std::string& name) {
    return std::string(TABULEX_FIXTURES) + "/docx-host/" + name;
}

struct FixtureCase {
    const char* File;
    int Tables;
    int RowsOfFirst;
    int ColumnsOfFirst;
    int Shapes;
    int Row;  // a row of the first table and its text
    const char* RowText;
};

const FixtureCase kFixtures[] = {
    // Row 8 holds an empty nested 2 x 2 table in its third cell: three more marks per nested row.
    {"complex-tables.docx", 1, 11, 11, 0, 8, "WOG|Specialist 1|||||||||||||||||"},
    {"complicated-document.docx", 3, 3, 3, 4, 3, "400|500|600||"},
    {"merged-cells.docx", 1, 5, 4, 0, 4, "3-0|34-123||"},
    {"moloko-contract.docx", 4, 7, 2, 0, 2, "Расчетный счет|40601810400003000001||"},
    {"text-box-in-cell.docx", 1, 6, 1, 1, 5,
     "For example, you can add a matching cover page, header, and sidebar.||"},
};

TEST(DocxFixturesTest, ReadsWordDocuments) {
    for (const FixtureCase& c : kFixtures) {
        SCOPED_TRACE(c.File);
        auto app = CreateApplication();
        Document& document = app->Documents().Open(Fixture(c.File));
        ASSERT_EQ(document.Tables()->Count(), c.Tables);
        auto table = document.Tables()->Item(1);
        EXPECT_EQ(table->Rows()->Count(), c.RowsOfFirst);
        EXPECT_EQ(table->Columns()->Count(), c.ColumnsOfFirst);
        EXPECT_EQ(document.Shapes()->Count(), c.Shapes);
        EXPECT_EQ(Show(table->Rows()->Item(c.Row)->Range()->Text()), c.RowText);
    }
}

TEST(DocxFixturesTest, ListNumberOfAnEmptyNumberCell) {
    auto app = CreateApplication();
    auto table = app->Documents().Open(Fixture("moloko-contract.docx")).Tables()->Item(3);
    EXPECT_EQ(Show(table->Cell(2, 1)->Range()->Text()), "|");
    EXPECT_EQ(table->Cell(2, 1)->Range()->ListFormat()->ListString(), "1.");
}

TEST(DocxFixturesTest, SavingRewritesOnlyTheEditedPart) {
    TempFolder folder;
    for (const FixtureCase& c : kFixtures) {
        SCOPED_TRACE(c.File);
        ooxml::Package original = ooxml::Package::Load(Fixture(c.File));
        for (bool edit : {false, true}) {
            auto app = CreateApplication();
            Document& document = app->Documents().Open(Fixture(c.File));
            if (edit) document.Tables()->Item(1)->Rows()->Item(1)->Delete();
            std::string saved = folder.File(std::string(edit ? "edited-" : "same-") + c.File);
            document.SaveAs(saved);
            ooxml::Package out = ooxml::Package::Load(saved);
            ASSERT_EQ(out.PartNames(), original.PartNames());
            for (const std::string& part : original.PartNames()) {
                bool rewritten = edit && part == "word/document.xml";
                EXPECT_EQ(out.Bytes(part) == original.Bytes(part), !rewritten) << part;
            }
            auto reopened = CreateApplication();
            EXPECT_EQ(reopened->Documents().Open(saved).Tables()->Item(1)->Rows()->Count(),
                      c.RowsOfFirst - (edit ? 1 : 0));
        }
    }
}

TEST(DocxFixturesTest, DeletesEveryShapeOfARealDocument) {
    TempFolder folder;
    for (const char* file : {"complicated-document.docx", "text-box-in-cell.docx"}) {
        SCOPED_TRACE(file);
        auto app = CreateApplication();
        Document& document = app->Documents().Open(Fixture(file));
        const std::string before = Show(document.Tables()->Item(1)->Rows()->Item(1)->Range()->Text());
        for (int n = document.Shapes()->Count(); n > 0; --n) document.Shapes()->Item(1)->Delete();
        document.SaveAs(folder.File(file));
        auto again = CreateApplication();
        Document& reopened = again->Documents().Open(folder.File(file));
        EXPECT_EQ(reopened.Shapes()->Count(), 0);
        EXPECT_EQ(Show(reopened.Tables()->Item(1)->Rows()->Item(1)->Range()->Text()), before);
    }
}

}  // namespace
}  // namespace tabulex::word::docx::testing
