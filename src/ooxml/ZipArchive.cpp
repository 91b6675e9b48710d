#include "ooxml/ZipArchive.h"

#include "ooxml/PackageMessages.h"
#include "ooxml/PartSource.h"
#include "text/Cp1251.h"
#include "text/Error.h"

#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <unordered_set>

namespace tabulex::ooxml::zip {
namespace {

// zlib's default level: libzip's own default (9) takes three times as long for 8 % less.
constexpr zip_uint32_t kDeflateLevel = 6;
// A part of many megabytes (the main story of a long inventory) is deflated on zlib's fast path
// (levels 1 to 3 share it; 3 packs best of them): about 40 % larger, in a third of the time of
// libzip's default (9). libzip keeps a level only for an entry it adds, not for one it replaces
// with the same method, so such a part is written as a new entry (at the end of the container).
constexpr zip_uint32_t kLargePartLevel = 3;
constexpr std::size_t kLargePart = 8u << 20;

std::size_t SizeOf(const OutEntry& entry) {
    return entry.Writer ? entry.SizeHint : entry.Data->size();
}

zip_uint32_t DeflateLevel(const OutEntry& entry) {
    if (entry.Level) return *entry.Level;
    return SizeOf(entry) > kLargePart ? kLargePartLevel : kDeflateLevel;
}

bool IsLargeReplacement(const OutEntry& entry) {
    return entry.Source && entry.Changed && SizeOf(entry) > kLargePart;
}

constexpr std::string_view kZipMagic = "PK\x03\x04";

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ArchivePtr = std::unique_ptr<zip_t, ArchiveCloser>;
using FilePtr = std::unique_ptr<zip_file_t, FileCloser>;

std::string Describe(const char* what, zip_error_t* error) {
    return std::string(what) + ": libzip error " + std::to_string(zip_error_code_zip(error)) + " (" +
           zip_error_strerror(error) + ")";
}

bool IsEncryptionError(int code) {
    return code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD || code == ZIP_ER_ENCRNOTSUPP;
}

[[noreturn]] void Fail(std::string_view message, const std::string& name, std::string detail) {
    throw text::Error(std::string(message) + name, std::move(detail));
}

ArchivePtr OpenForReading(std::string_view bytes, const std::string& name) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (!source) Fail(messages::kCannotRead, name, Describe("zip_source_buffer_create", &error));
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive) {
        zip_source_free(source);
        std::string detail = Describe("zip_open_from_source", &error);
        int code = zip_error_code_zip(&error);
        zip_error_fini(&error);
        // A zip that lost its end (central directory) is no longer recognised as a zip at all: the
        // local header magic at the start tells a truncated archive from a file of another kind.
        bool looksLikeZip = bytes.substr(0, kZipMagic.size()) == kZipMagic;
        if (code == ZIP_ER_NOZIP && !looksLikeZip) Fail(messages::kNotDocx, name, detail);
        Fail(messages::kCorrupt, name, detail);
    }
    zip_error_fini(&error);
    return ArchivePtr(archive);
}

struct Declared {
    std::string Name;
    std::uint64_t Size = 0;
    std::uint64_t CompressedSize = 0;
};

std::vector<Declared> DeclaredEntries(zip_t* archive, const std::string& name, const PackageLimits& limits) {
    zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count > 0 && static_cast<std::uint64_t>(count) > limits.MaxEntries)
        Fail(messages::kTooLarge, name, std::to_string(count) + " zip entries");
    std::vector<Declared> entries;
    entries.reserve(static_cast<std::size_t>(std::max<zip_int64_t>(count, 0)));
    std::unordered_set<std::string> seen;
    std::uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t st;
        zip_stat_init(&st);
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st) != 0)
            Fail(messages::kCorrupt, name, Describe("zip_stat_index", zip_get_error(archive)));
        std::string entryName = (st.valid & ZIP_STAT_NAME) ? st.name : "";
        if (!seen.insert(entryName).second)
            Fail(messages::kCorrupt, name, "duplicate zip entry " + entryName);
        if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE)
            Fail(messages::kEncrypted, name, "encrypted zip entry " + entryName);
        Declared d{entryName, st.size, st.comp_size};
        if (d.Size > limits.MaxTotalUncompressed - std::min(total, limits.MaxTotalUncompressed))
            Fail(messages::kTooLarge, name,
                 "declared uncompressed size over the limit at entry " + entryName);
        total += d.Size;
        if (d.Size >= limits.RatioCheckFloor &&
            d.Size / std::max<std::uint64_t>(d.CompressedSize, 1) >= limits.MaxCompressionRatio)
            Fail(messages::kTooLarge, name,
                 "compression ratio of " + entryName + ": " + std::to_string(d.Size) + " / " +
                     std::to_string(d.CompressedSize));
        entries.push_back(std::move(d));
    }
    return entries;
}

