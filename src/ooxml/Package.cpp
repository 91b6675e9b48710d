#include "ooxml/Package.h"

#include "ooxml/PackageMessages.h"
#include "ooxml/PartStream.h"
#include "ooxml/ZipArchive.h"
#include "platform/FileSystem.h"
#include "platform/FileWrites.h"
#include "text/Error.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace tabulex::ooxml {
namespace {

constexpr std::string_view kOleMagic = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
// "EncryptedPackage" as the UTF-16LE name of an OLE directory entry.
constexpr std::string_view kEncryptedPackage{"E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32};

constexpr std::string_view kMainPart = "word/document.xml";
constexpr std::string_view kContentTypes = "[Content_Types].xml";

std::string PartKey(std::string_view name) {
    if (!name.empty() && name.front() == '/') name.remove_prefix(1);
    std::string key(name);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return key;
}

}  // namespace

bool IsOleCompound(std::string_view bytes) {
    return bytes.starts_with(kOleMagic);
}

bool IsEncryptedOoxml(std::string_view bytes) {
    return IsOleCompound(bytes) && bytes.find(kEncryptedPackage) != std::string_view::npos;
}

struct Package::Impl {
    struct Part {
        std::string Name;
        std::string Bytes;
        std::optional<std::uint64_t> Source;  // index in the original container
        bool Changed = false;
        bool Taken = false;  // bytes moved out by TakeBytes; inflated again on demand
    };

    std::string Name;
    std::string Source;  // the original container, empty for a new package
    PackageLimits Limits;
    std::vector<Part> Parts;
    std::unordered_map<std::string, std::size_t> Index;
    bool Removed = false;

