#include "word/docx/Package.h"

#include "word/Error.h"
#include "word/docx/DocumentConversion.h"
#include "word/docx/FileSystem.h"
#include "word/docx/PackageMessages.h"
#include "word/docx/ZipArchive.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace tabulex::word::docx {
namespace {

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

struct Package::Impl {
    struct Part {
        std::string name;
        std::string bytes;
        std::optional<std::uint64_t> source;  // index in the original container
        bool changed = false;
        bool taken = false;  // bytes moved out by TakeBytes; inflated again on demand
    };

    std::string name;
    std::string source;  // the original container, empty for a new package
    PackageLimits limits;
    std::vector<Part> parts;
    std::unordered_map<std::string, std::size_t> index;
    bool removed = false;

    void Reindex() {
        index.clear();
        for (std::size_t i = 0; i < parts.size(); ++i) index.emplace(PartKey(parts[i].name), i);
    }
    const Part* Find(std::string_view partName) const {
        auto it = index.find(PartKey(partName));
        return it == index.end() ? nullptr : &parts[it->second];
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
    return FromBytes(fs::ReadDocumentFile(path, limits.maxTotalUncompressed), path, limits);
}

Package Package::FromBytes(std::string bytes, const std::string& displayName, const PackageLimits& limits) {
    const std::string shown = fs::DisplayName(displayName);
    if (bytes.empty()) throw word::Error(std::string(messages::kEmptyFile) + shown, "0 bytes");
    if (IsOleCompound(bytes)) {
        if (IsEncryptedOoxml(bytes))
            throw word::Error(std::string(messages::kEncrypted) + shown,
                              "OLE compound file with EncryptedPackage");
        throw word::Error(std::string(messages::kNotDocx) + shown,
                          "OLE compound file (a binary Word 97-2003 document or another binary format)");
    }

    auto impl = std::make_unique<Impl>();
    impl->name = displayName;
    impl->limits = limits;
    for (zip::Entry& entry : zip::ReadAll(bytes, shown, limits))
        impl->parts.push_back(Impl::Part{std::move(entry.name), std::move(entry.data), entry.index, false});
    impl->Reindex();
    if (!impl->Find(kMainPart)) {
        bool wordLike = impl->Find(kContentTypes) ||
                        std::any_of(impl->parts.begin(), impl->parts.end(),
                                    [](const Impl::Part& p) { return PartKey(p.name).starts_with("word/"); });
        throw word::Error(
            std::string(wordLike ? messages::kNoMainPart : messages::kNotDocx) + shown,
            "no word/document.xml among " + std::to_string(impl->parts.size()) + " zip entries");
    }
    impl->source = std::move(bytes);
    return Package(std::move(impl));
}

Package Package::CreateEmpty(const std::string& displayName) {
    auto impl = std::make_unique<Impl>();
    impl->name = displayName;
    return Package(std::move(impl));
}

const std::string& Package::Name() const {
    return impl_->name;
}

bool Package::Has(std::string_view partName) const {
    return impl_->Find(partName) != nullptr;
}

const std::string& Package::Bytes(std::string_view partName) const {
    Impl::Part* part = impl_->Find(partName);
    if (!part)
        throw word::Error(
            std::string(messages::kMissingPart) + std::string(partName) + ": " + fs::DisplayName(impl_->name),
            "missing part " + std::string(partName));
    if (part->taken) {
        part->bytes = zip::ReadOne(impl_->source, *part->source, fs::DisplayName(impl_->name), impl_->limits);
        part->taken = false;
    }
    return part->bytes;
}

std::string Package::TakeBytes(std::string_view partName) {
    const std::string& bytes = Bytes(partName);
    Impl::Part* part = impl_->Find(partName);
    if (!part->source || part->changed) return bytes;
    part->taken = true;
    return std::move(part->bytes);
}

void Package::SetBytes(std::string_view partName, std::string bytes) {
    if (Impl::Part* part = impl_->Find(partName)) {
        if (!part->taken && part->bytes == bytes) return;
        part->bytes = std::move(bytes);
        part->changed = true;
        part->taken = false;
        return;
    }
    if (!partName.empty() && partName.front() == '/') partName.remove_prefix(1);
    impl_->parts.push_back(Impl::Part{std::string(partName), std::move(bytes), std::nullopt, true});
    impl_->index.emplace(PartKey(partName), impl_->parts.size() - 1);
}

void Package::Remove(std::string_view partName) {
    auto it = impl_->index.find(PartKey(partName));
    if (it == impl_->index.end()) return;
    impl_->parts.erase(impl_->parts.begin() + static_cast<std::ptrdiff_t>(it->second));
    impl_->removed = true;
    impl_->Reindex();
}

std::vector<std::string> Package::PartNames() const {
    std::vector<std::string> names;
    names.reserve(impl_->parts.size());
    for (const Impl::Part& part : impl_->parts) names.push_back(part.name);
    return names;
}

bool Package::Modified() const {
    if (impl_->removed || impl_->source.empty()) return true;
    return std::any_of(impl_->parts.begin(), impl_->parts.end(),
                       [](const Impl::Part& p) { return p.changed || !p.source; });
}

std::string Package::ToBytes() const {
    if (!Modified()) return impl_->source;
    std::vector<zip::OutEntry> entries;
    entries.reserve(impl_->parts.size());
    for (const Impl::Part& part : impl_->parts)
        entries.push_back(zip::OutEntry{part.name, &part.bytes, part.source, part.changed});
    try {
        return zip::Write(impl_->source, entries);
    } catch (const word::Error& error) {
        throw word::Error(error.Message() + fs::DisplayName(impl_->name), error.Detail());
    }
}

void Package::Save(const std::string& path) const {
    fs::WriteFileAtomically(path, ToBytes());
}

}  // namespace tabulex::word::docx
