// The promises that only a separate process can test: a check killed, over a file-size limit or
// ended by SIGTERM while it writes its report never leaves a damaged report, the earlier report
// stays until a new one is complete, and two checks into one report folder never mix their rows.
// The command runs as build/bin/tabulex, forked and executed.

#ifndef _WIN32

#include "e2e/E2eTest.h"
#include "e2e/InventoryBuilder.h"
#include "report/ReportFolder.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

// An inventory of `rows` cases; every third number has a full stop too many (a problem line), and
// the numbering row comes again in the middle ("Лишний заголовок"). `title` tells inventories apart.
std::string LargePlan(int rows, const std::string& title) {
    std::string plan =
        "-\t№ п/п\tЗаголовок дела\tКрайние даты\tКол-во листов\tПримечание\n-\t1\t2\t3\t4\t5\n";
    for (int k = 1; k <= rows; ++k) {
        if (k == rows / 2) plan += "-\t1\t2\t3\t4\t5\n";
        plan += "-\t" + std::to_string(k) + (k % 3 == 0 ? "." : "") + "\t" + title + " " + std::to_string(k) +
                "\t" + std::to_string(1900 + k % 100) + "\t" + std::to_string(1 + k % 50) + "\t\n";
    }
    return plan;
}

struct Child {
    pid_t Pid = -1;
    fs::path Err;
};

// Starts `tabulex ARGS...` with its standard error in `errFile`, under a file-size limit if given.
Child Spawn(const std::vector<std::string>& args, const fs::path& errFile,
            rlim_t fileSizeLimit = RLIM_INFINITY) {
    const std::string program = std::string(TABULEX_BINARY_DIR) + "/bin/tabulex";
    std::vector<std::string> all = {program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : all) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int none = ::open("/dev/null", O_WRONLY);
        ::dup2(err, 2);
        ::dup2(none, 1);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return {pid, errFile};
}

// The exit status, or 128 + the signal that ended the process.
int Wait(const Child& child) {
    int status = 0;
    while (::waitpid(child.Pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// True once the check has begun writing its new report (its temporary file exists).
bool WaitForNewReport(const fs::path& folder) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder, error))
            if (entry.path().filename().string().starts_with(".~Tabulex_Report.txt")) return true;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return false;
}

int Leftovers(const fs::path& folder) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().starts_with(".~")) ++count;
    return count;
}

class ProcessTest : public E2eTest {
  protected:
    void SetUp() override {
        E2eTest::SetUp();
        large_ = root_ / "large.docx";
        WriteInventory(LargePlan(30000, "Переписка"), large_);
        // The earlier report pair, from a complete check with its report document.
        WriteInventory(LargePlan(30, "Приказы"), root_ / "small.docx");
        const auto earlier =
            RunTabulex({"check", (root_ / "small.docx").string(), "--report-dir", report().string()});
        ASSERT_LT(earlier.Status, 2) << earlier.Err;
        earlierText_ = ReadFile(report() / "Tabulex_Report.txt");
        earlierDocument_ = ReadFile(report() / "Tabulex_Report.docx");
        ASSERT_FALSE(earlierDocument_.empty());
    }
    fs::path report() const { return root_ / "report"; }
    void ExpectEarlierPair() {
        EXPECT_EQ(ReadFile(report() / "Tabulex_Report.txt"), earlierText_);
        EXPECT_EQ(ReadFile(report() / "Tabulex_Report.docx"), earlierDocument_);
    }
    Child CheckLarge(rlim_t fileSizeLimit = RLIM_INFINITY) {
        return Spawn({"check", large_.string(), "--report-dir", report().string()}, root_ / "err.txt",
                     fileSizeLimit);
    }

    fs::path large_;
    std::string earlierText_;
    std::string earlierDocument_;
};

TEST_F(ProcessTest, KillDuringTheReportWriteLeavesTheEarlierReport) {
    const Child child = CheckLarge();
    ASSERT_TRUE(WaitForNewReport(report()));
    ::kill(child.Pid, SIGKILL);
    EXPECT_EQ(Wait(child), 128 + SIGKILL);
    ExpectEarlierPair();
    EXPECT_GE(Leftovers(report()), 1);
    // The next check clears what the killed one left.
    const auto next =
        RunTabulex({"check", (root_ / "small.docx").string(), "--report-dir", report().string()});
    EXPECT_LT(next.Status, 2) << next.Err;
    EXPECT_EQ(Leftovers(report()), 0);
}

