#include "platform/Terminal.h"

#include <windows.h>

namespace tabulex::platform {

bool StandardErrorIsTerminal() {
    DWORD mode = 0;
    return ::GetConsoleMode(::GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

}  // namespace tabulex::platform
