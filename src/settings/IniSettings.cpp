#include "settings/IniSettings.h"

// Values are Windows-1251 bytes kept as they are: no Unicode conversion.
#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

namespace tabulex::settings {

struct IniSettings::Parsed {
    Parsed() { Ini.SetUnicode(false); }
    CSimpleIniA Ini;
};

namespace {

std::int64_t ModifiedNs(const struct stat& st) {
    return static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A temporary file beside `file`, unique among processes (pid) and threads (counter); created
// with 0666 so that the umask applies, as for a file the program creates directly.
int CreateTemporary(const std::filesystem::path& file, std::string& path) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 2; ++attempt) {
        path = file.parent_path() / ("." + file.filename().string() + "." + std::to_string(::getpid()) + "." +
                                     std::to_string(counter++));
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
        ::unlink(path.c_str());  // left behind by an earlier process of the same id
    }
    return -1;
}

// Writes `text` to a temporary file and renames it over `file` (through a symbolic link, to the
// file it points at), keeping the old file's permissions; `written` receives the new file's status.
// Not synced to disk: the file holds the last file name and a resume point, which a power failure
// may lose without harm, and the rename already keeps readers from ever seeing half a file.
bool ReplaceFile(const std::filesystem::path& file, std::string_view text, struct stat& written) {
    std::error_code error;
    std::filesystem::path target = file;
    if (std::filesystem::is_symlink(file, error)) target = std::filesystem::canonical(file, error);
    if (error) target = file;
    // A device, pipe or socket in the file's place (also at the end of a link) is never replaced.
    struct stat present {};
    if (::lstat(target.c_str(), &present) == 0 && !S_ISREG(present.st_mode)) return false;
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) return false;
    struct stat old {};
    bool ok = (::stat(target.c_str(), &old) != 0 || ::fchmod(fd, old.st_mode & 07777) == 0) &&
              WriteAll(fd, text) && ::fstat(fd, &written) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) ::unlink(temporary.c_str());
    return ok;
}

}  // namespace

IniSettings::IniSettings(std::filesystem::path file)
    : file_(std::move(file)), lock_(file_.string() + ".lock"), parsed_(std::make_unique<Parsed>()) {}

IniSettings::~IniSettings() = default;

IniSettings::Version IniSettings::CurrentVersion() const {
    Version version;
    version.Generation = lock_.Generation();
    struct stat st {};
    // Anything but a regular file is not read: a pipe would never end.
    if (::stat(file_.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return version;
    version.Exists = true;
    version.Device = st.st_dev;
    version.Inode = st.st_ino;
    version.Size = st.st_size;
    version.ModifiedNs = ModifiedNs(st);
    return version;
}

void IniSettings::Refresh() const {
    // The version is taken before the file is read: a change in between makes the next look read
    // the file again rather than miss it.
    const Version version = CurrentVersion();
    if (loaded_ && *loaded_ == version) return;
    parsed_->Ini.Reset();
    if (version.Exists) {
        parsed_->Ini.LoadFile(file_.c_str());
        ++loads_;
    }
    loaded_ = version;
}

bool IniSettings::Save() {
    std::string text;
    struct stat written {};
    if (parsed_->Ini.Save(text) < 0 || !ReplaceFile(file_, text, written)) {
        loaded_.reset();  // the kept copy may no longer be what the file holds
        return false;
    }
    lock_.NextGeneration();
    Version version;
    version.Generation = lock_.Generation();
    version.Exists = true;
    version.Device = written.st_dev;
    version.Inode = written.st_ino;
    version.Size = written.st_size;
    version.ModifiedNs = ModifiedNs(written);
    loaded_ = version;
    return true;
}

std::string IniSettings::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    std::lock_guard guard(mutex_);
    FileLockGuard lock(lock_, false);
    Refresh();
    const char* value =
        parsed_->Ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    return value ? std::string(value) : std::string(defaultValue);
}

void IniSettings::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::lock_guard guard(mutex_);
    std::error_code ignored;
    std::filesystem::create_directories(file_.parent_path(), ignored);
    FileLockGuard lock(lock_, true);
    Refresh();
    const std::string sectionName(section), keyName(key), text(value);
    const char* old = parsed_->Ini.GetValue(sectionName.c_str(), keyName.c_str(), nullptr);
    if (old && text == old) return;  // already on disk
    parsed_->Ini.SetValue(sectionName.c_str(), keyName.c_str(), text.c_str());
    Save();
}

void IniSettings::EraseSection(std::string_view section) {
    std::lock_guard guard(mutex_);
    FileLockGuard lock(lock_, true);
    Refresh();
    if (parsed_->Ini.Delete(std::string(section).c_str(), nullptr)) Save();
}

}  // namespace tabulex::settings
