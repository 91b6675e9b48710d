// Ctrl+C on Windows: a console control event stops a running check at its next progress point, as
// SIGTERM does elsewhere; the check writes its stop report and exits with 2. The command runs as
// tabulex.exe in a console of its own, which the test joins to press Ctrl+C there: an event sent to
// one process group alone (Ctrl+Break) does not arrive under Wine, and the tests themselves
// usually run without a console.

#ifdef _WIN32

#include "e2e/E2eTest.h"
#include "e2e/InventoryBuilder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <thread>

namespace tabulex::e2e {
namespace {
namespace fs = std::filesystem;

// An inventory of `rows` cases, every third number with a full stop too many (a problem line).
std::string LargePlan(int rows) {
    std::string plan =
        "-\t№ п/п\tЗаголовок дела\tКрайние даты\tКол-во листов\tПримечание\n-\t1\t2\t3\t4\t5\n";
    for (int k = 1; k <= rows; ++k)
        plan += "-\t" + std::to_string(k) + (k % 3 == 0 ? "." : "") + "\tПереписка " + std::to_string(k) +
                "\t" + std::to_string(1900 + k % 100) + "\t" + std::to_string(1 + k % 50) + "\t\n";
    return plan;
}

class Child {
  public:
    // Starts `tabulex.exe ARGS...` (no argument holds a quote) with its standard error in `errFile`.
    Child(const std::vector<std::string>& args, const fs::path& errFile) {
        std::wstring command =
            L"\"" + fs::path(std::string(TABULEX_BINARY_DIR) + "/bin/tabulex.exe").wstring() + L"\"";
        for (const std::string& arg : args) command += L" \"" + fs::path(arg).wstring() + L"\"";
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        err_ = ::CreateFileW(errFile.wstring().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        out_ = ::CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = out_;
        startup.hStdError = err_;
        started_ = ::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE,
                                    nullptr, nullptr, &startup, &process_) != 0;
    }
    ~Child() {
        if (started_) {
            if (::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
                ::TerminateProcess(process_.hProcess, 9);
            ::CloseHandle(process_.hProcess);
            ::CloseHandle(process_.hThread);
        }
        ::CloseHandle(err_);
        ::CloseHandle(out_);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return started_; }
    // Ctrl+C on the command's console, which the test leaves again afterwards.
    bool PressCtrlC() const {
        ::FreeConsole();
        const bool sent =
            ::AttachConsole(process_.dwProcessId) && ::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
        ::FreeConsole();
        ::AttachConsole(ATTACH_PARENT_PROCESS);
        return sent;
    }
    // The exit status; -1 when it has not ended within `timeout`.
    int Wait(std::chrono::milliseconds timeout) const {
        if (::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
            return -1;
        DWORD status = 0;
        ::GetExitCodeProcess(process_.hProcess, &status);
        return static_cast<int>(status);
    }

  private:
    PROCESS_INFORMATION process_{};
    HANDLE err_ = INVALID_HANDLE_VALUE;
    HANDLE out_ = INVALID_HANDLE_VALUE;
    bool started_ = false;
};

// True once the check has begun writing its report (its temporary file exists).
bool WaitForNewReport(const fs::path& folder) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (std::chrono::steady_clock::now() < deadline) {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder, error))
            if (entry.path().filename().string().starts_with(".~Tabulex_Report.txt")) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

// The tests take no console event themselves while they send one to the command's console.
BOOL WINAPI IgnoreControlEvent(DWORD) {
    return TRUE;
}

class ConsoleStopTest : public E2eTest {
  protected:
    void SetUp() override {
        E2eTest::SetUp();
        ::SetConsoleCtrlHandler(IgnoreControlEvent, TRUE);
    }
    void TearDown() override {
        ::SetConsoleCtrlHandler(IgnoreControlEvent, FALSE);
        E2eTest::TearDown();
    }
};

TEST_F(ConsoleStopTest, AConsoleControlEventStopsTheCheckWithItsStopReport) {
    const fs::path large = root_ / "large.docx";
    WriteInventory(LargePlan(30000), large);
    const fs::path report = root_ / "report";
    const auto whole =
        RunTabulex({"check", large.string(), "--report-dir", (root_ / "whole").string(), "--no-report-docx"});
    ASSERT_LT(whole.Status, 2) << whole.Err;
    const std::string uninterrupted = ReadFile(root_ / "whole" / "Tabulex_Report.txt");

    fs::create_directories(report);
    const Child child({"check", large.string(), "--report-dir", report.string(), "--no-report-docx"},
                      root_ / "err.txt");
    ASSERT_TRUE(child.Started());
    ASSERT_TRUE(WaitForNewReport(report));
    ASSERT_TRUE(child.PressCtrlC()) << "Ctrl+C not sent: " << ::GetLastError();
    ASSERT_EQ(child.Wait(std::chrono::minutes(2)), 2);
    const std::string err = ReadFile(root_ / "err.txt");
    EXPECT_EQ(err.rfind("large.docx: Проверка прервана на строке ", 0), 0u) << err;
    const std::string stopped = ReadFile(report / "Tabulex_Report.txt");
    EXPECT_LT(stopped.size(), uninterrupted.size());
    EXPECT_EQ(stopped, uninterrupted.substr(0, stopped.size()));
    EXPECT_TRUE(stopped.ends_with("\r\n"));
}

}  // namespace
}  // namespace tabulex::e2e

#endif
