#pragma once

// The report folder: made when missing, used by one check at a time (a lock file inside it), and
// cleared of the temporary files that runs killed before their end left behind. Messages are
// Russian (1251) and name the folder and the reason.

#include <filesystem>
#include <memory>
#include <string>

namespace tabulex::report {

// The lock file of a report folder; a check holds it from the opening of the report to the
// writing of the report document.
inline constexpr char kLockFileName[] = ".Tabulex_Report.lock";
// The resume point of a stopped check into the folder.
inline constexpr char kResumeFileName[] = ".Tabulex_Report.resume";

// Why a file operation failed, in Russian: "нет прав на запись", "нет места на диске", ...
std::string ReasonText(int errorCode);

// Creates the folder and its parents. Throws word::Error "Не удалось создать папку отчёта PATH:
// REASON" (a file in its place, no permission, a read-only disk, ...).
void CreateReportFolder(const std::filesystem::path& folder);

// The lock of one report folder, taken without waiting and released when the object goes.
class ReportFolderLock {
  public:
    // Busy: another check holds the folder. Failed: the lock file cannot be made (ErrorCode says
    // why; the report could not be written there either).
    enum class State { Held, Busy, Failed };

    explicit ReportFolderLock(const std::filesystem::path& folder);
    ~ReportFolderLock();
    ReportFolderLock(const ReportFolderLock&) = delete;
    ReportFolderLock& operator=(const ReportFolderLock&) = delete;

    State Status() const { return state_; }
    int ErrorCode() const { return errorCode_; }

  private:
    int fd_ = -1;
    State state_ = State::Failed;
    int errorCode_ = 0;
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

// Removes the temporary report files (kTemporaryPrefix) of runs that were killed; call with the
// folder's lock held.
void RemoveLeftovers(const std::filesystem::path& folder);

}  // namespace tabulex::report
