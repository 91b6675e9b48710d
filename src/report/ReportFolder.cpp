#include "report/ReportFolder.h"

#include "platform/FileSystem.h"
#include "report/ReportFile.h"
#include "text/Cp1251.h"
#include "text/Error.h"

#include <cerrno>

namespace tabulex::report {

using namespace text::literals;

namespace {

std::string Shown(const std::filesystem::path& path) {
    return text::Utf8ToCp1251(path.string());
}

}  // namespace

std::string ReasonText(int errorCode) {
    if (errorCode == EISDIR) return std::string("на месте файла отчёта находится папка"_cp);
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

ReportFolderLock::ReportFolderLock(const std::filesystem::path& folder) : lock_(folder / kLockFileName) {
    if (!lock_.Open()) {
        errorCode_ = lock_.ErrorCode();
        return;
    }
    state_ = lock_.TryLock() ? State::Held : State::Busy;
}

std::string FolderBusyText(const std::filesystem::path& folder) {
    return std::string("Папка отчёта "_cp) + Shown(folder) +
           std::string(
               " занята другой проверкой; дождитесь её окончания или укажите другую папку отчёта."_cp);
}

std::string ReportFailureText(const std::filesystem::path& path, int errorCode) {
    return std::string("Не удалось записать отчёт "_cp) + Shown(path) + ": " + ReasonText(errorCode);
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
