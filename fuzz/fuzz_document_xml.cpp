// Bytes as word/document.xml of an otherwise valid package (styles and numbering fixed): every
// table answer read from the compact model, read again once the DOM is built, the two compared
// (a difference stops the run like a crash), then edits on every table.

#include "FuzzParts.h"
#include "FuzzSupport.h"

#include "docx/DocxDocument.h"
#include "ooxml/Package.h"
#include "ooxml/PackageMessages.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace tabulex;
using namespace tabulex::ooxml;
using namespace tabulex::word::docx;

namespace {

// Edits the checker and the tools make, on every table; the host may refuse any of them.
void Edit(word::Document& document) {
    auto tables = document.Tables();
    for (int t = tables->Count(); t >= 1; --t) {
        fuzz::Answer([&] { return document.TextBeforeTable(t); });
        auto table = tables->Item(t);
        auto rows = table->Rows();
        fuzz::Answer([&] {
            rows->SetAllowBreakAcrossPages(word::kFalse);
            return std::string();
        });
        for (int r = 1; r <= rows->Count(); ++r) {
            fuzz::Answer([&] {
                auto range = rows->Item(r)->Range();
                range->Font()->SetBold(r % 2 ? word::kTrue : word::kFalse);
                range->ParagraphFormat()->SetKeepWithNext(word::kTrue);
                if (r % 2)
                    range->ListFormat()->ConvertNumbersToText();
                else
                    range->ListFormat()->RemoveNumbers();
                return std::string();
            });
        }
        fuzz::Answer([&] {
            table->Cell(1, 1)->Range()->SetText("x");
            return std::string();
        });
        if (rows->Count() > 1)
            fuzz::Answer([&] {
                rows->Item(1)->Delete();
                return std::string();
            });
        fuzz::TableAnswers(document);
        if (t % 2)
            fuzz::Answer([&] {
                table->ConvertToText();
                return std::string();
            });
    }
    fuzz::Answer([&] {
        auto shapes = document.Shapes();
        if (shapes->Count() > 0) shapes->Item(1)->Delete();
        return std::string();
    });
    fuzz::Answer([&] { return document.Content()->Text(); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string xml(reinterpret_cast<const char*>(data), size);
    std::unique_ptr<DocxDocument> document;
    try {
        document = DocxDocument::FromPackage(
            PackageFromParts({std::move(xml), fuzz::kStylesXml, fuzz::kNumberingXml}, "fuzz.docx"),
            "fuzz.docx");
    } catch (const text::Error&) {
        return 0;
    }
    const bool compact = document->Compact() != nullptr;
    std::vector<std::string> fromCompact = fuzz::TableAnswers(*document);
    if (compact && document->Compact() == nullptr) fuzz::Fail("reading the tables built the DOM");
    // The whole story builds the DOM (a story without a body may be refused); when the compact model
    // read the story, the DOM must parse it too.
    const std::string whole = fuzz::Answer([&] { return document->Content()->Text(); });
    if (compact && whole.starts_with("error " + std::string(messages::kBadXmlPrefix)))
        fuzz::Fail("the compact model read a main story the DOM refuses: " + whole);
    document->UseDom();
    if (document->Compact() != nullptr) fuzz::Fail("the whole story did not build the DOM");
    fuzz::ExpectSame(fromCompact, fuzz::TableAnswers(*document));
    Edit(*document);
    return 0;
}
