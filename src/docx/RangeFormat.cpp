#include "docx/RangeFormat.h"

#include "docx/DocxDocument.h"
#include "docx/InlineWalk.h"
#include "docx/PropertyEdit.h"
#include "docx/TriState.h"
#include "word/WordModel.h"

namespace tabulex::word::docx {
namespace {

struct BoldSink {
    const StyleSheet& Styles;
    pugi::xml_node Paragraph;
    pugi::xml_node Table;
    TriState& State;
    pugi::xml_node LastRun;

    void Run(pugi::xml_node) {}
    void Text(pugi::xml_node run, std::string_view) {
        if (!run || run == LastRun) return;
        LastRun = run;
        State.Add(Styles.RunIsBold(run, Paragraph, Table));
    }
};

struct RunCollector {
    std::vector<pugi::xml_node>& Runs;
    void Run(pugi::xml_node run) { Runs.push_back(run); }
    void Text(pugi::xml_node, std::string_view) {}
};

std::vector<pugi::xml_node> RunsOf(pugi::xml_node paragraph) {
    std::vector<pugi::xml_node> runs;
    RunCollector collector{runs};
    FieldState fields;
    WalkParagraph(paragraph, fields, collector);
    return runs;
}

}  // namespace

int RangeBold(const DocxDocument& document, pugi::xml_node range) {
    const StyleSheet& styles = document.Styles();
    TriState text;
    FieldState fields;
    ForEachParagraphIn(range, [&](pugi::xml_node paragraph) {
        BoldSink sink{styles, paragraph, EnclosingTable(paragraph), text, {}};
        WalkParagraph(paragraph, fields, sink);
    });
    if (!text.Empty()) return text.Value();
    TriState marks;
    ForEachParagraphIn(range, [&](pugi::xml_node paragraph) {
        marks.Add(styles.ParagraphMarkIsBold(paragraph, EnclosingTable(paragraph)));
    });
    return marks.Empty() ? kFalse : marks.Value();
}

void SetRangeBold(pugi::xml_node range, bool bold) {
    auto apply = [bold](pugi::xml_node rPr) {
        SetRunToggle(rPr, "w:b", bold);
        SetRunToggle(rPr, "w:bCs", bold);
    };
    ForEachParagraphIn(range, [&](pugi::xml_node paragraph) {
        for (pugi::xml_node run : RunsOf(paragraph)) apply(RunProperties(run));
        apply(ParagraphMarkProperties(paragraph));
    });
}

void SetRangeFont(pugi::xml_node range, std::string_view fontUtf8) {
    ForEachParagraphIn(range, [&](pugi::xml_node paragraph) {
        for (pugi::xml_node run : RunsOf(paragraph)) SetRunFonts(RunProperties(run), fontUtf8);
        SetRunFonts(ParagraphMarkProperties(paragraph), fontUtf8);
    });
}

int RangeKeepWithNext(const DocxDocument& document, pugi::xml_node range) {
    TriState state;
    ForEachParagraphIn(range, [&](pugi::xml_node paragraph) {
        state.Add(document.Styles().KeepWithNext(paragraph, EnclosingTable(paragraph)));
    });
    return state.Empty() ? kFalse : state.Value();
}

void SetRangeKeepWithNext(pugi::xml_node range, bool keep) {
    ForEachParagraphIn(range, [&](pugi::xml_node paragraph) {
        SetParagraphToggle(ParagraphProperties(paragraph), "w:keepNext", keep);
    });
}

}  // namespace tabulex::word::docx
