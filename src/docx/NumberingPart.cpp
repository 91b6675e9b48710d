#include "docx/NumberingPart.h"

#include "ooxml/PartRegistration.h"

namespace tabulex::word::docx {
namespace {

constexpr const char* kNumberingType =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.numbering+xml";
constexpr const char* kNumberingRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/numbering";

}  // namespace

void AddNumberingPart(ooxml::Package& package) {
    ooxml::RegisterContentType(package, "word/numbering.xml", kNumberingType);
    ooxml::RegisterMainRelationship(package, kNumberingRelationship, "numbering.xml");
}

}  // namespace tabulex::word::docx