TEST_F(ProcessTest, FileSizeLimitIsReportedAndLeavesTheEarlierReport) {
    const Child child = CheckLarge(64 * 1024);
    EXPECT_EQ(Wait(child), 2);
    EXPECT_EQ(ReadFile(child.Err), "large.docx: Не удалось записать отчёт " +
                                       (report() / "Tabulex_Report.txt").string() +
                                       ": превышен допустимый размер файла\n");
    ExpectEarlierPair();
    EXPECT_EQ(Leftovers(report()), 0);
}

TEST_F(ProcessTest, SigtermStopsLikeCtrlCAndTheResumedReportIsTheUninterruptedOne) {
    const auto whole = RunTabulex(
        {"check", large_.string(), "--report-dir", (root_ / "whole").string(), "--no-report-docx"});
    ASSERT_LT(whole.Status, 2) << whole.Err;
    const std::string uninterrupted = ReadFile(root_ / "whole" / "Tabulex_Report.txt");

    const Child child = CheckLarge();
    ASSERT_TRUE(WaitForNewReport(report()));
    ::kill(child.Pid, SIGTERM);
    ASSERT_EQ(Wait(child), 2);
    const std::string err = ReadFile(child.Err);
    EXPECT_EQ(err.rfind("large.docx: Проверка прервана на строке ", 0), 0u) << err;
    // The stopped report replaced the earlier pair whole: complete lines of this inventory only.
    const std::string stopped = ReadFile(report() / "Tabulex_Report.txt");
    EXPECT_EQ(stopped, uninterrupted.substr(0, stopped.size()));
    EXPECT_TRUE(stopped.ends_with("\r\n"));
    EXPECT_FALSE(fs::exists(report() / "Tabulex_Report.docx"));

    const auto resumed =
        RunTabulex({"check", large_.string(), "--report-dir", report().string(), "--resume"});
    EXPECT_LT(resumed.Status, 2) << resumed.Err;
    EXPECT_EQ(resumed.Err, "");
    EXPECT_EQ(ReadFile(report() / "Tabulex_Report.txt"), uninterrupted);
    EXPECT_TRUE(fs::exists(report() / "Tabulex_Report.docx"));
}

TEST_F(ProcessTest, TwoChecksIntoOneFolderNeverMixTheirReports) {
    WriteInventory(LargePlan(30000, "Протоколы"), root_ / "other.docx");
    std::string expected[2];
    const fs::path files[2] = {large_, root_ / "other.docx"};
    for (int k = 0; k < 2; ++k) {
        const fs::path alone = root_ / ("alone" + std::to_string(k));
        ASSERT_LT(RunTabulex({"check", files[k].string(), "--report-dir", alone.string(), "--no-report-docx"})
                      .Status,
                  2);
        expected[k] = ReadFile(alone / "Tabulex_Report.txt");
    }
    Child children[2];
    for (int k = 0; k < 2; ++k)
        children[k] =
            Spawn({"check", files[k].string(), "--report-dir", report().string(), "--no-report-docx"},
                  root_ / ("err" + std::to_string(k)));
    int completed = -1;
    for (int k = 0; k < 2; ++k) {
        const int status = Wait(children[k]);
        const std::string err = ReadFile(children[k].Err);
        if (status < 2) {
            completed = k;
            continue;
        }
        EXPECT_EQ(status, 2);
        EXPECT_NE(err.find("занята другой проверкой"), std::string::npos) << err;
    }
    ASSERT_NE(completed, -1);
    const std::string report = ReadFile(this->report() / "Tabulex_Report.txt");
    EXPECT_TRUE(report == expected[0] || report == expected[1]);
}

TEST_F(ProcessTest, AFolderInUseIsRefusedWithAMessage) {
    const report::ReportFolderLock other(report());
    ASSERT_EQ(other.Status(), report::ReportFolderLock::State::Held);
    const auto result = Check(root_ / "small.docx", report());
    EXPECT_EQ(result.Status, 2);
    EXPECT_EQ(result.Err,
              "small.docx: Папка отчёта " + report().string() +
                  " занята другой проверкой; дождитесь её окончания или укажите другую папку отчёта.\n");
    ExpectEarlierPair();
}

