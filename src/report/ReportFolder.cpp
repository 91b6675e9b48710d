#include "report/ReportFolder.h"

#include "ooxml/FileSystem.h"
#include "ooxml/FileWrites.h"
#include "report/ReportFile.h"
#include "report/ReportLines.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"
#include "word/Error.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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
    if (errorCode == kNotRegularFile)
        return std::string(
            "на месте файла отчёта находится не обычный файл (ссылка, устройство, канал или сокет)"_cp);
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
    const std::filesystem::path path = folder / kLockFileName;
    for (int attempt = 0; attempt < 10; ++attempt) {
        // Never through a link, never waiting on a pipe put in its place.
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
        struct stat locked {
        }, named{};
        if (fd_ < 0 || ::fstat(fd_, &locked) != 0) {
            errorCode_ = errno == ELOOP ? kNotRegularFile : errno;
            return;
        }
        if (!S_ISREG(locked.st_mode)) {
            errorCode_ = kNotRegularFile;
            return;
        }
        int rc;
        while ((rc = ::flock(fd_, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
        }
        if (rc != 0) {
            state_ = State::Busy;
            return;
        }
        // Removed or replaced since it was opened: the lock must be on the file the name shows.
        if (::stat(path.c_str(), &named) == 0 && named.st_dev == locked.st_dev &&
            named.st_ino == locked.st_ino) {
            state_ = State::Held;
            return;
        }
        ::close(fd_);
        fd_ = -1;
    }
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

std::optional<std::string> ReadFolderFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::uintmax_t>(st.st_size) <= maxBytes) {
        bytes.emplace(static_cast<std::size_t>(st.st_size), '\0');
        std::size_t done = 0;
        for (ssize_t n; done < bytes->size(); done += static_cast<std::size_t>(n))
            if ((n = ::read(fd, bytes->data() + done, bytes->size() - done)) <= 0) break;
        if (done != bytes->size()) bytes.reset();
    }
    ::close(fd);
    return bytes;
}

int WriteFolderFile(const std::filesystem::path& path, std::string_view bytes) {
    try {
        ooxml::fs::WriteFileAtomically(path.string(), bytes, {.FollowLinks = false});
        return 0;
    } catch (const word::Error&) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return kNotRegularFile;
        return errno != 0 ? errno : EIO;
    }
}

void RemoveLeftovers(const std::filesystem::path& folder) {
    // Only those no live run holds: a second run into the folder never takes the first one's.
    ooxml::fs::RemoveAbandonedFiles(folder.string(), kTemporaryPrefix);
}

}  // namespace tabulex::report
