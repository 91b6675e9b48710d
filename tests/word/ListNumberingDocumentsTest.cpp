// List numbers of real word-processor documents (origins in tests/fixtures/SOURCES.md). The expected
// numbers were worked out from each document's numbering.xml and agree with what LibreOffice shows.

#include "docx/ListNumbering.h"

#include "text/Cp1251.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <memory>
#include <string>
#include <vector>

namespace tabulex::word::docx {
namespace {

std::string ReadPart(const std::string& docx, const char* part) {
    int error = 0;
    std::unique_ptr<zip_t, decltype(&zip_discard)> archive(zip_open(docx.c_str(), ZIP_RDONLY, &error),
                                                           zip_discard);
    if (!archive) {
        ADD_FAILURE() << "cannot open " << docx;
        return {};
    }
    zip_stat_t stat;
    if (zip_stat(archive.get(), part, 0, &stat) != 0) return {};
    std::string bytes(stat.size, '\0');
    zip_file_t* file = zip_fopen(archive.get(), part, 0);
    if (!file) return {};
    zip_int64_t read = zip_fread(file, bytes.data(), stat.size);
    zip_fclose(file);
    EXPECT_EQ(read, static_cast<zip_int64_t>(stat.size));
    return bytes;
}

struct NumberedParagraph {
    std::string Number;  // UTF-8, "" when unnumbered
    std::string Text;    // UTF-8
};

class OpenedDocument {
  public:
    explicit OpenedDocument(const std::string& name) {
        std::string path = std::string(TABULEX_FIXTURES) + "/numbering/" + name;
        for (auto [document, part] :
             {std::pair{&document_, "word/document.xml"}, std::pair{&styles_, "word/styles.xml"},
              std::pair{&numbering_, "word/numbering.xml"}}) {
            std::string bytes = ReadPart(path, part);
            EXPECT_TRUE(document->load_buffer(bytes.data(), bytes.size())) << part;
        }
        StyleSheet sheet(styles_.child("w:styles"));
        ListNumbering numbering(numbering_.child("w:numbering"), sheet);
        pugi::xml_node body = document_.child("w:document").child("w:body");
        ListStrings strings = numbering.ComputeListStrings(body);
        for (pugi::xpath_node p : body.select_nodes(".//w:p")) {
            NumberedParagraph paragraph;
            if (auto found = strings.find(p.node().internal_object()); found != strings.end())
                paragraph.Number = text::Cp1251ToUtf8(found->second);
            for (pugi::xpath_node t : p.node().select_nodes(".//w:t"))
                paragraph.Text += t.node().text().get();
            paragraphs_.push_back(std::move(paragraph));
        }
    }

    const std::vector<NumberedParagraph>& Paragraphs() const { return paragraphs_; }
    std::vector<std::string> Numbers() const {
        std::vector<std::string> numbers;
        for (const NumberedParagraph& p : paragraphs_)
            if (!p.Number.empty()) numbers.push_back(p.Number);
        return numbers;
    }

  private:
    pugi::xml_document document_, styles_, numbering_;
    std::vector<NumberedParagraph> paragraphs_;
};

// Each numbered paragraph says what it expects ("expect viii" beside "(viii)").
TEST(ListNumberingDocumentsTest, MixedFormatsAndStartValues) {
    OpenedDocument document("example_numbering.docx");
    EXPECT_EQ(document.Numbers(),
              (std::vector<std::string>{"II.", "C.", "D.", "4.", "e.", "f.", "6)", "f)", "(viii)", "(ix)"}));
    for (const NumberedParagraph& p : document.Paragraphs()) {
        if (p.Text.rfind("expect ", 0) == 0) {
            EXPECT_NE(p.Number.find(p.Text.substr(7)), std::string::npos) << p.Text;
        }
    }
}

// Heading styles bound to list levels; a level 3 heading straight after a level 1 heading.
TEST(ListNumberingDocumentsTest, HeadingNumbersThroughStyles) {
    OpenedDocument document("unit_test_headers_numbered.docx");
    EXPECT_EQ(document.Numbers(),
              (std::vector<std::string>{"1.",       "1.1.",     "1.2.",    "1.2.1.", "2.",     "2.1.1.",
                                        "2.2.",     "1.",       "1.1.",    "1.1.1.", "2.3.1.", "2.3.2.",
                                        "2.3.3.",   "2.3.4.",   "2.3.5.",  "2.3.6.", "2.3.7.", "2.3.8.",
                                        "2.3.8.1.", "2.3.8.2.", "2.3.8.3."}));
}

// 3,500 items in lower Roman numerals; each paragraph's text is its number in digits.
TEST(ListNumberingDocumentsTest, ThousandsOfRomanNumerals) {
    OpenedDocument document("LIR020-en-US-lowerRoman.docx");
    std::vector<std::string> numbers = document.Numbers();
    ASSERT_EQ(numbers.size(), 3500u);
    const std::pair<int, const char*> samples[] = {{1, "i|"},        {4, "iv|"},         {49, "xlix|"},
                                                   {944, "cmxliv|"}, {1994, "mcmxciv|"}, {3500, "mmmd|"}};
    for (auto [n, roman] : samples) {
        const NumberedParagraph& p = document.Paragraphs()[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(p.Text, std::to_string(n));
        EXPECT_EQ(p.Number, roman);
    }
}

// A Russian technical document: a start override, legal numbering and a list whose first
// shown level is 2 under a level 1 that starts at 7.
TEST(ListNumberingDocumentsTest, RussianTechnicalDocument) {
    OpenedDocument document("tz.docx");
    auto numberOf = [&](const std::string& textStart) {
        for (const NumberedParagraph& p : document.Paragraphs())
            if (p.Text.rfind(textStart, 0) == 0) return p.Number;
        ADD_FAILURE() << "no paragraph " << textStart;
        return std::string();
    };
    EXPECT_EQ(numberOf("Наименование оказываемых услуг"), "1.");
    EXPECT_EQ(numberOf("Сроки оказания услуги"), "6.");
    EXPECT_EQ(numberOf("Услуги по обновлению системы защиты"), "7.1.");
    EXPECT_EQ(numberOf("Инвентаризация информационных систем персональных данных."), "7.2.1.");
    EXPECT_EQ(numberOf("Инвентаризация информационных систем"), "");  // the same words in a table cell
    EXPECT_EQ(numberOf("7. Общие требования"), "");
}

}  // namespace
}  // namespace tabulex::word::docx
