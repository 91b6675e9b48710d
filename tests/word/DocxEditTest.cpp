// Every editing operation of the host, followed by save, reopen and a look at the result: by the
// host itself, by LibreOffice (conversion to text) and by python-docx when they are installed.

#include "docx/DocxApplication.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

namespace tabulex::word::docx::testing {
namespace {

constexpr const char* kStyles = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:asciiTheme="minorHAnsi" w:hAnsiTheme="minorHAnsi"/></w:rPr></w:rPrDefault></w:docDefaults>
<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style>
<w:style w:type="paragraph" w:styleId="Heading"><w:name w:val="Heading"/><w:rPr><w:b/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="Item"><w:name w:val="Item"/><w:pPr><w:numPr><w:numId w:val="1"/></w:numPr></w:pPr></w:style>
</w:styles>)";

constexpr const char* kNumbering = R"xml(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:numbering xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
<w:abstractNum w:abstractNumId="0"><w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="decimal"/><w:lvlText w:val="%1."/></w:lvl></w:abstractNum>
<w:abstractNum w:abstractNumId="1"><w:lvl w:ilvl="0"><w:start w:val="1"/><w:numFmt w:val="russianLower"/><w:lvlText w:val="%1)"/><w:suff w:val="space"/></w:lvl></w:abstractNum>
<w:num w:numId="1"><w:abstractNumId w:val="0"/></w:num>
<w:num w:numId="2"><w:abstractNumId w:val="1"/></w:num>
</w:numbering>)xml";

const std::string kNumbered =
    "<w:p><w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"1\"/></w:numPr></w:pPr></w:p>";
const std::string kLettered =
    "<w:p><w:pPr><w:numPr><w:ilvl w:val=\"0\"/><w:numId w:val=\"2\"/></w:numPr></w:pPr></w:p>";
const std::string kStyled = "<w:p><w:pPr><w:pStyle w:val=\"Item\"/></w:pPr></w:p>";
const std::string kAnchor =
    "<w:p><w:r><w:drawing><wp:anchor/></w:drawing></w:r><w:r><w:t>подпись</w:t></w:r></w:p>";

// Three case rows with list numbers in the first column, a heading, and a nested table.
std::string InventoryBody() {
    std::string rows = Tr(Tc(P("№")) + Tc(P("Заголовок"))) + Tr(Tc(kNumbered) + Tc(P("Приказы директора"))) +
                       Tr(Tc(kNumbered) + Tc(P("Переписка"))) + Tr(Tc(kStyled) + Tc(P("Отчёты"))) +
                       Tr("<w:tc><w:tcPr><w:gridSpan w:val=\"2\"/></w:tcPr>" + P("Раздел 2") + "</w:tc>") +
                       Tr(Tc(kLettered) + Tc(P("Сметы") + Tbl(Tr(Tc(P("вн1")) + Tc(P("вн2")))) + P("")));
    return P("ОПИСЬ № 1") + kAnchor + Tbl(rows) + kAnchor + P("конец");
}

struct EditCase {
    const char* Name;
    std::function<void(Document&)> Edit;
    std::function<void(Document&)> Check;  // on the saved file, reopened
    std::vector<std::string> Present;      // UTF-8 fragments another reader must find
    std::vector<std::string> Absent;
};

std::unique_ptr<Table> Main(Document& d) {
    return d.Tables()->Item(1);
}
std::string RowText(Document& d, int row) {
    return Show(Main(d)->Rows()->Item(row)->Range()->Text());
}
std::string ListString(Document& d, int row) {
    return Main(d)->Cell(row, 1)->Range()->ListFormat()->ListString();
}

