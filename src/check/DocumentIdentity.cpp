#include "check/DocumentIdentity.h"

#include "platform/FileStamp.h"

namespace tabulex::check {

std::string DocumentIdentity(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::path full =
        std::filesystem::weakly_canonical(std::filesystem::absolute(file, error), error);
    if (error) full = file;
    const platform::FileStamp stamp = platform::StampOf(file);
    if (!stamp.Exists) return full.string();
    return full.string() + "|" + std::to_string(stamp.Size) + "|" + std::to_string(stamp.ModifiedSeconds) +
           "." + std::to_string(stamp.ModifiedNanoseconds);
}

}  // namespace tabulex::check
