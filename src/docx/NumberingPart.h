#pragma once

// Adding word/numbering.xml to a package that has none: its content type and its relationship from
// the main story, so that the word processor finds the lists the host writes there.

#include "ooxml/Package.h"

namespace tabulex::word::docx {

// The part itself is written by the caller (SetBytes); this registers it. Nothing happens for what
// is already registered.
void AddNumberingPart(ooxml::Package& package);

}  // namespace tabulex::word::docx
