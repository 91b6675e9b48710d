// What the program writes, and what it never writes through: an edit in place is locked against a
// second editor and keeps every original it started from as a numbered backup; links are followed
// to the file they name (and must name a .docx there) and stay links; anything but a regular file
// is refused; names the file system allows are never refused for a temporary name; what a killed
// run left is cleared by the next one, and a live run's files never are.

#ifndef _WIN32

#include "e2e/DocxTables.h"
#include "e2e/E2eTest.h"
#include "e2e/InventoryBuilder.h"
#include "platform/FileWrites.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>

namespace tabulex::e2e {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPlan =
    "-\t№ п/п\tЗаголовок дела\tКрайние даты\tКол-во листов\n"
    "-\t\t\t\t\n"
    "-\t3\tПриказы\t1950\t12\n"
    "-\t8\tСметы\t1953\t2\n";

class WriteSafetyTest : public E2eTest {
  protected:
    fs::path Inventory(const fs::path& path) {
        fs::create_directories(path.parent_path());
        WriteInventory(kPlan, path);
        return path;
    }
    CommandResult FixInPlace(const fs::path& file) {
        return RunTabulex({"fix", file.string(), "--delete-empty-rows", "--in-place"});
    }
    static std::size_t Rows(const fs::path& docx) { return ViewDocument(docx, false).Tables.at(0).size(); }
};

TEST_F(WriteSafetyTest, ASecondEditorIsRefusedWhileTheFileIsBeingEdited) {
    const fs::path file = Inventory(root_ / "opis.docx");
    const std::string original = ReadFile(file);
    const platform::DocumentLock other(file.string());
    ASSERT_EQ(other.Status(), platform::DocumentLock::State::Held);
    const auto result = FixInPlace(file);
    EXPECT_EQ(result.Status, 2);
    EXPECT_EQ(result.Err, "opis.docx: Файл " + file.string() +
                              " уже правит другая команда tabulex fix; дождитесь её окончания.\n");
    EXPECT_EQ(ReadFile(file), original);
    EXPECT_FALSE(fs::exists(root_ / "opis.docx.bak"));
}

// Every edit in place keeps the file it started from; no backup is ever overwritten, and the
// output names the one this edit made.
TEST_F(WriteSafetyTest, EachEditInPlaceKeepsItsOriginalUnderTheNextFreeBackupName) {
    const fs::path file = Inventory(root_ / "opis.docx");
    std::ofstream(root_ / "opis.docx.bak", std::ios::binary) << "a backup of someone's own";
    std::vector<std::string> versions = {ReadFile(file)};
    for (const char* backup : {"opis.docx.1.bak", "opis.docx.2.bak"}) {
        const auto result = FixInPlace(file);
        ASSERT_EQ(result.Status, 0) << result.Err;
        EXPECT_NE(result.Out.find("(исходный файл сохранён как " + (root_ / backup).string() + ")"),
                  std::string::npos)
            << result.Out;
        EXPECT_EQ(ReadFile(root_ / backup), versions.back());
        versions.push_back(ReadFile(file));
    }
    EXPECT_EQ(ReadFile(root_ / "opis.docx.bak"), "a backup of someone's own");
    EXPECT_EQ(Rows(file), 3u);
}

TEST_F(WriteSafetyTest, LinksAreFollowedToTheFileTheyNameAndStayLinks) {
    const fs::path real = Inventory(root_ / "store" / "opis.docx");
    fs::create_directories(root_ / "desk");
    fs::create_symlink(real, root_ / "desk" / "link.docx");
    const auto result = FixInPlace(root_ / "desk" / "link.docx");
    ASSERT_EQ(result.Status, 0) << result.Err;
    EXPECT_TRUE(fs::is_symlink(root_ / "desk" / "link.docx"));
    EXPECT_EQ(Rows(real), 3u);
    EXPECT_TRUE(fs::exists(root_ / "store" / "opis.docx.bak"));

    // A link named .docx that leads elsewhere is no .docx to write.
    std::ofstream(root_ / "notes.txt") << "notes";
    fs::create_symlink(root_ / "notes.txt", root_ / "out.docx");
    const auto out =
        RunTabulex({"fix", real.string(), "--delete-empty-rows", "-o", (root_ / "out.docx").string()});
    EXPECT_EQ(out.Status, 2);
    EXPECT_NE(out.Err.find(".docx"), std::string::npos) << out.Err;
    EXPECT_EQ(ReadFile(root_ / "notes.txt"), "notes");
}

TEST_F(WriteSafetyTest, KeepsPermissionsAndTellsOfHardLinksThatStillShowTheOriginal) {
    const fs::path file = Inventory(root_ / "opis.docx");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_hard_link(file, root_ / "other-name.docx");
    const auto result = FixInPlace(file);
    ASSERT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(result.Err,
              "Внимание: у файла есть ещё жёсткие ссылки (1); они по-прежнему показывают исходный файл.\n");
    EXPECT_EQ(ReadFile(root_ / "other-name.docx"), ReadFile(root_ / "opis.docx.bak"));
}

TEST_F(WriteSafetyTest, AReadOnlyFileIsRefusedInPlaceAsItIsAsOutput) {
    const fs::path file = Inventory(root_ / "opis.docx");
    const std::string original = ReadFile(file);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    const auto result = FixInPlace(file);
    EXPECT_EQ(result.Status, 2);
    EXPECT_NE(result.Err.find("файл доступен только для чтения"), std::string::npos) << result.Err;
    EXPECT_EQ(ReadFile(file), original);
    EXPECT_FALSE(fs::exists(root_ / "opis.docx.bak"));
}

// A name as long as the file system allows is written: the temporary name never is longer.
TEST_F(WriteSafetyTest, OutputNamesAtTheFileSystemsLimitAreWritten) {
    const fs::path file = Inventory(root_ / "opis.docx");
    const std::string name = std::string(250, 'a') + ".docx";
    const auto result =
        RunTabulex({"fix", file.string(), "--delete-empty-rows", "-o", (root_ / name).string()});
    ASSERT_EQ(result.Status, 0) << result.Err;
    EXPECT_EQ(Rows(root_ / name), 3u);
}

// What a killed writer left (unlocked) goes with the next write into the folder; a live writer's
// file (locked) stays.
TEST_F(WriteSafetyTest, TheNextWriteClearsWhatAKilledRunLeftButNotALiveRunsFile) {
    const fs::path file = Inventory(root_ / "opis.docx");
    std::ofstream(root_ / ".~tabulex-Ab12Cd") << "half a document";
    std::string live;
    const int held = platform::CreateLockedTemporary(root_.string(), ".~tabulex-", "", live);
    ASSERT_GE(held, 0);
    const auto result =
        RunTabulex({"fix", file.string(), "--delete-empty-rows", "-o", (root_ / "out.docx").string()});
    ASSERT_EQ(result.Status, 0) << result.Err;
    EXPECT_FALSE(fs::exists(root_ / ".~tabulex-Ab12Cd"));
    EXPECT_TRUE(fs::exists(live));
    ::close(held);
}

// The report folder's own files are never written through links: a link in the report's place is
// refused, and the file it names stays as it was.
TEST_F(WriteSafetyTest, AReportFolderFileThatIsALinkIsRefusedNotFollowed) {
    const fs::path file = Inventory(root_ / "opis.docx");
    std::ofstream(root_ / "elsewhere.txt") << "keep me";
    fs::create_directories(root_ / "report");
    for (const char* name : {"Tabulex_Report.txt", ".Tabulex_Report.lock"}) {
        SCOPED_TRACE(name);
        fs::remove(root_ / "report" / name);
        fs::create_symlink(root_ / "elsewhere.txt", root_ / "report" / name);
        const auto result = Check(file, root_ / "report");
        EXPECT_EQ(result.Status, 2);
        EXPECT_NE(result.Err.find("не обычный файл"), std::string::npos) << result.Err;
        EXPECT_EQ(ReadFile(root_ / "elsewhere.txt"), "keep me");
        fs::remove(root_ / "report" / name);
    }
}

// Runs `body` in a child process in a private mount namespace with a fresh tmpfs on `folder`, so
// that device nodes and pipes made there never touch the machine's own; the body's failures come
// back as text.
std::string InPrivateNamespace(const fs::path& folder, const std::function<std::string()>& body) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "pipe";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        std::string failures;
        if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64m") != 0)
            failures = "no private mount namespace";
        else
            failures = body();
        [[maybe_unused]] ssize_t n = ::write(pipeFds[1], failures.data(), failures.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string failures;
    char chunk[512];
    for (ssize_t n; (n = ::read(pipeFds[0], chunk, sizeof chunk)) > 0;)
        failures.append(chunk, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return failures;
}

// As root a device node or a pipe in the place of an output, the edited file, the report or the
// settings file is refused, never replaced or written, and never waited on.
TEST_F(WriteSafetyTest, DevicesAndPipesAreNeverWrittenOrReplaced) {
    if (::geteuid() != 0) GTEST_SKIP() << "device nodes need root (made in a private mount namespace)";
    const fs::path special = root_ / "special";
    fs::create_directories(special);
    const fs::path file = Inventory(root_ / "opis.docx");
    const std::string failures = InPrivateNamespace(special, [&] {
        std::string out;
        auto expect = [&](bool ok, const std::string& what) {
            if (!ok) out += what + "\n";
        };
        const fs::path device = special / "zero.docx";
        const fs::path fifo = special / "pipe.docx";
        expect(::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 5)) == 0, "mknod");
        expect(::mkfifo(fifo.c_str(), 0666) == 0, "mkfifo");
        for (const fs::path& target : {device, fifo}) {
            auto result = RunTabulex({"fix", file.string(), "--delete-empty-rows", "-o", target.string()});
            expect(result.Status == 2, "-o " + target.string() + ": " + result.Err);
            result = RunTabulex({"fix", target.string(), "--delete-empty-rows", "--in-place"});
            expect(result.Status == 2, "--in-place " + target.string() + ": " + result.Err);
            struct stat st {};
            expect(::lstat(target.c_str(), &st) == 0 && !S_ISREG(st.st_mode), "replaced: " + target.string());
        }
        fs::create_directories(special / "report");
        expect(::mkfifo((special / "report" / "Tabulex_Report.txt").c_str(), 0666) == 0, "mkfifo report");
        const auto check = Check(file, special / "report");
        expect(check.Status == 2, "report pipe: " + check.Err);
        return out;
    });
    EXPECT_EQ(failures, "");
}

}  // namespace
}  // namespace tabulex::e2e

#else

#include <gtest/gtest.h>

TEST(WriteSafetyTest, NeedsAPosixSystem) {
    GTEST_SKIP() << "symbolic links, file modes, device nodes and mount namespaces are POSIX";
}

#endif
