#include "platform/ChildProcess.h"

#include "Handle.h"
#include "Wide.h"

#include <windows.h>

#include <cwchar>
#include <stdexcept>

namespace tabulex::platform {
namespace {

using windows::Handle;
using windows::Wide;

// One argument as CommandLineToArgvW and the C runtime read it back: quoted when it holds a space,
// a tab or a quote, with backslashes doubled only before a quote.
std::wstring Quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::wstring CommandLine(const std::vector<std::string>& args) {
    std::wstring line;
    for (const std::string& argument : args) {
        if (!line.empty()) line += L' ';
        line += Quoted(Wide(argument));
    }
    return line;
}

bool Replaced(std::wstring_view entry, const std::vector<std::pair<std::wstring, std::wstring>>& variables) {
    for (const auto& [name, value] : variables)
        if (entry.size() > name.size() && entry[name.size()] == L'=' &&
            ::CompareStringOrdinal(entry.data(), static_cast<int>(name.size()), name.data(),
                                   static_cast<int>(name.size()), TRUE) == CSTR_EQUAL)
            return true;
    return false;
}

// This process's environment with `variables` put in: NAME=value strings, each ended by a zero,
// the block by one more.
std::wstring EnvironmentBlock(const std::vector<std::pair<std::string, std::string>>& variables) {
    std::vector<std::pair<std::wstring, std::wstring>> wide;
    for (const auto& [name, value] : variables) wide.emplace_back(Wide(name), Wide(value));
    std::wstring block;
    if (wchar_t* strings = ::GetEnvironmentStringsW()) {
        for (const wchar_t* entry = strings; *entry; entry += std::wcslen(entry) + 1)
            if (!Replaced(entry, wide)) block.append(entry).push_back(L'\0');
        ::FreeEnvironmentStringsW(strings);
    }
    for (const auto& [name, value] : wide) block.append(name + L"=" + value).push_back(L'\0');
    block.push_back(L'\0');
    return block;
}

Handle Inheritable(HANDLE handle) {
    if (handle != INVALID_HANDLE_VALUE)
        ::SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    return Handle(handle);
}

// A job that holds the program and whatever it starts: its memory is limited there, and closing or
// terminating the job ends all of them.
Handle MakeJob(std::uint64_t memoryBytes) {
    Handle job(::CreateJobObjectW(nullptr, nullptr));
    if (!job.Valid()) throw std::runtime_error(windows::LastErrorText("CreateJobObjectW", ::GetLastError()));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_PROCESS_MEMORY;
    limits.ProcessMemoryLimit = static_cast<SIZE_T>(memoryBytes);
    ::SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

}  // namespace

ChildOutcome RunChild(const std::vector<std::string>& args,
                      const std::vector<std::pair<std::string, std::string>>& variables,
                      const std::string& logPath, const ChildLimits& limits) {
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle input = Inheritable(::CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                             &inherit, OPEN_EXISTING, 0, nullptr));
    Handle log = Inheritable(::CreateFileW(Wide(logPath).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!input.Valid() || !log.Valid())
        throw std::runtime_error(
            windows::LastErrorText("CreateFileW (child's input or log)", ::GetLastError()));
    Handle job = MakeJob(limits.MemoryBytes);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.Get();
    startup.hStdOutput = log.Get();
    startup.hStdError = log.Get();
    PROCESS_INFORMATION process{};
    std::wstring commandLine = CommandLine(args);
    std::wstring environment = EnvironmentBlock(variables);
    // Suspended until it is in the job, so that nothing it starts escapes the job.
    if (!::CreateProcessW(Wide(args.at(0)).c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                          CREATE_SUSPENDED | CREATE_UNICODE_ENVIRONMENT | CREATE_NO_WINDOW,
                          environment.data(), nullptr, &startup, &process))
        throw std::runtime_error(windows::LastErrorText("CreateProcessW", ::GetLastError()));
    Handle child(process.hProcess);
    Handle thread(process.hThread);
    ::AssignProcessToJobObject(job.Get(), child.Get());
    ::ResumeThread(thread.Get());

    ChildOutcome outcome;
    const auto deadline = std::chrono::steady_clock::now() + limits.Timeout;
    while (::WaitForSingleObject(child.Get(), 50) == WAIT_TIMEOUT) {
        outcome.Stopped = limits.Stop && limits.Stop->load();
        if (outcome.Stopped || std::chrono::steady_clock::now() >= deadline) {
            outcome.TimedOut = !outcome.Stopped;
            ::TerminateJobObject(job.Get(), 1);
            ::WaitForSingleObject(child.Get(), INFINITE);
            break;
        }
    }
    ::TerminateJobObject(job.Get(), 1);  // helpers the program may have left behind in its job
    DWORD status = 1;
    ::GetExitCodeProcess(child.Get(), &status);
    outcome.Succeeded = !outcome.Stopped && !outcome.TimedOut && status == 0;
    outcome.Description =
        outcome.Stopped || outcome.TimedOut ? "job terminated" : "exit status " + std::to_string(status);
    return outcome;
}

}  // namespace tabulex::platform
