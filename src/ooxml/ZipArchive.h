#pragma once

// The zip container of a package: reading every entry into memory under the package limits, and
// writing a container back where unchanged entries keep their original compressed data.

#include "ooxml/Package.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex::ooxml::zip {

struct Entry {
    std::string Name;
    std::string Data;         // uncompressed
    std::uint64_t Index = 0;  // index in the source archive
    bool Inflated = true;     // false: left deflated (Data empty), read later with EntryReader
};

// Reads every entry of an archive in memory. `displayName1251` names the file in the user's messages.
// Refuses (text::Error) a non-zip, a damaged or truncated zip, encrypted entries, duplicate names and
// archives beyond the limits, checking the declared sizes first and the real ones while inflating.
// The entry named `leaveDeflated` (if any) is checked by its declared size only and not inflated.
std::vector<Entry> ReadAll(std::string_view bytes, const std::string& displayName1251,
                           const PackageLimits& limits, std::string_view leaveDeflated = {});

// Inflates one entry of an archive ReadAll accepted, piece by piece, with ReadAll's checks (no more
// than the declared size, exactly the declared size at the end, the limits' stop). `bytes` must
// outlive the reader. Throws text::Error like ReadAll.
class EntryReader {
  public:
    EntryReader(std::string_view bytes, std::uint64_t index, const std::string& displayName1251,
                const PackageLimits& limits);
    EntryReader(const EntryReader&) = delete;
    EntryReader& operator=(const EntryReader&) = delete;
    ~EntryReader();

    std::uint64_t DeclaredSize() const;
    // Fills `buffer` with up to `size` next bytes (fewer only at the end); 0 at the end.
    std::size_t Read(char* buffer, std::size_t size);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

// Checks a zip file's directory against the limits without reading its entries (libzip reads only
// the end of the file): a large file that is no package, or one declaring too much, is refused
// before its contents are read. `head` is the file's first bytes. Throws like ReadAll.
void CheckDirectory(const std::string& path, std::string_view head, const std::string& displayName1251,
                    const PackageLimits& limits);

// Reads the entry at `index` again (an archive ReadAll accepted).
std::string ReadOne(std::string_view bytes, std::uint64_t index, const std::string& displayName1251,
                    const PackageLimits& limits);

// One entry of the archive to write.
struct OutEntry {
    std::string_view Name;
    const std::string* Data = nullptr;    // uncompressed bytes
    std::optional<std::uint64_t> Source;  // index in the source archive, if the entry comes from it
    bool Changed = false;                 // a source entry whose bytes were replaced
    // Instead of Data: the bytes written piece by piece while the archive is written, and about how
    // many there will be.
    ooxml::PartWriter* Writer = nullptr;
    std::size_t SizeHint = 0;
    bool WriterThread = false;  // the Writer runs on a thread of its own while the entry is deflated
    // The deflate level (0: libzip's default); unset: chosen by the entry's size.
    std::optional<std::uint32_t> Level;
};

// Writes an archive: the source archive (may be empty) with its entries not listed removed, changed
// entries deflated anew and new entries (no source index) appended in the given order. Unchanged
// entries are copied with their original compressed data. What an entry's Writer throws reaches the
// caller; a failure of libzip is a text::Error with `failureMessage` (by default: the document could not
// be saved).
std::string Write(std::string_view source, const std::vector<OutEntry>& entries);
std::string Write(std::string_view source, const std::vector<OutEntry>& entries,
                  std::string_view failureMessage);

}  // namespace tabulex::ooxml::zip
