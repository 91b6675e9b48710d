#pragma once

// Telling document formats apart by their content, and converting the formats the host does not read
// itself (.doc, .rtf, .odt) to .docx with LibreOffice running headless.

#include "ooxml/Package.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace tabulex::word::docx {

enum class DocumentFormat { Docx, Doc, Rtf, Odt, Unknown };

// The format by content, the file name's extension deciding only where the content says nothing
// (e.g. an empty or unreadable start). Encrypted .docx files are reported as Docx.
DocumentFormat DetectFormat(std::string_view bytes, std::string_view fileName);

// The usual extension of a format, e.g. ".doc".
std::string_view FormatExtension(DocumentFormat format);

struct ConversionLimits {
    std::chrono::seconds Timeout{120};
    // LibreOffice's address space: a hostile file must not take the machine's memory (a 200 MB
    // .rtf of braces grew it to 10 GB). It starts in well under 2 GB.
    std::uint64_t MemoryBytes = 4ull << 30;
    // Set (Ctrl+C): the conversion is ended at once with text::Error "opening interrupted".
    const std::atomic<bool>* Stop = nullptr;
};

// Converts a document (its bytes, read by the caller) to .docx with `soffice --headless` in a private
// temporary folder, which is also LibreOffice's temporary folder, and returns the bytes of the
// .docx; the folder is removed. Throws text::Error naming the format when soffice is not on PATH,
// and when the conversion fails, runs past the timeout or is stopped (LibreOffice's process group is
// killed then). `displayName` is the UTF-8 file name.
std::string ConvertToDocx(std::string_view bytes, DocumentFormat format, const std::string& displayName,
                          const ConversionLimits& limits = {});

// Opens a document of any supported format: .docx natively; .doc, .rtf and .odt converted to .docx
// by LibreOffice (soffice --headless) into a temporary folder when soffice is on PATH, otherwise a
// text::Error naming the format and what to do.
ooxml::Package LoadDocumentFile(const std::string& path, const ooxml::PackageLimits& limits = {});

}  // namespace tabulex::word::docx
