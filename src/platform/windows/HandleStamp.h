#pragma once

// A file's stamp from its open handle.

#include "platform/FileStamp.h"

#include <windows.h>

namespace tabulex::platform {

// `entry`: the handle was opened on a link or junction itself, which is then neither a folder nor a
// regular file.
FileStamp StampOfHandle(HANDLE file, bool entry);

}  // namespace tabulex::platform
