#pragma once

// A .docx package: the parts of its zip container, read once into memory. Parts the host does not
// change are written back byte for byte; Save never leaves a half-written file behind.

#include "ooxml/MinimalPackage.h"
#include "platform/FileWrites.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex::ooxml {

struct PackageLimits {
    std::uint64_t MaxTotalUncompressed = 1ull << 30;  // 1 GiB over all entries
    std::uint64_t MaxCompressionRatio = 1000;         // per entry, uncompressed / compressed
    std::uint64_t RatioCheckFloor = 1u << 20;         // entries smaller than this are never "absurd"
    std::uint64_t MaxEntries = 100000;                // a package of more parts is refused as well
    // When set while the document is read (Ctrl+C), the reading ends with text::Error "opening
    // interrupted"; null: never.
    const std::atomic<bool>* Stop = nullptr;
    // word/document.xml is left deflated when the package is read, for a reader that parses it as
    // it is inflated (StreamPart); checked by its declared size until then.
    bool MainPartLater = false;
};

class PartStream;

class Package {
  public:
    // Reads a .docx file (path in UTF-8). Throws text::Error with the user's Russian message for a
    // missing file, a folder, an empty file, a non-zip, a truncated zip, an encrypted (OLE compound)
    // document, a zip bomb, or a package without word/document.xml. The file is never changed.
    static Package Load(const std::string& path, const PackageLimits& limits = {});
    static Package FromBytes(std::string bytes, const std::string& displayName,
                             const PackageLimits& limits = {});
    // A package without any part (for a new document); every part is added with SetBytes.
    static Package CreateEmpty(const std::string& displayName);

    Package(Package&&) noexcept;
    Package& operator=(Package&&) noexcept;
    ~Package();

    // The name the package was opened under (a path or a display name, UTF-8).
    const std::string& Name() const;

    // Part names are compared as OPC does: ASCII case-insensitively, a leading '/' ignored.
    bool Has(std::string_view partName) const;
    // The raw bytes of a part; throws text::Error when it does not exist.
    const std::string& Bytes(std::string_view partName) const;
    // Moves the bytes of a part out (e.g. to parse them in place) without changing the package: the
    // part is still written back from its original compressed data, and a later Bytes() inflates it
    // again. A part replaced or added since loading is copied instead. Throws like Bytes().
    std::string TakeBytes(std::string_view partName);
    // Lets go of a part's bytes when they can be inflated again from the original container (a
    // part neither changed nor added since loading); a later Bytes() inflates them again.
    void DropBytes(std::string_view partName);
    // The bytes of a part piece by piece (PartStream.h), inflated as they are read when the part
    // was left deflated or taken, on a helper thread of the stream when `threads` is 2 or more.
    // The package must outlive the stream and stay unchanged meanwhile. Throws like Bytes().
    std::unique_ptr<PartStream> StreamPart(std::string_view partName, int threads) const;
    // Replaces (or adds) a part; the part is rewritten on save (unless the bytes are the same).
    void SetBytes(std::string_view partName, std::string bytes);
    void Remove(std::string_view partName);
    // Part names in the order of the original container (new parts last).
    std::vector<std::string> PartNames() const;
    bool Modified() const;

    // A part written from `Writer` when the package is saved, instead of its bytes (a large part
    // edited as a tree, written without a copy); `SizeHint` is about how large it is.
    struct StreamedPart {
        std::string_view Name;
        ooxml::PartWriter* Writer = nullptr;
        std::size_t SizeHint = 0;
        // The writer runs on a thread of its own while the part is deflated (it must not share
        // state with anything else running then).
        bool WriterThread = false;
    };

    // Writes the package to a temporary file in the target's folder, then renames it over the target.
    // Throws text::Error (e.g. a read-only folder or target, or the options' stop set before the
    // rename) and leaves the target untouched on failure. The parts in `streamed` (which must exist)
    // are written from their writers.
    platform::WriteResult Save(const std::string& path, const std::vector<StreamedPart>& streamed = {},
                               const platform::WriteOptions& options = {}) const;
    std::string ToBytes(const std::vector<StreamedPart>& streamed = {}) const;

  private:
    struct Impl;
    explicit Package(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

// A package in memory built from the XML of its parts, without a zip in between (saving it
// compresses the parts once).
Package PackageFromParts(ooxml::DocxParts parts, const std::string& displayName);

// An OLE compound file (the container of Word 97-2003 documents and of password-protected .docx).
bool IsOleCompound(std::string_view bytes);
// An OLE compound file holding an encrypted OOXML package (its "EncryptedPackage" stream).
bool IsEncryptedOoxml(std::string_view bytes);

}  // namespace tabulex::ooxml
