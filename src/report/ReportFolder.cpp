#include "report/ReportFolder.h"

#include "platform/FileStamp.h"
#include "platform/FileSystem.h"
#include "platform/FileWrites.h"
#include "platform/ReplacementFile.h"
#include "report/ReportFile.h"
#include "report/ReportLines.h"
#include "text/Cp1251.h"
#include "text/Error.h"
#include "text/TextHelpers.h"
#include "text/Utf8Paths.h"

#include <cerrno>
#include <cstdio>
#include <string_view>

namespace tabulex::report {

using namespace text::literals;

namespace {

std::string Shown(const std::filesystem::path& path) {
    return text::Utf8ToCp1251(text::Utf8OfPath(path));
}

}  // namespace

std::string ReasonText(int errorCode) {
    if (errorCode == EISDIR) return std::string("на месте файла отчёта находится папка"_cp);
    if (errorCode == kNotRegularFile)
        return std::string(
            "на месте файла отчёта находится не обычный файл (ссылка, устройство, канал или сокет)"_cp);
    return platform::FailureReason(errorCode);
}

void CreateReportFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error && std::filesystem::is_directory(folder, error)) return;
    int code = error ? error.value() : ENOTDIR;
    // A file in the folder's place, or in the place of one of its parents.
    for (std::filesystem::path at = folder; !at.empty() && at != at.parent_path(); at = at.parent_path()) {
        std::error_code ignored;
        if (std::filesystem::exists(at, ignored) && !std::filesystem::is_directory(at, ignored))
            code = ENOTDIR;
    }
    throw text::Error(
        std::string("Не удалось создать папку отчёта "_cp) + Shown(folder) + ": " + ReasonText(code),
        "create_directories: " + error.message());
}

ReportFolderLock::ReportFolderLock(const std::filesystem::path& folder)
    : lock_((folder / kLockFileName).string(), platform::DocumentLock::Kind::LockFile) {}

std::string FolderBusyText(const std::filesystem::path& folder) {
    return std::string("Папка отчёта "_cp) + Shown(folder) +
           std::string(
               " занята другой проверкой; дождитесь её окончания или укажите другую папку отчёта."_cp);
}

std::string ReportFailureText(const std::filesystem::path& path, int errorCode) {
    return std::string("Не удалось записать отчёт "_cp) + Shown(path) + ": " + ReasonText(errorCode);
}

namespace {

bool IsRunFileName(std::string_view name) {
    return name == kReportFileName || name == kReportDocumentName || name == kLockFileName ||
           name == kResumeFileName || name.starts_with(kTemporaryPrefix);
}

bool NamesRunFile(const std::filesystem::path& folder, const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path parent = file.parent_path().empty() ? "." : file.parent_path();
    return IsRunFileName(text::Utf8OfPath(file.filename())) &&
           std::filesystem::equivalent(parent, folder, error);
}

}  // namespace

bool IsReportFolderFile(const std::filesystem::path& folder, const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(file, error);
    return NamesRunFile(folder, file) || (!error && NamesRunFile(folder, target));
}

std::string ReportFolderFileText(const std::filesystem::path& file) {
    return text::FillIn(
        "Файл %1 лежит в папке отчёта под именем, которое занимает сама проверка, и был бы заменён или удалён; переименуйте его или укажите другую папку отчёта."_cp,
        {Shown(file)});
}

std::optional<std::string> ReadFolderFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    return platform::ReadOwnFile(path, maxBytes);
}

int WriteFolderFile(const std::filesystem::path& path, std::string_view bytes) {
    // Never through a link, device or pipe in the file's place.
    const platform::FileStamp entry = platform::EntryStampOf(path);
    if (entry.Exists && !entry.IsRegular) return kNotRegularFile;
    platform::ReplacementFile replacement;
    const std::string temporaryName =
        std::string(kTemporaryPrefix) + text::Utf8OfPath(path.extension()) + ".";
    if (!replacement.Open(path, temporaryName)) return replacement.ErrorCode();
    if (std::fwrite(bytes.data(), 1, bytes.size(), replacement.Stream()) != bytes.size()) {
        const int code = errno != 0 ? errno : EIO;
        replacement.Discard();
        return code;
    }
    return replacement.Commit(true) ? 0 : replacement.ErrorCode();
}

void RemoveLeftovers(const std::filesystem::path& folder) {
    // Only those no live run holds: a second run into the folder never takes the first one's.
    platform::RemoveAbandonedFiles(folder.string(), kTemporaryPrefix);
}

}  // namespace tabulex::report
