// Arbitrary bytes as a .docx container: the zip reader with its limits, every XML part through the
// DOM parser, the package written back with its main part changed and read again (the zip writer),
// then the document opened from the package and every table answer read.

#include "FuzzSupport.h"

#include "docx/DocxDocument.h"
#include "ooxml/Package.h"
#include "ooxml/XmlPart.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace tabulex;
using namespace tabulex::ooxml;
using namespace tabulex::word::docx;

namespace {

bool IsXmlPart(const std::string& name) {
    return name.ends_with(".xml") || name.ends_with(".rels");
}

PackageLimits FuzzLimits() {
    PackageLimits limits;
    limits.MaxTotalUncompressed = 64ull << 20;  // keeps each input well under the memory limit
    return limits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        Package package = Package::FromBytes(std::move(bytes), "fuzz.docx", FuzzLimits());
        for (const std::string& name : package.PartNames()) {
            if (!IsXmlPart(name)) continue;
            try {
                ParsePart(package, name);
            } catch (const text::Error&) {
            }
        }
        if (package.Has("word/document.xml")) {
            package.SetBytes("word/document.xml", package.Bytes("word/document.xml") + "\n");
            Package::FromBytes(package.ToBytes(), "fuzz.docx", FuzzLimits());
        }
        auto document = DocxDocument::FromPackage(std::move(package), "fuzz.docx");
        fuzz::TableAnswers(*document);
        fuzz::Answer([&] { return document->Content()->Text(); });
    } catch (const text::Error&) {
    }
    return 0;
}
