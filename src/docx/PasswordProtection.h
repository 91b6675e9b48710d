#pragma once

// Password protection of the formats read through LibreOffice: a binary Word document marks it in
// its file information block, an ODF package lists encryption data in its manifest. LibreOffice
// headless cannot open either without the password, so they are refused before the conversion.

#include <string_view>

namespace tabulex::word::docx {

// A Word 97-2003 document (an OLE compound file) whose WordDocument stream says it is encrypted.
bool IsEncryptedWordDocument(std::string_view bytes);

// An ODF package whose META-INF/manifest.xml holds encryption data for any of its files.
bool IsEncryptedOdf(std::string_view bytes);

}  // namespace tabulex::word::docx
