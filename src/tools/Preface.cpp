// The preface: the text of the inventory before its main table, prepared for a memo with one line
// per paragraph or manual line break.

#include "check/Messages.h"
#include "tools/CommandRun.h"
#include "tools/Tools.h"
#include "word/WordModel.h"

namespace tabulex::tools {
namespace {

constexpr char kPicture = '\x01';  // what a picture in the line reads as

// Cell marks (tables inside the preface) become spaces, the last of a row none; paragraph ends,
// row ends and manual line breaks CR LF; pictures nothing.
std::string MemoText(std::string_view text) {
    std::string memo;
    memo.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\a') {
            const bool rowEnds =
                i + 2 < text.size() && text[i + 2] == '\r' && (i + 3 == text.size() || text[i + 3] != '\a');
            if (!rowEnds) memo += ' ';
            ++i;
        } else if (c == kPicture) {
            continue;
        } else if (c == '\r' || c == '\v') {
            memo += "\r\n";
        } else {
            memo += c;
        }
    }
    return memo;
}

}  // namespace

PrefaceOutcome LoadPreface(word::Document& document) {
    PrefaceOutcome outcome;
    try {
        const int mainTable = detail::MainTableOf(document);
        if (mainTable == 0) throw text::Error(std::string(check::msg::kNoTables));
        outcome.Text = MemoText(document.TextBeforeTable(mainTable));
    } catch (const text::Error& error) {
        outcome.End = ToolEnd::Failed;
        outcome.Message = error.Message();
    }
    return outcome;
}

std::string CharacterCodeStatus(std::string_view memoText, int caret) {
    if (caret < 1 || caret > static_cast<int>(memoText.size())) return {};
    return std::to_string(static_cast<unsigned char>(memoText[static_cast<std::size_t>(caret - 1)]));
}

}  // namespace tabulex::tools
