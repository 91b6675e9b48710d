#include "OpenFiles.h"

#include <fcntl.h>
#include <io.h>

#include <cstring>
#include <random>
#include <vector>

namespace tabulex::platform::windows {

std::wstring RandomPart() {
    static constexpr wchar_t kLetters[] = L"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::wstring part(6, L'x');
    for (wchar_t& c : part) c = kLetters[random() % (sizeof kLetters / sizeof(wchar_t) - 1)];
    return part;
}

namespace {

// Windows 10 1607's rename with flags, which MinGW's headers declare only for a newer target.
constexpr auto kFileRenameInfoEx = static_cast<FILE_INFO_BY_HANDLE_CLASS>(22);

bool SetRename(HANDLE file, const std::wstring& target, FILE_INFO_BY_HANDLE_CLASS kind, DWORD flags) {
    const std::size_t nameBytes = target.size() * sizeof(wchar_t);
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes + sizeof(wchar_t), 0);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    // Flags share their place with ReplaceIfExists, which older headers alone declare.
    std::memcpy(info, &flags, sizeof flags);
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(info->FileName, target.c_str(), nameBytes);
    return ::SetFileInformationByHandle(file, kind, info, static_cast<DWORD>(buffer.size())) != 0;
}

// The full path: the rename by handle takes no name relative to the current folder.
std::wstring FullPath(const std::wstring& path) {
    const DWORD length = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    const DWORD written = ::GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    full.resize(written);
    return full;
}

}  // namespace

bool RenameOpenFile(HANDLE file, const std::wstring& target, bool replace) {
    const std::wstring full = FullPath(target);
    // POSIX semantics replace a target that is open elsewhere; older systems and Wine know only
    // the plain rename.
    if (replace && SetRename(file, full, kFileRenameInfoEx,
                             FILE_RENAME_FLAG_REPLACE_IF_EXISTS | FILE_RENAME_FLAG_POSIX_SEMANTICS))
        return true;
    const DWORD code = ::GetLastError();
    if (!replace || code == ERROR_INVALID_PARAMETER || code == ERROR_NOT_SUPPORTED ||
        code == ERROR_INVALID_FUNCTION || code == ERROR_CALL_NOT_IMPLEMENTED)
        return SetRename(file, full, FileRenameInfo, replace ? 1 : 0);
    return false;
}

int DescriptorOf(Handle file, int flags) {
    const int descriptor = ::_open_osfhandle(reinterpret_cast<intptr_t>(file.Get()), flags | _O_BINARY);
    if (descriptor >= 0) file.Release();
    return descriptor;
}

HANDLE HandleOf(int descriptor) {
    return reinterpret_cast<HANDLE>(::_get_osfhandle(descriptor));
}

Handle OpenEntry(const std::wstring& path, DWORD access, DWORD disposition) {
    return Handle(::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, disposition,
                                FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

bool IsRegularFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file, &info)) return false;
    return (info.dwFileAttributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) == 0;
}

}  // namespace tabulex::platform::windows
