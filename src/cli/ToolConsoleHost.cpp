#include "cli/ToolConsoleHost.h"

#include "cli/ConsoleHost.h"

namespace tabulex::cli {

void ToolConsoleHost::SetCaption(std::string_view text) {
    progress_.Update(label_, ToTerminalText(text));
}

}  // namespace tabulex::cli
