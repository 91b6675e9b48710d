#include "app/HelpTopics.h"

namespace tabulex::app {

HelpPlace ToolHelpPlace(tools::Tool tool) {
    const auto contents = [](const char* anchor) {
        return HelpPlace{HelpTopic::Contents, QString::fromLatin1(anchor)};
    };
    switch (tool) {
        case tools::Tool::DeleteEmptyRows:
            return contents("delete-empty-rows");
        case tools::Tool::DeleteNumberingRows:
            return contents("delete-numbering-rows");
        case tools::Tool::NumberCases:
            return contents("number-cases");
        case tools::Tool::AutoNumberCases:
            return contents("auto-number-cases");
        case tools::Tool::ListsToText:
            return contents("lists-to-text");
        case tools::Tool::TablesToText:
            return contents("tables-to-text");
        default:
            return contents("other-tools");
    }
}

}  // namespace tabulex::app
