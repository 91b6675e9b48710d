// Graphics removal: every floating drawing object of the document (drawn lines, stamps, text boxes),
// counted by kind.

#include "text/TextHelpers.h"
#include "tools/CommandRun.h"
#include "tools/ToolTexts.h"
#include "tools/Tools.h"
#include "word/WordModel.h"

namespace tabulex::tools {
namespace {

void CountShape(word::ShapeKind kind, ShapeCounts& counts) {
    switch (kind) {
        case word::ShapeKind::Line:
            ++counts.Lines;
            break;
        case word::ShapeKind::Picture:
            ++counts.Pictures;
            break;
        case word::ShapeKind::Other:
            ++counts.Others;
            break;
    }
}

}  // namespace

std::string ShapesDeletedText(const ShapeCounts& counts) {
    return text::FillIn(msg::kShapesDeleted, {std::to_string(counts.Lines), std::to_string(counts.Pictures),
                                              std::to_string(counts.Others)});
}

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
            auto shape = document.Shapes()->Item(1);
            CountShape(shape->Kind(), outcome.Shapes);
            shape->Delete();
            ++outcome.Count;
        }
        host.ShowStatus(ShapesDeletedText(outcome.Shapes));
    });
}

}  // namespace tabulex::tools
