#pragma once

// What the Windows side of the file calls shares: the program's temporary files, renaming a file
// through its open handle, and C runtime descriptors over Windows handles.

#include "Handle.h"

#include <windows.h>

#include <string>

namespace tabulex::platform::windows {

// Six random letters and digits for a temporary name.
std::wstring RandomPart();

// Renames the file open as `file` (opened with DELETE access) to `target`, replacing an existing
// file only when `replace`. Works while the file stays open, so that it is never anybody's
// leftover; a target another program holds open with FILE_SHARE_DELETE is replaced too where the
// system allows it (Windows 10 1809 and later). False with GetLastError() set on failure.
bool RenameOpenFile(HANDLE file, const std::wstring& target, bool replace);

// A C runtime descriptor that owns `file` from now on; -1 (and the handle closed) on failure.
int DescriptorOf(Handle file, int flags);

// The Windows handle under a C runtime descriptor.
HANDLE HandleOf(int descriptor);

// Opens an entry itself, never what a link or junction points to, with `access`, shared with
// every other opener. Invalid when it cannot be opened.
Handle OpenEntry(const std::wstring& path, DWORD access, DWORD disposition = OPEN_EXISTING);

// The entry is a plain file on a disk: not a folder, link, junction, device or pipe.
bool IsRegularFile(HANDLE file);

}  // namespace tabulex::platform::windows