    void Reindex() {
        Index.clear();
        for (std::size_t i = 0; i < Parts.size(); ++i) Index.emplace(PartKey(Parts[i].Name), i);
    }
    const Part* Find(std::string_view partName) const {
        auto it = Index.find(PartKey(partName));
        return it == Index.end() ? nullptr : &Parts[it->second];
    }
    Part* Find(std::string_view partName) {
        return const_cast<Part*>(static_cast<const Impl*>(this)->Find(partName));
    }
};

Package::Package(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Package::Package(Package&&) noexcept = default;
Package& Package::operator=(Package&&) noexcept = default;
Package::~Package() = default;

Package Package::Load(const std::string& path, const PackageLimits& limits) {
    return FromBytes(platform::ReadDocumentFile(path, limits.MaxTotalUncompressed), path, limits);
}

Package Package::FromBytes(std::string bytes, const std::string& displayName, const PackageLimits& limits) {
    const std::string shown = platform::DisplayName(displayName);
    if (bytes.empty()) throw text::Error(std::string(messages::kEmptyFile) + shown, "0 bytes");
    if (IsOleCompound(bytes)) {
        if (IsEncryptedOoxml(bytes))
            throw text::Error(std::string(messages::kEncrypted) + shown,
                              "OLE compound file with EncryptedPackage");
        throw text::Error(std::string(messages::kNotDocx) + shown,
                          "OLE compound file (a binary Word 97-2003 document or another binary format)");
    }

    auto impl = std::make_unique<Impl>();
    impl->Name = displayName;
    impl->Limits = limits;
    for (zip::Entry& entry : zip::ReadAll(bytes, shown, limits, limits.MainPartLater ? kMainPart : ""))
        impl->Parts.push_back(
            Impl::Part{std::move(entry.Name), std::move(entry.Data), entry.Index, false, !entry.Inflated});
    impl->Reindex();
    if (!impl->Find(kMainPart)) {
        bool wordLike = impl->Find(kContentTypes) ||
                        std::any_of(impl->Parts.begin(), impl->Parts.end(),
                                    [](const Impl::Part& p) { return PartKey(p.Name).starts_with("word/"); });
        throw text::Error(
            std::string(wordLike ? messages::kNoMainPart : messages::kNotDocx) + shown,
            "no word/document.xml among " + std::to_string(impl->Parts.size()) + " zip entries");
    }
    impl->Source = std::move(bytes);
    return Package(std::move(impl));
}

Package Package::CreateEmpty(const std::string& displayName) {
    auto impl = std::make_unique<Impl>();
    impl->Name = displayName;
    return Package(std::move(impl));
}

const std::string& Package::Name() const {
    return impl_->Name;
}

bool Package::Has(std::string_view partName) const {
    return impl_->Find(partName) != nullptr;
}

const std::string& Package::Bytes(std::string_view partName) const {
    Impl::Part* part = impl_->Find(partName);
    if (!part)
        throw text::Error(std::string(messages::kMissingPart) + std::string(partName) + ": " +
                              platform::DisplayName(impl_->Name),
                          "missing part " + std::string(partName));
    if (part->Taken) {
        part->Bytes =
            zip::ReadOne(impl_->Source, *part->Source, platform::DisplayName(impl_->Name), impl_->Limits);
        part->Taken = false;
    }
    return part->Bytes;
}

void Package::DropBytes(std::string_view partName) {
    Impl::Part* part = impl_->Find(partName);
    if (!part || !part->Source || part->Changed || part->Taken) return;
    part->Taken = true;
    std::string().swap(part->Bytes);
}

std::unique_ptr<PartStream> Package::StreamPart(std::string_view partName, int threads) const {
    const Impl::Part* part = impl_->Find(partName);
    if (!part || !part->Taken) return StreamBytes(Bytes(partName), impl_->Name, partName);
    const std::string shown = platform::DisplayName(impl_->Name);
    return StreamDeflated(
        std::make_unique<zip::EntryReader>(impl_->Source, *part->Source, shown, impl_->Limits), impl_->Name,
        partName, threads);
}

std::string Package::TakeBytes(std::string_view partName) {
    const std::string& bytes = Bytes(partName);
    Impl::Part* part = impl_->Find(partName);
    if (!part->Source || part->Changed) return bytes;
    part->Taken = true;
    return std::move(part->Bytes);
}

void Package::SetBytes(std::string_view partName, std::string bytes) {
    if (Impl::Part* part = impl_->Find(partName)) {
        if (!part->Taken && part->Bytes == bytes) return;
        part->Bytes = std::move(bytes);
        part->Changed = true;
        part->Taken = false;
        return;
    }
    if (!partName.empty() && partName.front() == '/') partName.remove_prefix(1);
    impl_->Parts.push_back(Impl::Part{std::string(partName), std::move(bytes), std::nullopt, true});
    impl_->Index.emplace(PartKey(partName), impl_->Parts.size() - 1);
}

void Package::Remove(std::string_view partName) {
    auto it = impl_->Index.find(PartKey(partName));
    if (it == impl_->Index.end()) return;
    impl_->Parts.erase(impl_->Parts.begin() + static_cast<std::ptrdiff_t>(it->second));
    impl_->Removed = true;
    impl_->Reindex();
}

std::vector<std::string> Package::PartNames() const {
    std::vector<std::string> names;
    names.reserve(impl_->Parts.size());
    for (const Impl::Part& part : impl_->Parts) names.push_back(part.Name);
    return names;
}

bool Package::Modified() const {
    if (impl_->Removed || impl_->Source.empty()) return true;
    return std::any_of(impl_->Parts.begin(), impl_->Parts.end(),
                       [](const Impl::Part& p) { return p.Changed || !p.Source; });
}

std::string Package::ToBytes(const std::vector<StreamedPart>& streamed) const {
    if (!Modified() && streamed.empty()) return impl_->Source;
    std::vector<zip::OutEntry> entries;
    entries.reserve(impl_->Parts.size());
    for (const Impl::Part& part : impl_->Parts) {
        zip::OutEntry entry;
        entry.Name = part.Name;
        entry.Data = &part.Bytes;
        entry.Source = part.Source;
        entry.Changed = part.Changed;
        for (const StreamedPart& stream : streamed) {
            if (PartKey(stream.Name) != PartKey(part.Name)) continue;
            entry.Data = nullptr;
            entry.Changed = true;
            entry.Writer = stream.Writer;
            entry.SizeHint = stream.SizeHint;
            entry.WriterThread = stream.WriterThread;
        }
        entries.push_back(entry);
    }
    try {
        return zip::Write(impl_->Source, entries);
    } catch (const text::Error& error) {
        throw text::Error(error.Message() + platform::DisplayName(impl_->Name), error.Detail());
    }
}

platform::WriteResult Package::Save(const std::string& path, const std::vector<StreamedPart>& streamed,
                                    const platform::WriteOptions& options) const {
    return platform::WriteFileAtomically(path, ToBytes(streamed), options);
}

Package PackageFromParts(ooxml::DocxParts parts, const std::string& displayName) {
    Package package = Package::CreateEmpty(displayName);
    for (auto& [name, data] : ooxml::PackageParts(std::move(parts))) package.SetBytes(name, std::move(data));
    return package;
}

}  // namespace tabulex::ooxml
