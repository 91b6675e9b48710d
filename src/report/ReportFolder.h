#pragma once

// The report folder: made when missing, used by one check at a time (a lock file inside it), and
// cleared of the temporary files that runs killed before their end left behind. Messages are
// Russian (1251) and name the folder and the reason.

#include "platform/FileWrites.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace tabulex::report {

// The lock file of a report folder; a check holds it from the opening of the report to the
// writing of the report document.
inline constexpr char kLockFileName[] = ".Tabulex_Report.lock";
// The resume point of a stopped check into the folder.
inline constexpr char kResumeFileName[] = ".Tabulex_Report.resume";

// The error code of a link, device, pipe or socket where a file of the report folder should be:
// those are never written through or replaced.
inline constexpr int kNotRegularFile = platform::kNotRegularFile;

// Why a file operation failed, in Russian: "нет прав на запись", "нет места на диске", ...
std::string ReasonText(int errorCode);

// Creates the folder and its parents. Throws text::Error "Не удалось создать папку отчёта PATH:
// REASON" (a file in its place, no permission, a read-only disk, ...).
void CreateReportFolder(const std::filesystem::path& folder);

// The lock of one report folder, taken without waiting and released when the object goes.
class ReportFolderLock {
  public:
    // Busy: another check holds the folder. Failed: the lock file cannot be made (ErrorCode says
    // why; the report could not be written there either).
    using State = platform::DocumentLock::State;

    explicit ReportFolderLock(const std::filesystem::path& folder);

    State Status() const { return lock_.Status(); }
    int ErrorCode() const { return lock_.ErrorCode(); }

  private:
    platform::DocumentLock lock_;  // released when it goes
};

// "Папка отчёта PATH занята другой проверкой; дождитесь её окончания." (1251)
std::string FolderBusyText(const std::filesystem::path& folder);
// "Не удалось записать отчёт в папку PATH: REASON" (1251)
std::string ReportFailureText(const std::filesystem::path& path, int errorCode);

// True when `file` (or what it links to) is one a check into `folder` writes or removes: the
// report and its document, the lock, the resume point and the temporary files.
bool IsReportFolderFile(const std::filesystem::path& folder, const std::filesystem::path& file);
// "Файл PATH лежит в папке отчёта ...: проверка заменила бы или удалила его; ..." (1251)
std::string ReportFolderFileText(const std::filesystem::path& file);

// A file of the report folder read whole, never through a link and never waiting on a pipe;
// nullopt when it is missing, is no regular file, is larger than maxBytes or cannot be read.
std::optional<std::string> ReadFolderFile(const std::filesystem::path& path, std::uintmax_t maxBytes);
// A file of the report folder written whole or not at all; a link or anything but a regular file
// in its place is refused. 0, or why it failed (an errno value or kNotRegularFile).
int WriteFolderFile(const std::filesystem::path& path, std::string_view bytes);

// Removes the temporary report files (kTemporaryPrefix) of runs that were killed: those that no
// live run holds locked.
void RemoveLeftovers(const std::filesystem::path& folder);

}  // namespace tabulex::report
