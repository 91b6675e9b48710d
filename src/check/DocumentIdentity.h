#pragma once

// What tells one inventory file from any other for the resume point: its full path, size and
// modification time, so that a stopped check is resumed only on the same version of the same file.

#include <filesystem>
#include <string>

namespace tabulex::check {

// The identity of `file` as it is on disk now; its full path alone when it cannot be read.
std::string DocumentIdentity(const std::filesystem::path& file);

}  // namespace tabulex::check
