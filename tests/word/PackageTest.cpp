// Reading, editing and writing packages: real Word and LibreOffice documents come back unchanged,
// edits reach the saved file and nothing else moves, and saving never damages the target.

#include "ooxml/Package.h"

#include "PackageTestHelpers.h"
#include "ooxml/PackageMessages.h"
#include "ooxml/XmlPart.h"
#include "platform/FileSystem.h"
#include "text/Error.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#endif

#include <filesystem>
#include <functional>

namespace tabulex::word::docx {
namespace {

using namespace testing;

const std::vector<std::string> kFixtures = {"ukrf.docx", "LIR007-ru-RU-ordinalText.docx",
                                            "blk-paras-and-tables.docx", "59030.docx", "tbl-props.docx"};

std::string FixturePath(const std::string& name) {
    return std::string(TABULEX_FIXTURES) + "/docx/" + name;
}

std::vector<std::string> FolderListing(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(PackageTest, DocumentsSavedWithoutEditsAreByteIdentical) {
    platform::TempFolder folder("tabulex-pkg-");
    for (const std::string& name : kFixtures) {
        SCOPED_TRACE(name);
        const std::string original = ReadFile(FixturePath(name));
        ooxml::Package package = ooxml::Package::Load(FixturePath(name));
        EXPECT_FALSE(package.Modified());
        EXPECT_TRUE(package.Has("word/document.xml"));
        const std::string target = folder.Path() + "/" + name;
        package.Save(target);
        EXPECT_EQ(ReadFile(target), original);
    }
}

// After one part is rewritten, every other entry keeps its compressed bytes, method and CRC, and
// the order of the entries stays.
TEST(PackageTest, EditingOnePartLeavesTheOtherEntriesAsTheyWere) {
    for (const std::string& name : kFixtures) {
        SCOPED_TRACE(name);
        const std::string original = ReadFile(FixturePath(name));
        ooxml::Package package = ooxml::Package::Load(FixturePath(name));
        std::string edited = package.Bytes("word/document.xml");
        edited.insert(edited.rfind("</w:body>"),
                      "<w:p><w:r><w:t xml:space=\"preserve\"> new </w:t></w:r></w:p>");
        package.SetBytes("word/document.xml", edited);
        ASSERT_TRUE(package.Modified());

        const std::string saved = package.ToBytes();
        std::vector<RawEntry> before = RawEntries(original);
        std::vector<RawEntry> after = RawEntries(saved);
        ASSERT_EQ(after.size(), before.size());
        for (std::size_t i = 0; i < before.size(); ++i) {
            EXPECT_EQ(after[i].Name, before[i].Name);
            if (before[i].Name != "word/document.xml") {
                EXPECT_EQ(after[i], before[i]) << before[i].Name;
            }
        }
        ooxml::Package reopened = ooxml::Package::FromBytes(saved, name);
        EXPECT_EQ(reopened.Bytes("word/document.xml"), edited);
        EXPECT_EQ(reopened.PartNames(), ooxml::Package::Load(FixturePath(name)).PartNames());
    }
}

TEST(PackageTest, PartsAddedReplacedAndRemovedReachTheSavedFile) {
    platform::TempFolder folder("tabulex-pkg-");
    ooxml::Package package = ooxml::Package::FromBytes(MinimalDocx(), "new.docx");
    EXPECT_EQ(package.PartNames(),
              (std::vector<std::string>{"[Content_Types].xml", "_rels/.rels", "word/document.xml"}));

    package.SetBytes("word/document.xml", package.Bytes("word/document.xml"));  // same bytes: no change
    EXPECT_FALSE(package.Modified());
    package.SetBytes("/customXml/item1.xml", "<a/>");
    package.SetBytes("word/document.xml", DocumentXml("<w:p/>"));
    package.Remove("_rels/.rels");
    package.Remove("no/such/part.xml");
    const std::string target = folder.Path() + "/saved.docx";
    package.Save(target);

    ooxml::Package reopened = ooxml::Package::Load(target);
    EXPECT_EQ(reopened.PartNames(),
              (std::vector<std::string>{"[Content_Types].xml", "word/document.xml", "customXml/item1.xml"}));
    EXPECT_EQ(reopened.Bytes("customXml/item1.xml"), "<a/>");
    EXPECT_EQ(reopened.Bytes("Word/Document.XML"), DocumentXml("<w:p/>"));  // names compare as OPC does
    EXPECT_FALSE(reopened.Has("_rels/.rels"));
    for (const RawEntry& entry : RawEntries(ReadFile(target)))
        if (entry.Name != "[Content_Types].xml") {
            EXPECT_EQ(entry.Method, ZIP_CM_DEFLATE) << entry.Name;
        }
    EXPECT_THROW(reopened.Bytes("_rels/.rels"), text::Error);
}

TEST(PackageTest, BytesTakenOutLeaveThePackageAsItWas) {
    const std::string original = ReadFile(FixturePath("ukrf.docx"));
    ooxml::Package package = ooxml::Package::FromBytes(original, "ukrf.docx");
    const std::string main = package.Bytes("word/document.xml");
    EXPECT_EQ(package.TakeBytes("word/document.xml"), main);
    EXPECT_FALSE(package.Modified());
    EXPECT_EQ(package.ToBytes(), original);
    EXPECT_EQ(package.Bytes("word/document.xml"), main);  // inflated again

    package.TakeBytes("word/document.xml");
    package.SetBytes("word/document.xml", DocumentXml("<w:p/>"));
    EXPECT_EQ(package.TakeBytes("word/document.xml"), DocumentXml("<w:p/>"));  // a replaced part is copied
    EXPECT_EQ(ooxml::Package::FromBytes(package.ToBytes(), "x.docx").Bytes("word/document.xml"),
              DocumentXml("<w:p/>"));
}

TEST(PackageTest, AnEmptyPackageBuiltPartByPartOpensAgain) {
    ooxml::Package package = ooxml::Package::CreateEmpty("report.docx");
    for (const ZipItem& item : MinimalDocxItems("<w:p><w:r><w:t>Итог</w:t></w:r></w:p>"))
        package.SetBytes(item.Name, item.Data);
    ooxml::Package reopened = ooxml::Package::FromBytes(package.ToBytes(), "report.docx");
    EXPECT_EQ(reopened.PartNames(), package.PartNames());
    EXPECT_EQ(reopened.Bytes("word/document.xml"), package.Bytes("word/document.xml"));
}

// --- Saving ---------------------------------------------------------------------------------------

struct SaveFailure {
    const char* Label;
    std::function<std::string(const std::string& folder)> Prepare;  // returns the target path
    std::string_view Reason;                                        // at the end of the message
};

#ifndef _WIN32
// Write failures part-way are provoked with a file size limit of 1 KiB (SIGXFSZ ignored).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, previous_);
    }

