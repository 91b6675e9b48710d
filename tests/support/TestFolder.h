#pragma once

// Temporary folders for tests, unique on the machine (mkdtemp), so that the tests of two builds,
// or two runs of one test, never share one.

#include <filesystem>
#include <string_view>

namespace tabulex::testing {

// Creates <temp>/<prefix><test name>-XXXXXX and returns its path; the test removes it.
std::filesystem::path MakeTestFolder(std::string_view prefix);

}  // namespace tabulex::testing
