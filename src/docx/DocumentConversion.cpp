#include "docx/DocumentConversion.h"

#include "docx/HostMessages.h"
#include "docx/PasswordProtection.h"
#include "ooxml/Package.h"
#include "ooxml/ZipArchive.h"
#include "platform/ChildProcess.h"
#include "platform/FileSystem.h"
#include "text/Error.h"
#include "text/Utf8Paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace tabulex::word::docx {
namespace {

constexpr std::string_view kZipMagic = "PK\x03\x04";
constexpr std::string_view kRtfMagic = "{\\rtf";
constexpr std::string_view kOdtMime = "application/vnd.oasis.opendocument.text";

std::string LowerExtension(std::string_view fileName) {
    std::string ext = text::PathFromUtf8(fileName).extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

// An ODF package starts with its uncompressed "mimetype" entry.
bool IsOdfText(std::string_view bytes) {
    if (!bytes.starts_with(kZipMagic)) return false;
    std::string_view head = bytes.substr(0, 256);
    std::size_t at = head.find("mimetype");
    return at != std::string_view::npos && head.find(kOdtMime, at) != std::string_view::npos;
}

std::string PercentEncode(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : path) {
        bool plain = std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string ReadTail(const std::string& path, std::size_t limit) {
    std::ifstream in(text::PathFromUtf8(path), std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (all.size() > limit) all.erase(0, all.size() - limit);
    std::replace(all.begin(), all.end(), '\n', ' ');
    return all;
}

void WriteWhole(const std::string& path, std::string_view bytes) {
    std::ofstream out(text::PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

DocumentFormat DetectFormat(std::string_view bytes, std::string_view fileName) {
    if (ooxml::IsOleCompound(bytes))
        return ooxml::IsEncryptedOoxml(bytes) ? DocumentFormat::Docx : DocumentFormat::Doc;
    if (bytes.starts_with(kRtfMagic)) return DocumentFormat::Rtf;
    if (IsOdfText(bytes)) return DocumentFormat::Odt;
    if (bytes.starts_with(kZipMagic)) return DocumentFormat::Docx;
    std::string ext = LowerExtension(fileName);
    if (ext == ".doc" || ext == ".dot") return DocumentFormat::Doc;
    if (ext == ".rtf") return DocumentFormat::Rtf;
    if (ext == ".odt" || ext == ".ott") return DocumentFormat::Odt;
    if (ext == ".docx" || ext == ".docm" || ext == ".dotx" || ext == ".dotm") return DocumentFormat::Docx;
    return DocumentFormat::Unknown;
}

std::string_view FormatExtension(DocumentFormat format) {
    switch (format) {
        case DocumentFormat::Docx:
            return ".docx";
        case DocumentFormat::Doc:
            return ".doc";
        case DocumentFormat::Rtf:
            return ".rtf";
        case DocumentFormat::Odt:
            return ".odt";
        case DocumentFormat::Unknown:
            break;
    }
    return "";
}

std::string ConvertToDocx(std::string_view bytes, DocumentFormat format, const std::string& displayName,
                          const ConversionLimits& limits) {
    const std::chrono::seconds timeout = limits.Timeout;
    const std::string shown = platform::DisplayName(displayName);
    const std::string ext(FormatExtension(format));
    std::string soffice = platform::FindOnPath("soffice");
    if (soffice.empty())
        throw text::Error(std::string(messages::kNeedsLibreOfficePrefix) + ext +
                              std::string(messages::kNeedsLibreOfficeSuffix) + ": " + shown,
                          "soffice not found on PATH");

    std::optional<platform::TempFolder> folder;
    try {
        folder.emplace("tabulex-convert-");
    } catch (const text::Error& e) {
        throw text::Error(std::string(messages::kConversionFailed) + shown, e.Detail());
    }
    const platform::TempFolder& temp = *folder;
    const std::string input = temp.Path() + "/document" + ext;
    const std::string outDir = temp.Path() + "/out";
    const std::string log = temp.Path() + "/soffice.log";
    const std::string childTemp = temp.Path() + "/tmp";
    platform::ChildOutcome run;
    try {
        std::filesystem::create_directory(childTemp);
        // The input is copied under a plain name: its own name may start with '-' or hold anything.
        WriteWhole(input, bytes);
        // LibreOffice's temporary files and pipes go into the private folder, removed afterwards
        // even when it had to be killed.
        run = platform::RunChild(
            {soffice, "-env:UserInstallation=file://" + PercentEncode(temp.Path() + "/profile"), "--headless",
             "--invisible", "--nologo", "--norestore", "--nolockcheck", "--convert-to", "docx", "--outdir",
             outDir, input},
            {{"TMPDIR", childTemp}, {"TMP", childTemp}, {"TEMP", childTemp}}, log,
            {limits.Timeout, limits.MemoryBytes, limits.Stop});
    } catch (const std::exception& e) {
        throw text::Error(std::string(messages::kConversionFailed) + shown, e.what());
    }
    if (run.Stopped) throw text::Error(std::string(messages::kOpenInterrupted) + shown, "stop requested");
    if (run.TimedOut)
        throw text::Error(std::string(messages::kConversionTimedOutPrefix) + std::to_string(timeout.count()) +
                              std::string(messages::kConversionTimedOutSuffix) + shown,
                          "soffice killed after " + std::to_string(timeout.count()) + " s");
    const std::string output = outDir + "/document.docx";
    std::error_code ec;
    if (!run.Succeeded || !std::filesystem::is_regular_file(output, ec))
        throw text::Error(std::string(messages::kConversionFailed) + shown,
                          "soffice " + run.Description + ": " + ReadTail(log, 400));
    return platform::ReadDocumentFile(output, ooxml::PackageLimits{}.MaxTotalUncompressed);
}

ooxml::Package LoadDocumentFile(const std::string& path, const ooxml::PackageLimits& limits) {
    // The kind and the zip directory are checked before the contents are read: a large file that
    // is no package costs no memory.
    const std::string head = platform::ReadFileHead(path, 512);
    if (DetectFormat(head, path) == DocumentFormat::Docx && !ooxml::IsOleCompound(head))
        ooxml::zip::CheckDirectory(path, head, platform::DisplayName(path), limits);
    std::string bytes = platform::ReadDocumentFile(path, limits.MaxTotalUncompressed);
    DocumentFormat format = DetectFormat(bytes, path);
    // LibreOffice cannot open a protected document without its password: say so, as for .docx.
    if ((format == DocumentFormat::Doc && IsEncryptedWordDocument(bytes)) ||
        (format == DocumentFormat::Odt && IsEncryptedOdf(bytes)))
        throw text::Error(std::string(messages::kEncrypted) + platform::DisplayName(path),
                          std::string(FormatExtension(format)) + " protected by a password");
    if (format == DocumentFormat::Doc || format == DocumentFormat::Rtf || format == DocumentFormat::Odt) {
        ConversionLimits conversion;
        conversion.Stop = limits.Stop;
        return ooxml::Package::FromBytes(ConvertToDocx(bytes, format, path, conversion), path, limits);
    }
    return ooxml::Package::FromBytes(std::move(bytes), path, limits);
}

}  // namespace tabulex::word::docx
