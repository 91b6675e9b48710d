#include "word/docx/NumberingPart.h"

#include "word/docx/PartRegistration.h"

namespace tabulex::word::docx {
namespace {

constexpr const char* kNumberingType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml";
constexpr const char* kNumberingRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/numbering";

}  // namespace

void AddNumberingPart(Package& package) {
    RegisterContentType(package, "word/numbering.xml", kNumberingType);
    RegisterMainRelationship(package, kNumberingRelationship, "numbering.xml");
}

}  // namespace tabulex::word::docx
