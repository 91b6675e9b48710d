// The settings file shared by parallel checks: writers through one object (threads) or through
// several objects on the same file (as separate processes do) lose no update, and a reader sees
// every other writer's change without reading the file again when nothing changed. Every value
// survives the file, paths with characters outside Windows-1251 too, and files of earlier
// versions, which mixed 1251 texts with UTF-8 paths, read as they were meant.

#include "settings/IniSettings.h"
#include "settings/ValueEncoding.h"
#include "support/TestFolder.h"
#include "text/Cp1251.h"

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
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need a privilege on Windows";
#endif
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

TEST_F(IniSettingsTest, EveryValueSurvivesTheFileAndAnotherReader) {
    struct Case {
        const char* Key;
        std::string Utf8;
    };
    const Case cases[] = {
        {"Cyrillic path", "/home/архив/Фонд 12/опись дел №3.docx"},
        {"outside 1251", "/home/arxiv/Qazaqstan/Қазақ тілі/中文/ǅ.docx"},
        {"ascii", "C:\\Tabulex\\report"},
        {"empty", ""},
    };
    {
        IniSettings writer(File());
        for (const Case& c : cases) writer.WriteUtf8("Main", c.Key, c.Utf8);
        writer.WriteString("Main", "LastFile", text::Utf8ToCp1251("Опись ёлочных игрушек.docx"));
    }
    const std::string bytes = testing::ReadBytes(File());
    EXPECT_EQ(bytes.substr(0, kUtf8Mark.size()), kUtf8Mark);
    EXPECT_TRUE(IsUtf8(bytes));
    IniSettings reader(File());
    for (const Case& c : cases) EXPECT_EQ(reader.ReadUtf8("Main", c.Key, "?"), c.Utf8) << c.Key;
    EXPECT_EQ(reader.ReadString("Main", "LastFile", ""), text::Utf8ToCp1251("Опись ёлочных игрушек.docx"));
    EXPECT_EQ(reader.ReadUtf8("Main", "LastFile", ""), "Опись ёлочных игрушек.docx");
}

TEST_F(IniSettingsTest, AFileOfAnEarlierVersionReadsAsItWasMeantAndIsWrittenInUtf8) {
    fs::create_directories(File().parent_path());
    // 1251 texts beside a UTF-8 path, as earlier versions wrote them, without the mark.
    const std::string lastFile = text::Utf8ToCp1251("Опись фонда 12.docx");
    const std::string reportFolder = text::Utf8ToCp1251("/home/Архив/Отчёты");
    const std::string lastPath = "/home/Архив/Қазақ/Опись фонда 12.docx";
    {
        std::ofstream(File(), std::ios::binary)
            << "[Main]\nLastFile=" << lastFile << "\nLastFilePath=" << lastPath
            << "\nLeft=120\n[Break]\nFolder=" << reportFolder << "\n";
    }
    const auto expectValues = [&](const IniSettings& settings) {
        EXPECT_EQ(settings.ReadString("Main", "LastFile", ""), lastFile);
        EXPECT_EQ(settings.ReadUtf8("Main", "LastFilePath", ""), lastPath);
        EXPECT_EQ(settings.ReadInteger("Main", "Left", 0), 120);
        EXPECT_EQ(settings.ReadUtf8("Break", "Folder", ""), "/home/Архив/Отчёты");
    };
    IniSettings settings(File());
    expectValues(settings);
    settings.WriteInteger("Main", "Top", 40);  // the first save writes the whole file anew
    EXPECT_EQ(testing::ReadBytes(File()).substr(0, kUtf8Mark.size()), kUtf8Mark);
    EXPECT_TRUE(IsUtf8(testing::ReadBytes(File())));
    expectValues(IniSettings(File()));
}

TEST(ValueEncodingTest, WellFormedUtf8IsToldFromWindows1251) {
    struct Case {
        std::string Bytes;
        bool Utf8;
    };
    const Case cases[] = {
        {"", true},
        {"plain ASCII 123", true},
        {"Опись ёлочных игрушек", true},
        {"中文 ǅ \xF0\x9F\x93\x81", true},
        {text::Utf8ToCp1251("Опись ёлочных игрушек"), false},
        {text::Utf8ToCp1251("ОПИСЬ"), false},
        {text::Utf8ToCp1251("Ёж"), false},
        {"\xC0\xAF", false},          // overlong "/"
        {"\xE0\x80\xAF", false},      // overlong "/"
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // past U+10FFFF
        {"\xD0", false},              // cut short
    };
    for (const Case& c : cases) EXPECT_EQ(IsUtf8(c.Bytes), c.Utf8) << text::Cp1251ToUtf8(c.Bytes);
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
#ifndef _WIN32  // symbolic links need a privilege on Windows
        {"link to a folder",
         [](const fs::path& file) {
             fs::create_directory(file.parent_path() / "elsewhere");
             fs::create_directory_symlink("elsewhere", file);
         },
         true},
#endif
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
