// Graphics removal: every floating drawing object of the document (drawn lines and the like).

#include "tools/CommandRun.h"
#include "tools/ToolTexts.h"
#include "tools/Tools.h"
#include "word/WordModel.h"

namespace tabulex::tools {

ToolOutcome DeleteGraphics(word::Document& document, ToolHost& host, const ToolOptions& options) {
    ToolOutcome outcome;
    return detail::Guarded(outcome, [&] {
        const Confirmation confirmation{Tool::DeleteGraphics, msg::kDeleteGraphicsCaption,
                                        msg::kDeleteGraphicsText, false};
        if (!detail::Confirmed(host, options, confirmation)) throw detail::CommandEnd{ToolEnd::Cancelled};
        const int count = document.Shapes()->Count();
        // Nothing to delete: the command ends without a status text.
        if (count == 0) return;
        detail::BusyCursor busy(host);
        host.ShowStatus(msg::kDeletingGraphics);
        // Always the first object that is left: the index stays valid while the collection shrinks.
        for (int k = 0; k < count; ++k) {
            detail::CheckStop(host);
            document.Shapes()->Item(1)->Delete();
        }
        outcome.Count = count;
        host.ShowStatus(detail::CountText(msg::kLinesDeleted, count));
    });
}

}  // namespace tabulex::tools
