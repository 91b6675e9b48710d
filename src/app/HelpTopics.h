#pragma once

// The places of the bundled help: its topics and, inside the first, the entry of each editing
// command, which the command's question opens with its Справка button.

#include "tools/ToolHost.h"

#include <QString>

namespace tabulex::app {

enum class HelpTopic { Contents = 10, WhatsNew = 40 };

struct HelpPlace {
    HelpTopic Topic = HelpTopic::Contents;
    QString Anchor;  // empty: the top of the topic
};

// Where the help describes `tool`.
HelpPlace ToolHelpPlace(tools::Tool tool);

}  // namespace tabulex::app