std::vector<EditCase> Cases() {
    return {
        {"delete row",
         [](Document& d) { Main(d)->Rows()->Item(3)->Delete(); },
         [](Document& d) {
             EXPECT_EQ(Main(d)->Rows()->Count(), 5);
             EXPECT_EQ(RowText(d, 3), "|Отчёты||");
             EXPECT_EQ(ListString(d, 3), "2.");
         },
         {"Отчёты"},
         {"Переписка"}},
        {"delete every row removes the table",
         [](Document& d) {
             for (int r = Main(d)->Rows()->Count(); r >= 1; --r) Main(d)->Rows()->Item(r)->Delete();
         },
         [](Document& d) { EXPECT_EQ(d.Tables()->Count(), 0); },
         {"ОПИСЬ", "конец"},
         {"Переписка"}},
        {"cell text",
         [](Document& d) {
             auto range = Main(d)->Cell(3, 2)->Range();
             range->Font()->SetBold(kTrue);
             range->SetText(Cp("Переписка с министерством\rо кадрах\t1950"));
         },
         [](Document& d) {
             EXPECT_EQ(Show(Main(d)->Cell(3, 2)->Range()->Text()),
                       "Переписка с министерством¶о кадрах→1950|");
             EXPECT_EQ(Main(d)->Cell(3, 2)->Range()->Font()->Bold(),
                       kTrue);  // the first run's properties kept
         },
         {"Переписка с министерством", "о кадрах"},
         {}},
        {"bold and keep with next on a heading row",
         [](Document& d) {
             auto range = Main(d)->Rows()->Item(5)->Range();
             range->Font()->SetBold(kTrue);
             range->ParagraphFormat()->SetKeepWithNext(kTrue);
             Main(d)->Rows()->Item(1)->Range()->Font()->SetBold(kFalse);
         },
         [](Document& d) {
             auto heading = Main(d)->Rows()->Item(5)->Range();
             EXPECT_EQ(heading->Font()->Bold(), kTrue);
             EXPECT_EQ(heading->ParagraphFormat()->KeepWithNext(), kTrue);
             EXPECT_EQ(Main(d)->Rows()->Item(4)->Range()->ParagraphFormat()->KeepWithNext(), kFalse);
             EXPECT_EQ(Main(d)->Rows()->Item(1)->Range()->Font()->Bold(), kFalse);
         },
         {"Раздел 2"},
         {}},
        {"rows may not break across pages",
         [](Document& d) {
             Main(d)->Rows()->SetAllowBreakAcrossPages(kFalse);
             Main(d)->Rows()->Item(2)->SetAllowBreakAcrossPages(kTrue);
         },
         [](Document& d) {
             EXPECT_EQ(Main(d)->Rows()->Item(1)->AllowBreakAcrossPages(), kFalse);
             EXPECT_EQ(Main(d)->Rows()->Item(2)->AllowBreakAcrossPages(), kTrue);
             EXPECT_EQ(Main(d)->Rows()->Item(6)->AllowBreakAcrossPages(), kFalse);
         },
         {"Сметы"},
         {}},
        {"remove numbers, direct and through the style",
         [](Document& d) {
             Main(d)->Cell(2, 1)->Range()->ListFormat()->RemoveNumbers();
             Main(d)->Cell(4, 1)->Range()->ListFormat()->RemoveNumbers();
         },
         [](Document& d) {
             EXPECT_EQ(ListString(d, 2), "");
             EXPECT_EQ(ListString(d, 3), "1.");
             EXPECT_EQ(ListString(d, 4), "");
         },
         {"Переписка"},
         {}},
        {"convert numbers to text",
         [](Document& d) {
             for (int r = 6; r >= 2; --r)
                 if (r != 5) Main(d)->Cell(r, 1)->Range()->ListFormat()->ConvertNumbersToText();
         },
         [](Document& d) {
             // A number alone in its paragraph becomes the number alone, without its suffix.
             EXPECT_EQ(Show(Main(d)->Cell(2, 1)->Range()->Text()), "1.|");
             EXPECT_EQ(Show(Main(d)->Cell(4, 1)->Range()->Text()), "3.|");
             EXPECT_EQ(Show(Main(d)->Cell(6, 1)->Range()->Text()), "а)|");
             EXPECT_EQ(ListString(d, 3), "");
         },
         {"3.", "а)"},
         {}},
        {"table to text",
         [](Document& d) { Main(d)->ConvertToText(); },
         [](Document& d) {
             EXPECT_EQ(d.Tables()->Count(), 0);
             EXPECT_EQ(Show(d.Content()->Text()),
                       "ОПИСЬ № 1¶подпись¶№→Заголовок¶→Приказы директора¶→Переписка¶→Отчёты¶Раздел 2¶"
                       "→Сметы¶вн1→вн2¶¶подпись¶конец¶");
         },
         {"Приказы директора", "вн1\tвн2"},
         {}},
        {"delete shapes",
         [](Document& d) {
             ASSERT_EQ(d.Shapes()->Count(), 2);
             d.Shapes()->Item(1)->Delete();
             d.Shapes()->Item(1)->Delete();
         },
         [](Document& d) {
             EXPECT_EQ(d.Shapes()->Count(), 0);
             EXPECT_EQ(RowText(d, 2), "|Приказы директора||");
         },
         {"подпись"},
         {}},
        {"font of the whole document",
         [](Document& d) { d.Content()->Font()->SetName("Arial"); },
         [](Document& d) { EXPECT_EQ(RowText(d, 3), "|Переписка||"); },
         {"Переписка"},
         {}},
    };
}

