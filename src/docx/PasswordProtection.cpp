#include "docx/PasswordProtection.h"

#include "ooxml/ZipArchive.h"
#include "text/Error.h"

#include <cstdint>

namespace tabulex::word::docx {
namespace {

constexpr std::string_view kOleMagic = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
// "WordDocument" as the UTF-16LE name of an OLE directory entry, with its length in bytes
// including the terminating NUL.
constexpr std::string_view kWordDocument{"W\0o\0r\0d\0D\0o\0c\0u\0m\0e\0n\0t\0\0\0", 26};
constexpr std::size_t kDirectoryEntrySize = 128;
constexpr std::uint16_t kWordIdent = 0xA5EC;
constexpr std::uint16_t kEncryptedFlag = 0x0100;  // fEncrypted of the FIB's flags word

std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int k = size - 1; k >= 0; --k)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
    return value;
}

}  // namespace

bool IsEncryptedWordDocument(std::string_view bytes) {
    if (!bytes.starts_with(kOleMagic) || bytes.size() < 512) return false;
    const std::uint32_t shift = LittleEndian(bytes, 30, 2);
    if (shift != 9 && shift != 12) return false;
    const std::size_t sectorSize = std::size_t{1} << shift;
    // Directory entries lie on 128-byte boundaries of the sectors after the header. The stream's
    // first sector holds the start of its file information block, which is all that is read.
    for (std::size_t at = sectorSize; at + kDirectoryEntrySize <= bytes.size(); at += kDirectoryEntrySize) {
        if (bytes.compare(at, kWordDocument.size(), kWordDocument) != 0 ||
            LittleEndian(bytes, at + 64, 2) != 26)
            continue;
        const std::uint64_t start = LittleEndian(bytes, at + 116, 4);
        const std::uint64_t size = LittleEndian(bytes, at + 120, 4);
        const std::uint64_t fib = (start + 1) * sectorSize;
        if (size < 4096 || fib + 12 > bytes.size()) return false;  // no stream of a real document
        const auto offset = static_cast<std::size_t>(fib);
        return LittleEndian(bytes, offset, 2) == kWordIdent &&
               (LittleEndian(bytes, offset + 10, 2) & kEncryptedFlag) != 0;
    }
    return false;
}

bool IsEncryptedOdf(std::string_view bytes) {
    try {
        for (const ooxml::zip::Entry& entry : ooxml::zip::ReadAll(bytes, {}, ooxml::PackageLimits{}))
            if (entry.Name == "META-INF/manifest.xml")
                return entry.Data.find("encryption-data") != std::string::npos;
    } catch (const text::Error&) {
        // A damaged package is LibreOffice's to judge.
    }
    return false;
}

}  // namespace tabulex::word::docx
