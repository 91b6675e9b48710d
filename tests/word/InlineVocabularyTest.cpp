// The vocabulary both readers of document.xml share: every element it teaches is one the streaming
// reader recognises, so that a new element taught there reaches both readers.

#include "docx/InlineVocabulary.h"

#include "docx/DocxDocument.h"
#include "docx/stream/ReaderNames.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

#include <set>

namespace tabulex::word::docx {
namespace {

TEST(InlineVocabularyTest, EveryElementIsOneTheStreamingReaderKnows) {
    std::set<stream::Name> seen;
    for (const vocabulary::InlineEntry& entry : vocabulary::kInlineVocabulary) {
        const stream::Name name = stream::ClassifyQualified(entry.QualifiedName);
        EXPECT_NE(name, stream::Name::Other) << entry.QualifiedName;
        EXPECT_NE(name, stream::Name::OtherW) << entry.QualifiedName;
        EXPECT_TRUE(seen.insert(name).second) << entry.QualifiedName << " shares its name";
        const stream::InlineMeaning& meaning = stream::MeaningOf(name);
        EXPECT_EQ(meaning.Transparent, entry.Kind == vocabulary::InlineKind::Transparent)
            << entry.QualifiedName;
        EXPECT_EQ(meaning.Text, entry.Text) << entry.QualifiedName;
        EXPECT_EQ(entry.Kind == vocabulary::InlineKind::FixedText, !entry.Text.empty())
            << entry.QualifiedName;
    }
    EXPECT_FALSE(stream::MeaningOf(stream::Name::R).Transparent);
    EXPECT_TRUE(stream::MeaningOf(stream::Name::T).Text.empty());
}

TEST(InlineVocabularyTest, BreaksByType) {
    EXPECT_EQ(vocabulary::BreakText("page"), "\x0C");
    EXPECT_EQ(vocabulary::BreakText("column"), "\x0E");
    EXPECT_EQ(vocabulary::BreakText("textWrapping"), "\x0B");
    EXPECT_EQ(vocabulary::BreakText(""), "\x0B");
}

// A floating shape counts wherever the paragraph shows its runs: in every inline container of
// the vocabulary, and not in deleted text.
TEST(InlineVocabularyTest, ShapesAreFoundInEveryContainerThatShowsItsRuns) {
    testing::TempFolder folder;
    const std::string shape = "<w:r><w:drawing><wp:anchor/></w:drawing></w:r>";
    int n = 0;
    for (const vocabulary::InlineEntry& entry : vocabulary::kInlineVocabulary) {
        if (entry.Kind != vocabulary::InlineKind::Transparent) continue;
        SCOPED_TRACE(entry.QualifiedName);
        const std::string name = entry.QualifiedName;
        const std::string path = testing::WriteDocx(folder.File("shape" + std::to_string(n++) + ".docx"),
                                                    "<w:p><" + name + ">" + shape + "</" + name + "></w:p>");
        EXPECT_EQ(DocxDocument::OpenFile(path)->Shapes()->Count(), 1);
    }
    const std::string path =
        testing::WriteDocx(folder.File("deleted.docx"), "<w:p><w:del>" + shape + "</w:del></w:p>");
    EXPECT_EQ(DocxDocument::OpenFile(path)->Shapes()->Count(), 0);
}

}  // namespace
}  // namespace tabulex::word::docx