bool HaveCommand(const std::string& check) {
    return std::system((check + " >/dev/null 2>&1").c_str()) == 0;
}

class EditTest : public ::testing::Test {
  protected:
    // Applies every case to its own copy and saves it; returns the saved paths.
    std::vector<std::string> EditAndSave() {
        std::string original = WriteDocx(folder_.File("original.docx"), InventoryBody(), kStyles, kNumbering);
        const std::string before = ReadFile(original);
        std::vector<std::string> saved;
        int i = 0;
        for (const EditCase& c : Cases()) {
            auto app = CreateApplication();
            Document& document = app->Documents().Open(original);
            c.Edit(document);
            EXPECT_FALSE(document.Saved()) << c.Name;
            EXPECT_EQ(ReadFile(original), before) << c.Name << ": editing changed the file on disk";
            saved.push_back(folder_.File("edit" + std::to_string(i++) + ".docx"));
            document.SaveAs(saved.back());
            EXPECT_TRUE(document.Saved()) << c.Name;
        }
        EXPECT_EQ(ReadFile(original), before);
        return saved;
    }

    TempFolder folder_;
};

TEST_F(EditTest, EachEditSurvivesSaveAndReopen) {
    std::vector<std::string> saved = EditAndSave();
    auto cases = Cases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].Name);
        auto app = CreateApplication();
        cases[i].Check(app->Documents().Open(saved[i]));
    }
}

TEST_F(EditTest, LibreOfficeReadsEveryEditedFile) {
    if (!HaveCommand("command -v soffice")) GTEST_SKIP() << "soffice is not installed";
    std::vector<std::string> saved = EditAndSave();
    std::string command = "soffice -env:UserInstallation=file://" + folder_.File("profile") +
                          " --headless --convert-to 'txt:Text (encoded):UTF8' --outdir " +
                          folder_.File("txt");
    for (const std::string& path : saved) command += " " + path;
    ASSERT_EQ(std::system((command + " >/dev/null 2>&1").c_str()), 0);
    auto cases = Cases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::string text = ReadFile(folder_.File("txt/edit" + std::to_string(i) + ".txt"));
        ASSERT_FALSE(text.empty()) << cases[i].Name;
        for (const std::string& fragment : cases[i].Present)
            EXPECT_NE(text.find(fragment), std::string::npos) << cases[i].Name << ": " << fragment << "\n"
                                                              << text;
        for (const std::string& fragment : cases[i].Absent)
            EXPECT_EQ(text.find(fragment), std::string::npos) << cases[i].Name << ": " << fragment;
    }
}

TEST_F(EditTest, PythonDocxReadsEveryEditedFile) {
    const std::string python = "PYENV_VERSION=system python3";
    if (!HaveCommand(python + " -c 'import docx'")) GTEST_SKIP() << "python3-docx is not installed";
    std::vector<std::string> saved = EditAndSave();
    const std::string script =
        "import sys, docx\n"
        "for path in sys.argv[1:]:\n"
        "    d = docx.Document(path)\n"
        "    out = [p.text for p in d.paragraphs]\n"
        "    for t in d.tables:\n"
        "        for row in t.rows:\n"
        "            out.append('|'.join(c.text for c in row.cells))\n"
        "    open(path + '.py.txt', 'w', encoding='utf-8').write('\\n'.join(out))\n";
    WriteFile(folder_.File("read.py"), script);
    std::string command = python + " " + folder_.File("read.py");
    for (const std::string& path : saved) command += " " + path;
    ASSERT_EQ(std::system(command.c_str()), 0);
    auto cases = Cases();
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::string text = ReadFile(saved[i] + ".py.txt");
        for (const std::string& fragment : cases[i].Present) {
            if (fragment.find('\t') != std::string::npos) continue;  // python-docx shows tabs its own way
            EXPECT_NE(text.find(fragment), std::string::npos) << cases[i].Name << ": " << fragment << "\n"
                                                              << text;
        }
        for (const std::string& fragment : cases[i].Absent)
            EXPECT_EQ(text.find(fragment), std::string::npos) << cases[i].Name << ": " << fragment;
    }
}

}  // namespace
}  // namespace tabulex::word::docx::testing
