#pragma once

// Walks the content of a paragraph in document order as Word shows it in Range.Text: runs inside
// hyperlinks, smart tags, content controls, simple fields and insertions; the results of complex
// fields without their instructions; one branch of mc:AlternateContent; no deleted text.
//
// A sink has two members: Run(run) for every run met (not deleted), and Text(run, utf8) for the
// characters shown, with Word's control characters for non-text content (InlineVocabulary.h, which
// the streaming reader shares). Math text is passed with an empty run.

#include "docx/InlineVocabulary.h"
#include "docx/Ooxml.h"

#include <pugixml.hpp>

#include <cstring>
#include <string_view>
#include <vector>

namespace tabulex::word::docx {

// Complex fields (w:fldChar begin / separate / end) may nest and span runs and paragraphs:
// text is shown only when every open field is in its result part.
class FieldState {
  public:
    void Begin() {
        stack_.push_back(false);
        ++inInstruction_;
    }
    void Separate() {
        if (!stack_.empty() && !stack_.back()) {
            stack_.back() = true;
            --inInstruction_;
        }
    }
    void End() {
        if (stack_.empty()) return;
        if (!stack_.back()) --inInstruction_;
        stack_.pop_back();
    }
    bool Visible() const { return inInstruction_ == 0; }
    // A w:fldChar by its w:fldCharType; other types change nothing.
    void Apply(std::string_view fldCharType) {
        if (fldCharType == "begin")
            Begin();
        else if (fldCharType == "separate")
            Separate();
        else if (fldCharType == "end")
            End();
    }

  private:
    std::vector<bool> stack_;
    int inInstruction_ = 0;
};

template <class Sink>
class InlineWalker {
  public:
    InlineWalker(FieldState& fields, Sink& sink) : fields_(fields), sink_(sink) {}

    void Walk(pugi::xml_node container) {
        for (pugi::xml_node child : container.children()) {
            const char* name = child.name();
            if (std::strcmp(name, "w:pPr") == 0) continue;  // the most frequent child that shows nothing
            if (std::strcmp(name, "w:r") == 0) {
                sink_.Run(child);
                WalkRun(child, child);
            } else if (vocabulary::IsTransparentInline(name)) {
                Walk(child);
            } else if (std::strcmp(name, "w:sdt") == 0) {
                Walk(child.child("w:sdtContent"));
            } else if (std::strcmp(name, "mc:AlternateContent") == 0) {
                Walk(ChosenBranch(child));
            } else if (std::strcmp(name, "m:oMath") == 0 || std::strcmp(name, "m:oMathPara") == 0) {
                WalkMath(child);
            }
        }
    }

  private:
    void Emit(pugi::xml_node run, std::string_view text) {
        if (fields_.Visible() && !text.empty()) sink_.Text(run, text);
    }

    void WalkRun(pugi::xml_node container, pugi::xml_node run) {
        for (pugi::xml_node child : container.children()) {
            const char* name = child.name();
            if (name[0] == 'w' && name[1] == ':') {
                WalkRunChild(child, name + 2, run);
            } else if (std::strcmp(name, "mc:AlternateContent") == 0) {
                WalkRun(ChosenBranch(child), run);
            }
        }
    }

    void WalkRunChild(pugi::xml_node child, const char* local, pugi::xml_node run) {
        if (std::strcmp(local, "rPr") == 0) return;  // in most runs, and shows nothing
        if (std::strcmp(local, "t") == 0) {
            Emit(run, child.child_value());
        } else if (std::strcmp(local, "br") == 0) {
            Emit(run, vocabulary::BreakText(child.attribute("w:type").value()));
        } else if (std::strcmp(local, "fldChar") == 0) {
            fields_.Apply(child.attribute("w:fldCharType").value());
        } else if (std::strcmp(local, "drawing") == 0) {
            if (child.child("wp:inline")) Emit(run, vocabulary::kInlineObject);
        } else if (std::strcmp(local, "pict") == 0) {
            if (!IsFloatingVml(child)) Emit(run, vocabulary::kInlineObject);
        } else if (const vocabulary::InlineEntry* entry = vocabulary::FindInline(child.name());
                   entry && entry->Kind == vocabulary::InlineKind::FixedText) {
            Emit(run, entry->Text);
        }
    }

    void WalkMath(pugi::xml_node node) {
        for (pugi::xml_node child : node.children()) {
            if (Is(child, "m:t"))
                Emit(pugi::xml_node(), child.child_value());
            else if (child.type() == pugi::node_element)
                WalkMath(child);
        }
    }

    FieldState& fields_;
    Sink& sink_;
};

template <class Sink>
void WalkParagraph(pugi::xml_node paragraph, FieldState& fields, Sink& sink) {
    InlineWalker<Sink>(fields, sink).Walk(paragraph);
}

// The first run of a paragraph that Word shows (not deleted), or an empty node.
inline pugi::xml_node FirstRunOf(pugi::xml_node paragraph) {
    struct Sink {
        pugi::xml_node First;
        void Run(pugi::xml_node run) {
            if (!First) First = run;
        }
        void Text(pugi::xml_node, std::string_view) {}
    } sink;
    FieldState fields;
    WalkParagraph(paragraph, fields, sink);
    return sink.First;
}

// Calls f(p) for every paragraph of the main-story content under `node` (a body, table, row, cell
// or content control) in document order, nested tables included, text boxes excluded.
template <class F>
void ForEachParagraphIn(pugi::xml_node node, F&& f) {
    for (pugi::xml_node child : node.children()) {
        const structure::StructureKind kind = structure::KindOf(child.name());
        if (kind == structure::StructureKind::Paragraph) {
            f(child);
            continue;
        }
        switch (structure::RangeReach(kind)) {
            case structure::Reach::Yes:
                ForEachParagraphIn(child, f);
                break;
            case structure::Reach::FirstContent:
                ForEachParagraphIn(child.child("w:sdtContent"), f);
                break;
            case structure::Reach::No:
                break;
        }
    }
}

}  // namespace tabulex::word::docx
