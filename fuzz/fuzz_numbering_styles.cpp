// Bytes as word/numbering.xml and word/styles.xml (split at the first byte 0x1E) of a package whose
// document is a table of numbered and styled paragraphs: every list number, bold and keep-with-next
// read from the compact model and again from the DOM, the two compared.

#include "FuzzParts.h"
#include "FuzzSupport.h"

#include "docx/DocxDocument.h"
#include "ooxml/Package.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace tabulex;
using namespace tabulex::ooxml;
using namespace tabulex::word::docx;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\x1e');
    std::string numbering(input.substr(0, split));
    std::string styles(split == std::string_view::npos ? std::string_view() : input.substr(split + 1));
    std::unique_ptr<DocxDocument> document;
    try {
        document = DocxDocument::FromPackage(
            PackageFromParts({fuzz::kNumberedDocumentXml, std::move(styles), std::move(numbering)},
                             "fuzz.docx"),
            "fuzz.docx");
    } catch (const text::Error&) {
        return 0;
    }
    std::vector<std::string> fromCompact = fuzz::TableAnswers(*document);
    const std::string whole = fuzz::Answer([&] { return document->Content()->Text(); });
    if (whole.starts_with("error ")) fuzz::Fail("the DOM refuses the main story: " + whole);
    document->UseDom();
    fuzz::ExpectSame(fromCompact, fuzz::TableAnswers(*document));
    fuzz::Answer([&] {
        auto range = document->Tables()->Item(1)->Rows()->Item(2)->Range();
        range->ListFormat()->ConvertNumbersToText();
        return range->Text();
    });
    return 0;
}
