// Graphics removal: every floating drawing object of the document (drawn lines, stamps, text boxes),
// counted by kind.

#include "text/TextHelpers.h"
#include "tools/CommandRun.h"
#include "tools/ToolCatalog.h"
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

std::string ShapesDeletedText(const ShapeCounts& counts, const CommandTexts& texts) {
    return text::FillIn(texts.Result, {std::to_string(counts.Lines), std::to_string(counts.Pictures),
                                       std::to_string(counts.Others)});
}

}  // namespace

std::string ShapesDeletedText(const ShapeCounts& counts) {
    return ShapesDeletedText(counts, FindTool(Tool::DeleteGraphics)->Texts);
}

ToolOutcome DeleteGraphics(word::Document& document, ToolHost& host, const ToolOptions& options,
                           const CommandTexts& texts) {
    ToolOutcome outcome;
    return detail::Guarded(outcome, [&] {
        if (!detail::Confirmed(host, options, detail::ConfirmationOf(Tool::DeleteGraphics, texts)))
            throw detail::CommandEnd{ToolEnd::Cancelled};
        const int count = document.Shapes()->Count();
        // Nothing to delete: the command ends without a status text.
        if (count == 0) return;
        detail::BusyCursor busy(host);
        host.ShowStatus(texts.Progress);
        // Always the first object that is left: the index stays valid while the collection shrinks.
        for (int k = 0; k < count; ++k) {
            detail::CheckStop(host);
            auto shape = document.Shapes()->Item(1);
            CountShape(shape->Kind(), outcome.Shapes);
            shape->Delete();
            ++outcome.Count;
        }
        host.ShowStatus(ShapesDeletedText(outcome.Shapes, texts));
    });
}

}  // namespace tabulex::tools
