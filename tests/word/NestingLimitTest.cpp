// Structures nested past the host's limit (tables in tables, content controls in content controls)
// are refused with the user's message naming the limit, whichever way the document is read; below
// the limit they read as usual. Without the limit such a file overflowed the stack of the walks.

#include "docx/DocxApplication.h"
#include "ooxml/NestingLimit.h"
#include "ooxml/PackageMessages.h"
#include "text/Error.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

namespace tabulex::word::docx {
namespace {

using namespace testing;

// A two-row main table whose second row's first cell holds `depth` tables, each in the cell of the
// one before, the innermost holding "deep".
std::string NestedTables(int depth) {
    std::string inner = P("deep");
    std::string open, close;
    for (int k = 0; k < depth; ++k) {
        open += "<w:tbl><w:tr><w:tc>";
        close += "</w:tc></w:tr></w:tbl>";
    }
    return Tbl(Tr(Tc(P("1")) + Tc(P("a"))) + Tr(Tc(open + inner + close) + Tc(P("b"))));
}

// A main table whose cell holds `depth` block content controls, one in the other.
std::string NestedContentControls(int depth) {
    std::string open, close;
    for (int k = 0; k < depth; ++k) {
        open += "<w:sdt><w:sdtContent>";
        close += "</w:sdtContent></w:sdt>";
    }
    return Tbl(Tr(Tc(open + P("deep") + close) + Tc(P("b"))));
}

struct NestingCase {
    const char* label;
    std::string body;
    bool refused;
};

TEST(NestingLimitTest, DeepStructuresAreRefusedAndShallowOnesRead) {
    const NestingCase cases[] = {
        {"tables 40000 deep", NestedTables(40000), true},
        {"tables just past the limit", NestedTables(ooxml::kMaxXmlNesting / 3), true},
        {"tables 60 deep", NestedTables(60), false},
        {"content controls 40000 deep", NestedContentControls(40000), true},
        {"content controls 100 deep", NestedContentControls(100), false},
    };
    TempFolder folder;
    for (const NestingCase& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = WriteDocx(folder.File("nested.docx"), c.body);
        auto application = CreateApplication();
        try {
            word::Document& document = application->Documents().Open(path);
            auto table = document.Tables()->Item(1);
            std::string text;
            for (int row = 1; row <= table->Rows()->Count(); ++row)
                text += table->Rows()->Item(row)->Range()->Text();
            text += table->Cell(1, 1)->Range()->ListFormat()->ListString();
            EXPECT_FALSE(c.refused) << "read although nested too deep";
            EXPECT_NE(text.find("deep"), std::string::npos) << Show(text);
        } catch (const text::Error& error) {
            EXPECT_TRUE(c.refused) << Show(error.Message());
            EXPECT_EQ(error.Message(), ooxml::messages::TooDeep(ooxml::kMaxXmlNesting) + Cp(path))
                << text::Cp1251ToUtf8(error.Message());
        }
    }
}

}  // namespace
}  // namespace tabulex::word::docx