// Two edits in place of one file at once: the second is refused while the first holds the file,
// or they run one after the other; either way the original survives in FILE.bak and the file is
// a whole document.
TEST_F(ProcessTest, TwoEditsInPlaceAtOnceNeverLoseTheOriginal) {
    const std::string original = ReadFile(large_);
    for (int trial = 0; trial < 4; ++trial) {
        SCOPED_TRACE(trial);
        for (const char* name : {"large.docx.bak", "large.docx.1.bak"}) fs::remove(root_ / name);
        std::ofstream(large_, std::ios::binary | std::ios::trunc) << original;
        const std::vector<std::string> args = {"fix", large_.string(), "--delete-numbering-rows",
                                               "--in-place"};
        const Child first = Spawn(args, root_ / "first.txt");
        const Child second = Spawn(args, root_ / "second.txt");
        int done = 0;
        for (const Child& child : {first, second}) {
            const int status = Wait(child);
            const std::string err = ReadFile(child.Err);
            if (status == 0)
                ++done;
            else
                EXPECT_NE(err.find("уже правит другая команда tabulex fix"), std::string::npos) << err;
        }
        EXPECT_GE(done, 1);
        EXPECT_EQ(ReadFile(root_ / "large.docx.bak"), original);
        EXPECT_EQ(fs::exists(root_ / "large.docx.1.bak"), done == 2);
        const auto check = RunTabulex({"check", large_.string(), "--report-dir", report().string()});
        EXPECT_LT(check.Status, 2) << check.Err;
    }
}

// SIGTERM at any moment of a fix: before the result replaces the file, exit 2 and the file as it
// was, without a backup; after, exit 0 and the whole result. Also while --delete-graphics runs,
// which does not look for a stop itself.
TEST_F(ProcessTest, AStopDuringAFixLeavesTheFileUnchangedOrComplete) {
    const std::string original = ReadFile(large_);
    const std::vector<std::string> repairs = {"--delete-numbering-rows", "--delete-graphics"};
    std::vector<std::string> args = {"fix", large_.string()};
    args.insert(args.end(), repairs.begin(), repairs.end());
    args.push_back("-o");
    args.push_back((root_ / "whole.docx").string());
    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(Wait(Spawn(args, root_ / "whole.txt")), 0);
    const auto took = std::chrono::steady_clock::now() - started;
    const std::string whole = ReadFile(root_ / "whole.docx");
    int stopped = 0;
    for (int fifth = 1; fifth <= 9; ++fifth) {
        SCOPED_TRACE(fifth);
        std::ofstream(large_, std::ios::binary | std::ios::trunc) << original;
        fs::remove(root_ / "large.docx.bak");
        std::vector<std::string> inPlace = {"fix", large_.string()};
        inPlace.insert(inPlace.end(), repairs.begin(), repairs.end());
        inPlace.push_back("--in-place");
        const Child child = Spawn(inPlace, root_ / "err.txt");
        std::this_thread::sleep_for(took * fifth / 10);
        ::kill(child.Pid, SIGTERM);
        const int status = Wait(child);
        const std::string err = ReadFile(child.Err);
        if (status == 2) {
            ++stopped;
            EXPECT_NE(err.find("рервано"), std::string::npos) << err;
            EXPECT_TRUE(ReadFile(large_) == original);
            EXPECT_FALSE(fs::exists(root_ / "large.docx.bak"));
        } else {
            EXPECT_EQ(status, 0) << err;
            EXPECT_TRUE(ReadFile(root_ / "large.docx.bak") == original);
            EXPECT_EQ(ReadFile(large_).size(), whole.size());
        }
    }
    EXPECT_GE(stopped, 1);
}

// A check whose lock file was deleted under it: a second check may then come into the folder, but
// its clean-up never takes the first one's report, which ends whole.
TEST_F(ProcessTest, ASecondCheckNeverTakesTheFirstOnesReportEvenWithoutTheLockFile) {
    const auto alone = RunTabulex(
        {"check", large_.string(), "--report-dir", (root_ / "alone").string(), "--no-report-docx"});
    ASSERT_LT(alone.Status, 2);
    const Child child = Spawn(
        {"check", large_.string(), "--report-dir", report().string(), "--no-report-docx"}, root_ / "err.txt");
    ASSERT_TRUE(WaitForNewReport(report()));
    fs::remove(report() / report::kLockFileName);
    const auto second = RunTabulex(
        {"check", (root_ / "small.docx").string(), "--report-dir", report().string(), "--no-report-docx"});
    EXPECT_LT(second.Status, 2) << second.Err;
    EXPECT_LT(Wait(child), 2) << ReadFile(child.Err);
    EXPECT_EQ(ReadFile(report() / "Tabulex_Report.txt"), ReadFile(root_ / "alone" / "Tabulex_Report.txt"));
}

}  // namespace
}  // namespace tabulex::e2e

#else

#include <gtest/gtest.h>

TEST(ProcessTest, NeedsAPosixSystem) {
    GTEST_SKIP() << "child processes killed by signals and file-size limits are POSIX";
}

#endif
