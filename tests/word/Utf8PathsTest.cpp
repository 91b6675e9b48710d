// Files named in Cyrillic, with spaces and dashes, are written, found, stamped, locked and read back
// under the very name given in UTF-8, through every file call of the program and of the standard
// library alike (on Windows a path made from a plain string would name another file).

#include "platform/FileStamp.h"
#include "platform/FileSystem.h"
#include "platform/FileWrites.h"
#include "platform/ReplacementFile.h"
#include "support/TestFolder.h"
#include "text/Utf8Paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tabulex::platform {
namespace {

constexpr const char* kNames[] = {
    "Опись дел фонда 12.docx",
    "опись — 2024 (копия).docx",
    "Ёлкин и К°.txt",
    "plain.docx",
};

class Utf8PathsTest : public ::testing::Test {
  protected:
    void SetUp() override { folder_ = testing::MakeTestFolder("utf8-paths-"); }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string InFolder(const char* name) const { return text::Utf8OfPath(folder_) + "/" + name; }

    std::filesystem::path folder_;
};

TEST_F(Utf8PathsTest, ANameKeepsItsCharactersBetweenTextAndPath) {
    for (const char* name : kNames) {
        EXPECT_EQ(text::Utf8OfPath(text::PathFromUtf8(name)), name);
        EXPECT_EQ(text::Utf8OfPath(text::PathFromUtf8(std::string("папка/") + name).filename()), name);
    }
}

TEST_F(Utf8PathsTest, AFileWrittenUnderAUtf8NameIsFoundUnderThatName) {
    for (const char* name : kNames) {
        const std::string path = InFolder(name);
        WriteFileAtomically(path, std::string("bytes of ") + name);
        EXPECT_TRUE(std::filesystem::is_regular_file(text::PathFromUtf8(path))) << name;
        EXPECT_EQ(ReadDocumentFile(path, 1 << 20), std::string("bytes of ") + name);
        const FileStamp stamp = StampOf(text::PathFromUtf8(path));
        EXPECT_TRUE(stamp.Exists && stamp.IsRegular) << name;
        EXPECT_EQ(stamp.Size,
                  static_cast<std::int64_t>(std::string("bytes of ").size() + std::string(name).size()));
        DocumentLock lock(path);
        EXPECT_EQ(lock.Status(), DocumentLock::State::Held) << name;
    }
    std::size_t listed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        const std::string name = text::Utf8OfPath(entry.path().filename());
        EXPECT_TRUE(std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames)) << name;
        ++listed;
    }
    EXPECT_EQ(listed, std::size(kNames));  // no temporary file left behind either
}

TEST_F(Utf8PathsTest, AReplacementAndTheStandardStreamsMeetAtOneFile) {
    for (const char* name : kNames) {
        const std::filesystem::path path = text::PathFromUtf8(InFolder(name));
        {
            std::ofstream old(path, std::ios::binary);
            old << "old";
        }
        ReplacementFile replacement;
        ASSERT_TRUE(replacement.Open(path, ".~test-")) << name << ": " << replacement.ErrorCode();
        std::fputs("new", replacement.Stream());
        ASSERT_TRUE(replacement.Commit(true)) << name << ": " << replacement.ErrorCode();
        std::ifstream in(path, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new") << name;
        EXPECT_EQ(ReadOwnFile(path, 100).value_or("missing"), "new") << name;
        // The stamp of what it put in place is the one the name shows until someone else writes.
        EXPECT_EQ(replacement.Written(), StampOf(path)) << name;
    }
}

}  // namespace
}  // namespace tabulex::platform
