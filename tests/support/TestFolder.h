#pragma once

// Temporary folders for tests, unique on the machine, so that the tests of two builds, or two runs
// of one test, never share one; and the environment variables tests set.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tabulex::testing {

// Creates <temp>/<prefix><test name>-XXXXXX and returns its path; the test removes it.
std::filesystem::path MakeTestFolder(std::string_view prefix);

// A file's bytes, read whole and closed at once (Windows removes no file that is open); empty when
// it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

// Sets an environment variable of this process (UTF-8) for as long as it lives, then puts back
// what was there before. A null value removes the variable.
class ScopedEnvironment {
  public:
    ScopedEnvironment(std::string name, const char* value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    std::string name_;
    std::optional<std::string> saved_;
};

// Sets (or, with a null value, removes) an environment variable of this process.
void SetEnvironment(const std::string& name, const char* value);

}  // namespace tabulex::testing
