// The host as the running word processor: documents, the active one, closing, re-reading changed
// files, the report document made from text, and saving.

#include "docx/DocxApplication.h"
#include "ooxml/Package.h"
#include "ooxml/XmlPart.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace tabulex::word::docx::testing {
namespace {

class HostTest : public ::testing::Test {
  protected:
    std::string Inventory(const std::string& name, std::string_view title) {
        return WriteDocx(folder_.File(name), Tbl(Tr(Tc(P("1")) + Tc(P(title)))) + P(""));
    }
    static std::string FirstRow(Document& d) {
        return Show(d.Tables()->Item(1)->Rows()->Item(1)->Range()->Text());
    }

    TempFolder folder_;
    std::unique_ptr<Application> app_ = CreateApplication();
};

TEST_F(HostTest, TheLastOpenedOrActivatedDocumentIsActive) {
    EXPECT_FALSE(app_->HasActiveDocument());
    EXPECT_THROW(app_->ActiveDocument(), text::Error);
    Document& a = app_->Documents().Open(Inventory("а.docx", "Приказы"));
    Document& b = app_->Documents().Open(Inventory("b.docx", "Переписка"));
    EXPECT_EQ(app_->Documents().Count(), 2);
    EXPECT_EQ(&app_->ActiveDocument(), &b);
    EXPECT_EQ(a.Name(), Cp("а.docx"));
    EXPECT_EQ(a.FullName(), folder_.File("а.docx"));
    app_->Activate(a);
    EXPECT_EQ(&app_->ActiveDocument(), &a);
    EXPECT_EQ(&app_->Documents().Open(folder_.File("b.docx")),
              &b);  // already open: activated, not read again
    EXPECT_EQ(app_->Documents().Count(), 2);
    app_->Documents().Close(b);
    EXPECT_EQ(&app_->ActiveDocument(), &a);
    EXPECT_EQ(&app_->Documents().Item(1), &a);
    EXPECT_THROW(app_->Documents().Item(2), text::Error);
    app_->Documents().Close(a, kDoNotSaveChanges);
    EXPECT_FALSE(app_->HasActiveDocument());
}

TEST_F(HostTest, ReportsWordsDefaults) {
    EXPECT_NE(app_->Version(), "8.0");
    EXPECT_TRUE(app_->Options().AutoFormatAsYouTypeReplaceQuotes());
    EXPECT_FALSE(app_->Options().AutoFormatAsYouTypeDefineStyles());
}

TEST_F(HostTest, AnUnmodifiedDocumentIsReadAgainWhenItsFileChanged) {
    std::string path = Inventory("опись.docx", "Приказы");
    std::string other = Inventory("other.docx", "Сметы");
    Document& changed = app_->Documents().Open(path);
    Document& edited = app_->Documents().Open(other);
    edited.Tables()->Item(1)->Cell(1, 2)->Range()->SetText(Cp("Правка"));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    Inventory("опись.docx", "Переписка с министерством");
    Inventory("other.docx", "Отчёты");
    app_->Documents().RefreshChangedOnDisk();
    EXPECT_EQ(FirstRow(changed), "1|Переписка с министерством||");
    EXPECT_EQ(FirstRow(edited), "1|Правка||");  // the user's edit is not thrown away
}

TEST_F(HostTest, SavingWithoutEditsKeepsEveryPartByteForByte) {
    std::string path = WriteDocx(
        folder_.File("in.docx"),
        "<w:p><w:pPr><w:rPr><w:lang w:val=\"ru-RU\"/></w:rPr></w:pPr><w:r><w:t xml:space=\"preserve\"> "
        "</w:t></w:r><!-- a comment --></w:p>" +
            Tbl(Tr(Tc(P("а")) + Tc(P("б")))) + P(""));
    Document& document = app_->Documents().Open(path);
    FirstRow(document);
    EXPECT_TRUE(document.Saved());
    document.SaveAs(folder_.File("out.docx"));
    ooxml::Package in = ooxml::Package::Load(path);
    ooxml::Package out = ooxml::Package::Load(folder_.File("out.docx"));
    ASSERT_EQ(in.PartNames(), out.PartNames());
    for (const std::string& part : in.PartNames()) EXPECT_EQ(in.Bytes(part), out.Bytes(part)) << part;
}

TEST_F(HostTest, AnEditedPartKeepsWhatTheHostDoesNotKnow) {
    const std::string unknown =
        "<w:p w14:paraId=\"1A2B3C4D\" xmlns:w14=\"http://schemas.microsoft.com/office/word/2010/wordml\">"
        "<w:pPr><w:unknownProperty "
        "w:val=\"x\"/></w:pPr><w:customElement><w:r><w:t>свой</w:t></w:r></w:customElement>"
        "<w:bookmarkStart w:id=\"0\" w:name=\"mark\"/><w:bookmarkEnd w:id=\"0\"/></w:p>";
    std::string path = WriteDocx(folder_.File("in.docx"), unknown + Tbl(Tr(Tc(P("а")) + Tc(P("б")))) + P(""));
    Document& document = app_->Documents().Open(path);
    document.Tables()->Item(1)->Rows()->Item(1)->Delete();
    document.SaveAs(folder_.File("out.docx"));
    std::string saved = ooxml::Package::Load(folder_.File("out.docx")).Bytes("word/document.xml");
    EXPECT_NE(saved.find(unknown), std::string::npos) << saved;
    EXPECT_EQ(saved.find("<w:tbl>"), std::string::npos);
}

TEST_F(HostTest, SaveWritesOnlyDocxAndReportsAReadOnlyFolder) {
    std::string path = Inventory("опись.docx", "Приказы");
    Document& document = app_->Documents().Open(path);
    document.Tables()->Item(1)->Rows()->Item(1)->Delete();
    EXPECT_THROW(document.SaveAs(folder_.File("опись.txt")), text::Error);
    std::filesystem::create_directory(folder_.File("locked"));
    std::filesystem::permissions(folder_.File("locked"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
#ifndef _WIN32
    // Root writes anywhere; Windows has no folder modes.
    if (::geteuid() != 0) {
        EXPECT_THROW(document.SaveAs(folder_.File("locked/опись.docx")), text::Error);
    }
#endif
    EXPECT_FALSE(document.Saved());
    document.Save();
    EXPECT_TRUE(document.Saved());
    EXPECT_EQ(CreateApplication()->Documents().Open(path).Tables()->Count(), 0);
}

TEST_F(HostTest, ObjectsTakenBeforeARowWasDeletedFailInsteadOfReadingFreedNodes) {
    Document& document = app_->Documents().Open(WriteDocx(
        folder_.File("rows.docx"), Tbl(Tr(Tc(P("1"))) + Tr(Tc(P("2"))) + Tr(Tc(P("3"))), 1) + P("")));
    auto rows = document.Tables()->Item(1)->Rows();
    auto second = rows->Item(2);
    auto range = rows->Item(3)->Range();
    second->Delete();
    EXPECT_THROW(second->Range()->Text(), text::Error);
    EXPECT_THROW(range->Text(), text::Error);
    EXPECT_EQ(rows->Count(), 2);  // the collection follows the table
    EXPECT_EQ(Show(rows->Item(2)->Range()->Text()), "3||");
}

}  // namespace
}  // namespace tabulex::word::docx::testing
