#include "platform/Terminal.h"

#include <unistd.h>

namespace tabulex::platform {

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

void PrepareConsoleOutput() {}

std::vector<std::string> Utf8Arguments(int argc, const char* const* argv) {
    return std::vector<std::string>(argv, argv + argc);
}

}  // namespace tabulex::platform