FilePtr OpenEntry(zip_t* archive, std::uint64_t index, const Declared& declared, const std::string& name) {
    FilePtr file(zip_fopen_index(archive, index, 0));
    if (!file) {
        zip_error_t* error = zip_get_error(archive);
        std::string detail = Describe(("zip_fopen_index " + declared.Name).c_str(), error);
        Fail(IsEncryptionError(zip_error_code_zip(error)) ? messages::kEncrypted : messages::kCorrupt, name,
             detail);
    }
    return file;
}

// The next bytes of an entry of which `done` were inflated, trusting not its declared size: 0 at
// the end.
std::size_t InflateSome(zip_file_t* file, const Declared& declared, std::uint64_t done, char* buffer,
                        std::size_t size, const std::string& name, const std::atomic<bool>* stop) {
    zip_int64_t got = zip_fread(file, buffer, size);
    if (got < 0) {
        zip_error_t* error = zip_file_get_error(file);
        Fail(IsEncryptionError(zip_error_code_zip(error)) ? messages::kEncrypted : messages::kCorrupt, name,
             Describe(("zip_fread " + declared.Name).c_str(), error));
    }
    if (got == 0) return 0;
    if (stop && stop->load()) Fail(messages::kOpenInterrupted, name, "stop requested");
    auto n = static_cast<std::uint64_t>(got);
    if (done + n > declared.Size)
        Fail(messages::kTooLarge, name, "entry " + declared.Name + " inflates past its declared size");
    return static_cast<std::size_t>(n);
}

void RefuseShortEntry(const Declared& declared, std::uint64_t done, const std::string& name) {
    if (done != declared.Size)
        Fail(messages::kCorrupt, name,
             "entry " + declared.Name + " inflates to " + std::to_string(done) + " bytes, declared " +
                 std::to_string(declared.Size));
}

// Inflates one entry, trusting neither its declared size nor the archive's total.
std::string ReadEntry(zip_t* archive, std::uint64_t index, const Declared& declared, std::uint64_t& budget,
                      const std::string& name, const std::atomic<bool>* stop) {
    FilePtr file = OpenEntry(archive, index, declared, name);
    std::string data;
    // The declared size is within the limits here; reserving it (address space only until written)
    // avoids growing a large part by copies.
    data.reserve(static_cast<std::size_t>(std::min(declared.Size, budget)));
    char chunk[1 << 16];
    while (const std::size_t n =
               InflateSome(file.get(), declared, data.size(), chunk, sizeof chunk, name, stop)) {
        if (n > budget)
            Fail(messages::kTooLarge, name, "inflated size over the limit at entry " + declared.Name);
        budget -= n;
        data.append(chunk, n);
    }
    RefuseShortEntry(declared, data.size(), name);
    return data;
}

