#include "cli/ToolConsoleHost.h"

#include "cli/ConsoleHost.h"

namespace tabulex::cli {

// The progress line shows what the command is doing, on a terminal only.
void ToolConsoleHost::ShowStatus(std::string_view text) {
    lastStatus_ = std::string(text);
    progress_.Update(label_, ToTerminalText(text));
}

void ToolConsoleHost::SetCaption(std::string_view text) {
    progress_.Update(label_, ToTerminalText(text));
}

}  // namespace tabulex::cli