  private:
    rlimit saved_{};
    sighandler_t previous_;
};
#endif

TEST(PackageTest, AFailedSaveLeavesTheTargetAndTheFolderAsTheyWere) {
    using namespace text::literals;
    const std::string bytes = ReadFile(FixturePath("ukrf.docx"));
    ooxml::Package package = ooxml::Package::FromBytes(bytes, "ukrf.docx");
    package.SetBytes("word/document.xml", DocumentXml("<w:p/>"));
    const std::vector<SaveFailure> failures = {
        {"read-only target",
         [&](const std::string& d) {
             WriteFile(d + "/opis.docx", "old");
             chmod((d + "/opis.docx").c_str(), 0444);
             return d + "/opis.docx";
         },
         ooxml::messages::kReadOnlyTarget},
#ifndef _WIN32  // a Windows folder has no write permission of its own
        {"read-only folder",
         [&](const std::string& d) {
             std::filesystem::create_directory(d + "/locked");
             WriteFile(d + "/locked/opis.docx", "old");
             chmod((d + "/locked").c_str(), 0555);
             return d + "/locked/opis.docx";
         },
         ooxml::messages::kReadOnlyFolder},
#endif
        {"missing folder", [](const std::string& d) { return d + "/absent/opis.docx"; },
         ": папка не найдена"_cp},
        {"target is a folder",
         [](const std::string& d) {
             std::filesystem::create_directory(d + "/opis.docx");
             return d + "/opis.docx";
         },
         ooxml::messages::kTargetIsFolder},
    };
    for (const SaveFailure& failure : failures) {
        SCOPED_TRACE(failure.Label);
        platform::TempFolder folder("tabulex-save-");
        const std::string target = failure.Prepare(folder.Path());
        const std::string parent = std::filesystem::path(target).parent_path().string();
        const auto listing =
            std::filesystem::exists(parent) ? FolderListing(parent) : std::vector<std::string>{};
        const std::string before = std::filesystem::is_regular_file(target) ? ReadFile(target) : "";
        try {
            package.Save(target);
            ADD_FAILURE() << "saved";
        } catch (const text::Error& error) {
            EXPECT_TRUE(error.Message().starts_with(ooxml::messages::kSaveFailed)) << error.what();
            EXPECT_TRUE(error.Message().ends_with(failure.Reason)) << error.what();
        }
        if (std::filesystem::exists(parent)) {
            EXPECT_EQ(FolderListing(parent), listing);
        }
        if (!before.empty()) {
            EXPECT_EQ(ReadFile(target), before);
        }
        chmod(parent.c_str(), 0755);
    }
}

TEST(PackageTest, AWriteFailingHalfwayRemovesTheTemporaryFile) {
#ifdef _WIN32
    GTEST_SKIP() << "file-size limits are POSIX";
#else
    using namespace text::literals;
    platform::TempFolder folder("tabulex-save-");
    const std::string target = folder.Path() + "/opis.docx";
    WriteFile(target, "the old document");
    ooxml::Package package = ooxml::Package::Load(FixturePath("ukrf.docx"));
    {
        FileSizeLimit limit(1024);
        try {
            package.Save(target);
            ADD_FAILURE() << "saved";
        } catch (const text::Error& error) {
            EXPECT_TRUE(error.Message().ends_with(": превышен допустимый размер файла"_cp)) << error.what();
        }
    }
    EXPECT_EQ(ReadFile(target), "the old document");
    EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"opis.docx"});
#endif
}

TEST(PackageTest, SavingOverAFileKeepsItsPermissionsAndLeavesNoTemporaryFile) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX file modes";
#endif
    platform::TempFolder folder("tabulex-save-");
    const std::string target = folder.Path() + "/opis.docx";
    WriteFile(target, "old");
    chmod(target.c_str(), 0640);
    ooxml::Package::Load(FixturePath("ukrf.docx")).Save(target);
    struct stat st {};
    stat(target.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(ReadFile(target), ReadFile(FixturePath("ukrf.docx")));
    EXPECT_EQ(FolderListing(folder.Path()), std::vector<std::string>{"opis.docx"});
}

}  // namespace
}  // namespace tabulex::word::docx
