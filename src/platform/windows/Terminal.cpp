#include "platform/Terminal.h"

#include "Wide.h"

#include <windows.h>

#include <shellapi.h>

namespace tabulex::platform {

bool StandardErrorIsTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

void PrepareConsoleOutput() {
    ::SetConsoleOutputCP(CP_UTF8);
}

std::vector<std::string> Utf8Arguments(int argc, const char* const* argv) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (wide == nullptr || count != argc) {
        if (wide != nullptr) ::LocalFree(wide);
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(windows::Utf8(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

}  // namespace tabulex::platform
