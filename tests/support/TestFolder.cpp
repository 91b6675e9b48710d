#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>

namespace tabulex::testing {

std::filesystem::path MakeTestFolder(std::string_view prefix) {
    std::string name(prefix);
    if (const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info())
        name += info->name();
    for (char& c : name)
        if (c == '/') c = '-';
    std::string pattern = (std::filesystem::temp_directory_path() / (name + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp " + pattern + ": " + std::strerror(errno));
    return pattern;
}

}  // namespace tabulex::testing
