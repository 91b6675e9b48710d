#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace tabulex::testing {

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::filesystem::path MakeTestFolder(std::string_view prefix) {
    std::string name(prefix);
    if (const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info())
        name += info->name();
    for (char& c : name)
        if (c == '/') c = '-';
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device device;
    std::error_code error;
    const std::filesystem::path temp = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix = "-";
        for (int i = 0; i < 6; ++i) suffix += kLetters[device() % (sizeof kLetters - 1)];
        std::filesystem::path folder = temp / (name + suffix);
        // create_directory reports false, without an error, when the folder was there already.
        if (std::filesystem::create_directory(folder, error)) return folder;
        if (error) break;
    }
    throw std::runtime_error("cannot make a test folder under " + temp.string() + ": " + error.message());
}

void SetEnvironment(const std::string& name, const char* value) {
#ifdef _WIN32
    ::_putenv_s(name.c_str(), value ? value : "");
#else
    if (value)
        ::setenv(name.c_str(), value, 1);
    else
        ::unsetenv(name.c_str());
#endif
}

ScopedEnvironment::ScopedEnvironment(std::string name, const char* value) : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) saved_ = old;
    SetEnvironment(name_, value);
}

ScopedEnvironment::~ScopedEnvironment() {
    SetEnvironment(name_, saved_ ? saved_->c_str() : nullptr);
}

}  // namespace tabulex::testing
