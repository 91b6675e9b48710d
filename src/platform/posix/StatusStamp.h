#pragma once

// A file's stamp from what stat() said about it.

#include "platform/FileStamp.h"

#include <sys/stat.h>

namespace tabulex::platform {

FileStamp StampOfStatus(const struct stat& st);

}  // namespace tabulex::platform
