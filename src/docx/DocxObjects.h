#pragma once

// The object handles the host gives out: collections and ranges pointing into a DocxDocument.

#include "word/WordModel.h"

#include <memory>

namespace tabulex::word::docx {

class DocxDocument;

std::unique_ptr<word::Tables> MakeTables(DocxDocument& document);
std::unique_ptr<word::Shapes> MakeShapes(DocxDocument& document);
std::unique_ptr<word::Range> MakeStoryRange(DocxDocument& document);

}  // namespace tabulex::word::docx