struct SourceFreer {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using SourcePtr = std::unique_ptr<zip_source_t, SourceFreer>;

// What libzip said when writing failed; Write gives it the caller's message.
struct WriteFailure {
    std::string Detail;
};

[[noreturn]] void WriteFailed(const char* what, zip_error_t* error) {
    throw WriteFailure{Describe(what, error)};
}

// The entry's bytes: its data, or its writer read through `streams` (kept until the archive is closed).
zip_source_t* EntrySource(zip_t* archive, const OutEntry& entry,
                          std::vector<std::unique_ptr<ooxml::PartSource>>& streams) {
    zip_source_t* source = nullptr;
    if (entry.Writer) {
        streams.push_back(std::make_unique<ooxml::PartSource>(
            *entry.Writer, entry.SizeHint,
            entry.WriterThread ? PartSource::Producer::OwnThread : PartSource::Producer::Reader));
        source = streams.back()->Create(archive);
    } else {
        source = zip_source_buffer(archive, entry.Data->data(), entry.Data->size(), 0);
    }
    if (!source) WriteFailed("zip_source_buffer", zip_get_error(archive));
    return source;
}

void ReplaceEntry(zip_t* archive, const OutEntry& entry,
                  std::vector<std::unique_ptr<ooxml::PartSource>>& streams) {
    zip_uint64_t index = *entry.Source;
    zip_stat_t st;
    zip_stat_init(&st);
    zip_stat_index(archive, index, ZIP_FL_UNCHANGED, &st);
    zip_source_t* source = EntrySource(archive, entry, streams);
    if (zip_file_replace(archive, index, source, 0) != 0) {
        zip_source_free(source);
        WriteFailed("zip_file_replace", zip_get_error(archive));
    }
    zip_set_file_compression(archive, index, ZIP_CM_DEFLATE, DeflateLevel(entry));
    if (st.valid & ZIP_STAT_MTIME) zip_file_set_mtime(archive, index, st.mtime, 0);
}

void AddEntry(zip_t* archive, const OutEntry& entry,
              std::vector<std::unique_ptr<ooxml::PartSource>>& streams) {
    zip_source_t* source = EntrySource(archive, entry, streams);
    std::string name(entry.Name);
    zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        WriteFailed("zip_file_add", zip_get_error(archive));
    }
    zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, DeflateLevel(entry));
}

std::string ReadBack(zip_source_t* source) {
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_source_stat(source, &st) != 0) WriteFailed("zip_source_stat", zip_source_error(source));
    if (zip_source_open(source) != 0) WriteFailed("zip_source_open", zip_source_error(source));
    std::string out(static_cast<std::size_t>(st.size), '\0');
    zip_int64_t got = zip_source_read(source, out.data(), out.size());
    zip_source_close(source);
    if (got < 0 || static_cast<std::size_t>(got) != out.size())
        WriteFailed("zip_source_read", zip_source_error(source));
    return out;
}

}  // namespace

std::vector<Entry> ReadAll(std::string_view bytes, const std::string& displayName1251,
                           const PackageLimits& limits, std::string_view leaveDeflated) {
    ArchivePtr archive = OpenForReading(bytes, displayName1251);
    std::vector<Declared> declared = DeclaredEntries(archive.get(), displayName1251, limits);
    std::vector<Entry> entries;
    entries.reserve(declared.size());
    std::uint64_t budget = limits.MaxTotalUncompressed;
    for (std::uint64_t i = 0; i < declared.size(); ++i) {
        // Its declared size counts against the total: its reader never inflates past it.
        if (!leaveDeflated.empty() && declared[i].Name == leaveDeflated) {
            budget -= std::min(budget, declared[i].Size);
            entries.push_back(Entry{declared[i].Name, {}, i, false});
            continue;
        }
        std::string data = ReadEntry(archive.get(), i, declared[i], budget, displayName1251, limits.Stop);
        entries.push_back(Entry{declared[i].Name, std::move(data), i});
    }
    return entries;
}

struct EntryReader::State {
    std::string_view Bytes;
    ArchivePtr Archive;
    Declared Entry;
    FilePtr File;
    std::uint64_t Done = 0;
    std::string Name;
    const std::atomic<bool>* Stop = nullptr;
};

EntryReader::EntryReader(std::string_view bytes, std::uint64_t index, const std::string& displayName1251,
                         const PackageLimits& limits)
    : state_(std::make_unique<State>()) {
    State& s = *state_;
    s.Bytes = bytes;
    s.Name = displayName1251;
    s.Stop = limits.Stop;
    s.Archive = OpenForReading(bytes, displayName1251);
    std::vector<Declared> declared = DeclaredEntries(s.Archive.get(), displayName1251, limits);
    if (index >= declared.size())
        Fail(messages::kCorrupt, displayName1251, "no zip entry " + std::to_string(index));
    s.Entry = std::move(declared[index]);
    s.File = OpenEntry(s.Archive.get(), index, s.Entry, displayName1251);
}

EntryReader::~EntryReader() = default;

std::uint64_t EntryReader::DeclaredSize() const {
    return state_->Entry.Size;
}

std::size_t EntryReader::Read(char* buffer, std::size_t size) {
    State& s = *state_;
    std::size_t filled = 0;
    while (filled < size) {
        const std::size_t n =
            InflateSome(s.File.get(), s.Entry, s.Done, buffer + filled, size - filled, s.Name, s.Stop);
        if (n == 0) {
            RefuseShortEntry(s.Entry, s.Done, s.Name);
            break;
        }
        s.Done += n;
        filled += n;
    }
    return filled;
}

