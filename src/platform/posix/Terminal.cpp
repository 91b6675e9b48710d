#include "platform/Terminal.h"

#include <unistd.h>

namespace tabulex::platform {

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

}  // namespace tabulex::platform
