// The settings file shared by parallel checks: writers through one object (threads) or through
// several objects on the same file (as separate processes do) lose no update, and a reader sees
// every other writer's change without reading the file again when nothing changed.

#include "settings/IniSettings.h"
#include "support/TestFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace tabulex::settings {
namespace {
namespace fs = std::filesystem;

class IniSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override { folder_ = tabulex::testing::MakeTestFolder("tabulex-ini-"); }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path File() const { return folder_ / "data" / "Tabulex.ini"; }

    fs::path folder_;
};

TEST_F(IniSettingsTest, ParallelWritersLoseNoUpdate) {
    constexpr int kWriters = 4;
    constexpr int kKeysEach = 40;
    struct Setup {
        const char* Name;
        bool ObjectPerWriter;  // like separate processes: each its own object and lock
    };
    for (const Setup setup :
         {Setup{"threads sharing one object", false}, Setup{"one object per writer", true}}) {
        SCOPED_TRACE(setup.Name);
        fs::remove_all(folder_);
        std::vector<std::unique_ptr<IniSettings>> objects;
        for (int w = 0; w < (setup.ObjectPerWriter ? kWriters : 1); ++w)
            objects.push_back(std::make_unique<IniSettings>(File()));
        std::vector<std::thread> writers;
        for (int w = 0; w < kWriters; ++w)
            writers.emplace_back([&, w] {
                IniSettings& settings = *objects[setup.ObjectPerWriter ? w : 0];
                for (int k = 0; k < kKeysEach; ++k) {
                    settings.WriteString("Main", "LastFile", "inventory " + std::to_string(w));
                    settings.WriteInteger("Writer" + std::to_string(w), "k" + std::to_string(k), k);
                    settings.EraseSection("Break");
                }
            });
        for (auto& writer : writers) writer.join();

        IniSettings reader(File());
        for (int w = 0; w < kWriters; ++w)
            for (int k = 0; k < kKeysEach; ++k)
                ASSERT_EQ(reader.ReadInteger("Writer" + std::to_string(w), "k" + std::to_string(k), -1), k)
                    << "writer " << w << " key " << k;
        EXPECT_TRUE(reader.ReadString("Main", "LastFile", "").starts_with("inventory "));
        for (const auto& entry : fs::directory_iterator(File().parent_path()))
            EXPECT_TRUE(entry.path().filename() == "Tabulex.ini" ||
                        entry.path().filename() == "Tabulex.ini.lock")
                << "left behind: " << entry.path();
    }
}

TEST_F(IniSettingsTest, ReadersSeeOtherWritersAndReadTheFileOnlyWhenItChanged) {
    IniSettings first(File());
    IniSettings second(File());
    EXPECT_EQ(first.ReadString("Break", "FileName", "none"), "none");  // no folder, no file yet
    first.WriteString("Break", "FileName", "opis.docx");
    first.WriteInteger("Break", "i", 7);
    EXPECT_EQ(first.ReadInteger("Break", "i", 1), 7);
    EXPECT_EQ(first.Loads(), 0);  // its own writes keep its copy current

    EXPECT_EQ(second.ReadInteger("Break", "i", 1), 7);
    EXPECT_EQ(second.ReadString("Break", "FileName", ""), "opis.docx");
    EXPECT_EQ(second.Loads(), 1);

    second.EraseSection("Break");
    EXPECT_EQ(first.ReadInteger("Break", "i", 1), 1);
    EXPECT_EQ(first.Loads(), 1);

    // A change made by another program, without the lock, is seen as well.
    { std::ofstream(File(), std::ios::binary) << "[Main]\r\nLastFile = other.docx\r\n"; }
    EXPECT_EQ(first.ReadString("Main", "LastFile", ""), "other.docx");
    // Writing what is already there leaves the file alone.
    const auto stamp = fs::last_write_time(File());
    first.WriteString("Main", "LastFile", "other.docx");
    EXPECT_EQ(fs::last_write_time(File()), stamp);
}

TEST_F(IniSettingsTest, SavesThroughASymbolicLinkAndKeepsWindows1251Bytes) {
    fs::create_directories(folder_ / "data");
    fs::create_directories(folder_ / "real");
    { std::ofstream(folder_ / "real" / "Tabulex.ini") << "[Main]\n"; }
    fs::create_symlink(folder_ / "real" / "Tabulex.ini", File());
    IniSettings settings(File());
    settings.WriteString("Main", "LastFile", "\xCE\xEF\xE8\xF1\xFC.docx");  // "Опись" in 1251
    EXPECT_TRUE(fs::is_symlink(File()));
    IniSettings reader(folder_ / "real" / "Tabulex.ini");
    EXPECT_EQ(reader.ReadString("Main", "LastFile", ""), "\xCE\xEF\xE8\xF1\xFC.docx");
}

TEST_F(IniSettingsTest, AFileThatCannotHoldTheSettingsIsNamedAndLeftAlone) {
    struct Case {
        const char* Name;
        std::function<void(const fs::path&)> Make;
        bool Refused;
    };
    const std::vector<Case> cases = {
        {"missing", [](const fs::path&) {}, false},
        {"regular", [](const fs::path& file) { std::ofstream(file) << "[a]\nb=c\n"; }, false},
        {"folder", [](const fs::path& file) { fs::create_directory(file); }, true},
        {"link to a folder",
         [](const fs::path& file) {
             fs::create_directory(file.parent_path() / "elsewhere");
             fs::create_directory_symlink("elsewhere", file);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        fs::remove_all(File().parent_path());
        fs::create_directories(File().parent_path());
        c.Make(File());
        IniSettings settings(File());
        const std::string problem = settings.FileProblem();
        EXPECT_EQ(problem.empty(), !c.Refused) << problem;
        if (!c.Refused) continue;
        EXPECT_NE(problem.find("Tabulex.ini"), std::string::npos);
        settings.WriteString("Section", "Key", "value");
        EXPECT_TRUE(fs::is_directory(File())) << "the folder in the file's place is kept";
        EXPECT_EQ(settings.ReadString("Section", "Key", "default"), "default");
    }
}

}  // namespace
}  // namespace tabulex::settings