void CheckDirectory(const std::string& path, std::string_view head, const std::string& displayName1251,
                    const PackageLimits& limits) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        std::string detail = Describe("zip_open", &error);
        zip_error_fini(&error);
        if (code == ZIP_ER_NOZIP && !head.starts_with(kZipMagic))
            Fail(messages::kNotDocx, displayName1251, detail);
        if (code == ZIP_ER_OPEN || code == ZIP_ER_READ || code == ZIP_ER_MEMORY)
            Fail(messages::kCannotRead, displayName1251, detail);
        Fail(messages::kCorrupt, displayName1251, detail);
    }
    ArchivePtr guard(archive);
    DeclaredEntries(archive, displayName1251, limits);
}

std::string ReadOne(std::string_view bytes, std::uint64_t index, const std::string& displayName1251,
                    const PackageLimits& limits) {
    ArchivePtr archive = OpenForReading(bytes, displayName1251);
    std::vector<Declared> declared = DeclaredEntries(archive.get(), displayName1251, limits);
    if (index >= declared.size())
        Fail(messages::kCorrupt, displayName1251, "no zip entry " + std::to_string(index));
    std::uint64_t budget = limits.MaxTotalUncompressed;
    return ReadEntry(archive.get(), index, declared[index], budget, displayName1251, limits.Stop);
}

namespace {

std::string WriteArchive(std::string_view source, const std::vector<OutEntry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    // libzip is given a copy of its own to free: when the write only appends to the original bytes
    // it clones the buffer and frees the original, even one it was told not to free (libzip 1.7).
    void* copy = nullptr;
    if (!source.empty()) {
        copy = std::malloc(source.size());
        if (copy == nullptr) throw text::Error(std::string(messages::kSaveFailed), "out of memory");
        std::memcpy(copy, source.data(), source.size());
    }
    SourcePtr buffer(zip_source_buffer_create(copy, source.size(), 1, &error));
    if (!buffer) {
        std::free(copy);
        WriteFailed("zip_source_buffer_create", &error);
    }
    zip_t* archive =
        zip_open_from_source(buffer.get(), source.empty() ? ZIP_CREATE | ZIP_TRUNCATE : 0, &error);
    if (!archive) WriteFailed("zip_open_from_source", &error);
    zip_source_keep(buffer.get());  // the archive's close writes into the buffer, read back below
    std::vector<std::unique_ptr<ooxml::PartSource>> streams;  // outlive the archive, whose sources read them
    ArchivePtr guard(archive);

    std::vector<bool> kept(
        static_cast<std::size_t>(std::max<zip_int64_t>(zip_get_num_entries(archive, 0), 0)));
    for (const OutEntry& entry : entries) {
        if (!entry.Source) continue;
        if (*entry.Source < kept.size()) kept[static_cast<std::size_t>(*entry.Source)] = true;
        if (IsLargeReplacement(entry)) {
            if (zip_delete(archive, *entry.Source) != 0) WriteFailed("zip_delete", zip_get_error(archive));
        } else if (entry.Changed) {
            ReplaceEntry(archive, entry, streams);
        }
    }
    for (std::size_t i = 0; i < kept.size(); ++i)
        if (!kept[i] && zip_delete(archive, i) != 0) WriteFailed("zip_delete", zip_get_error(archive));
    for (const OutEntry& entry : entries)
        if (!entry.Source || IsLargeReplacement(entry)) AddEntry(archive, entry, streams);

    if (zip_close(archive) != 0) {
        for (const auto& stream : streams) stream->RethrowFailure();
        WriteFailed("zip_close", zip_get_error(archive));
    }
    guard.release();
    return ReadBack(buffer.get());
}

}  // namespace

std::string Write(std::string_view source, const std::vector<OutEntry>& entries) {
    return Write(source, entries, messages::kSaveFailed);
}

std::string Write(std::string_view source, const std::vector<OutEntry>& entries,
                  std::string_view failureMessage) {
    try {
        return WriteArchive(source, entries);
    } catch (const WriteFailure& failure) {
        throw text::Error(std::string(failureMessage), failure.Detail);
    }
}

}  // namespace tabulex::ooxml::zip
