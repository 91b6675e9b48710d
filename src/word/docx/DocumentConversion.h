#pragma once

// Telling document formats apart by their content, and converting the formats the host does not read
// itself (.doc, .rtf, .odt) to .docx with LibreOffice running headless.

#include <chrono>
#include <string>
#include <string_view>

namespace tabulex::word::docx {

enum class DocumentFormat { Docx, Doc, Rtf, Odt, Unknown };

// An OLE compound file (the container of Word 97-2003 documents and of password-protected .docx).
bool IsOleCompound(std::string_view bytes);
// An OLE compound file holding an encrypted OOXML package (its "EncryptedPackage" stream).
bool IsEncryptedOoxml(std::string_view bytes);

// The format by content, the file name's extension deciding only where the content says nothing
// (e.g. an empty or unreadable start). Encrypted .docx files are reported as Docx.
DocumentFormat DetectFormat(std::string_view bytes, std::string_view fileName);

// The usual extension of a format, e.g. ".doc".
std::string_view FormatExtension(DocumentFormat format);

// Converts a document (its bytes, read by the caller) to .docx with `soffice --headless` in a private
// temporary folder and returns the bytes of the .docx; the folder is removed. Throws word::Error
// naming the format when soffice is not on PATH, and when the conversion fails or runs past the
// timeout (LibreOffice's process group is killed then). `displayName` is the UTF-8 file name.
std::string ConvertToDocx(std::string_view bytes, DocumentFormat format, const std::string& displayName,
                          std::chrono::seconds timeout = std::chrono::seconds(120));

}  // namespace tabulex::word::docx
