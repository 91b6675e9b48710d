#include "StatusStamp.h"

namespace tabulex::platform {

FileStamp StampOfStatus(const struct stat& st) {
    FileStamp stamp;
    stamp.Exists = true;
    stamp.IsFolder = S_ISDIR(st.st_mode);
    stamp.IsRegular = S_ISREG(st.st_mode);
    stamp.HasWriteBits = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    stamp.Device = st.st_dev;
    stamp.Inode = st.st_ino;
    stamp.Size = st.st_size;
    stamp.ModifiedSeconds = st.st_mtim.tv_sec;
    stamp.ModifiedNanoseconds = st.st_mtim.tv_nsec;
    return stamp;
}

FileStamp StampOf(const std::filesystem::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? StampOfStatus(st) : FileStamp{};
}

FileStamp EntryStampOf(const std::filesystem::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? StampOfStatus(st) : FileStamp{};
}

}  // namespace tabulex::platform
