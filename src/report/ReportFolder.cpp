#include "report/ReportFolder.h"

#include "ooxml/FileSystem.h"
#include "report/ReportFile.h"
#include "report/ReportLines.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"
#include "word/Error.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace tabulex::report {

using namespace text::literals;

namespace {

std::string Shown(const std::filesystem::path& path) {
    return text::Utf8ToCp1251(path.string());
}

}  // namespace

std::string ReasonText(int errorCode) {
    if (errorCode == EISDIR) return std::string("на месте файла отчёта находится папка"_cp);
    return ooxml::fs::FailureReason(errorCode);
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
    throw word::Error(
        std::string("Не удалось создать папку отчёта "_cp) + Shown(folder) + ": " + ReasonText(code),
        "create_directories: " + error.message());
}

ReportFolderLock::ReportFolderLock(const std::filesystem::path& folder) {
    fd_ = ::open((folder / kLockFileName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) {
        errorCode_ = errno;
        return;
    }
    int rc;
    while ((rc = ::flock(fd_, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    state_ = rc == 0 ? State::Held : State::Busy;
}

ReportFolderLock::~ReportFolderLock() {
    if (fd_ >= 0) ::close(fd_);  // releases the lock
}

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
    return IsRunFileName(file.filename().string()) && std::filesystem::equivalent(parent, folder, error);
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

void RemoveLeftovers(const std::filesystem::path& folder) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.path().filename().string().starts_with(kTemporaryPrefix)) continue;
        std::error_code ignored;
        std::filesystem::remove(entry.path(), ignored);
    }
}

}  // namespace tabulex::report
