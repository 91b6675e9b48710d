#include "docx/DocxRange.h"

#include "docx/ContentEdit.h"
#include "docx/DocxDocument.h"
#include "docx/DocxObjects.h"
#include "docx/HostMessages.h"
#include "docx/ListEdit.h"
#include "docx/PropertyEdit.h"
#include "docx/RangeFormat.h"
#include "docx/StoryText.h"
#include "text/Cp1251.h"

namespace tabulex::word::docx {

namespace {

void CheckCurrent(const NodeRef& ref) {
    if (ref.Generation != ref.Document->Generation() || ref.Serial != ref.Document->Serial())
        throw text::Error(std::string(messages::kObjectDeleted));
}

}  // namespace

pugi::xml_node NodeRef::Get() const {
    CheckCurrent(*this);
    if (!Node) Node = Document->CompactNode(Place);
    return Node;
}

const CompactStory* NodeRef::Compact() const {
    CheckCurrent(*this);
    return Node ? nullptr : Document->Compact();
}

NodeRef MakeRef(DocxDocument& document, pugi::xml_node node) {
    return {&document, node, document.Generation(), document.Serial(), {}};
}

NodeRef MakeRef(DocxDocument& document, const StoryPlace& place) {
    return {&document, {}, document.Generation(), document.Serial(), place};
}

namespace {

class DocxFont final : public word::Font {
  public:
    DocxFont(NodeRef ref, RangeKind kind) : ref_(ref), kind_(kind) {}
    int Bold() const override {
        if (const CompactStory* story = ref_.Compact()) return story->Bold(ref_.Place);
        return RangeBold(*ref_.Document, ref_.Get());
    }
    void SetBold(int value) override {
        if (value == kUndefined) return;
        SetRangeBold(ref_.Get(), value != kFalse);
        ref_.Document->MarkEdited(EditKind::Formatting);
    }
    void SetName(std::string_view name) override {
        std::string utf8 = text::Cp1251ToUtf8(name);
        SetRangeFont(ref_.Get(), utf8);
        ref_.Document->MarkEdited(EditKind::Formatting);
        if (kind_ != RangeKind::Story) return;
        // New text typed into the document takes the font too.
        pugi::xml_node defaults = ref_.Document->StylesRoot().child("w:docDefaults");
        if (!defaults) return;
        pugi::xml_node rPrDefault = defaults.child("w:rPrDefault");
        if (!rPrDefault) rPrDefault = defaults.prepend_child("w:rPrDefault");
        pugi::xml_node rPr = rPrDefault.child("w:rPr");
        if (!rPr) rPr = rPrDefault.append_child("w:rPr");
        SetRunFonts(rPr, utf8);
        ref_.Document->MarkStylesEdited();
    }

  private:
    NodeRef ref_;
    RangeKind kind_;
};

class DocxParagraphFormat final : public word::ParagraphFormat {
  public:
    explicit DocxParagraphFormat(NodeRef ref) : ref_(ref) {}
    int KeepWithNext() const override {
        if (const CompactStory* story = ref_.Compact()) return story->KeepWithNext(ref_.Place);
        return RangeKeepWithNext(*ref_.Document, ref_.Get());
    }
    void SetKeepWithNext(int value) override {
        if (value == kUndefined) return;
        SetRangeKeepWithNext(ref_.Get(), value != kFalse);
        ref_.Document->MarkEdited(EditKind::Formatting);
    }

  private:
    NodeRef ref_;
};

class DocxListFormat final : public word::ListFormat {
  public:
    explicit DocxListFormat(NodeRef ref) : ref_(ref) {}
    std::string ListString() const override {
        if (const CompactStory* story = ref_.Compact()) return std::string(story->ListString(ref_.Place));
        return RangeListString(*ref_.Document, ref_.Get());
    }
    void RemoveNumbers() override {
        if (RemoveRangeNumbers(*ref_.Document, ref_.Get())) ref_.Document->MarkEdited(EditKind::Numbering);
    }
    void ConvertNumbersToText() override {
        if (ConvertRangeNumbersToText(*ref_.Document, ref_.Get()))
            ref_.Document->MarkEdited(EditKind::Numbering);
    }
    void ApplyNumberedList(bool continuePreviousList) override {
        pugi::xml_node range = ref_.Get();
        const int numId = ref_.Document->NumberedList(!continuePreviousList);
        ApplyRangeNumbering(range, numId);
        ref_.Document->MarkEdited(EditKind::Content);
    }

  private:
    NodeRef ref_;
};

class DocxRange final : public word::Range {
  public:
    DocxRange(NodeRef ref, RangeKind kind) : ref_(ref), kind_(kind) {}

    std::string Text() const override {
        if (const CompactStory* story = ref_.Compact()) return std::string(story->Text(ref_.Place));
        pugi::xml_node node = ref_.Get();
        switch (kind_) {
            case RangeKind::Row:
                return text::Utf8ToCp1251(RowTextUtf8(node));
            case RangeKind::Cell:
                return text::Utf8ToCp1251(CellTextUtf8(node));
            case RangeKind::Story:
                break;
        }
        return text::Utf8ToCp1251(StoryTextUtf8(node));
    }

    void SetText(std::string_view text) override {
        if (kind_ != RangeKind::Cell) throw text::Error(std::string(messages::kTextOnlyForCells));
        ReplaceCellText(ref_.Get(), text::Cp1251ToUtf8(text));
        ref_.Document->MarkEdited(EditKind::Content);
    }

    std::unique_ptr<word::Font> Font() override { return std::make_unique<DocxFont>(ref_, kind_); }
    std::unique_ptr<word::ParagraphFormat> ParagraphFormat() override {
        return std::make_unique<DocxParagraphFormat>(ref_);
    }
    std::unique_ptr<word::ListFormat> ListFormat() override { return std::make_unique<DocxListFormat>(ref_); }

  private:
    NodeRef ref_;
    RangeKind kind_;
};

// The story range follows the document: it stays valid across structural edits.
class StoryRange final : public word::Range {
  public:
    explicit StoryRange(DocxDocument& document) : document_(document) {}
    std::string Text() const override { return Current()->Text(); }
    void SetText(std::string_view text) override { Current()->SetText(text); }
    std::unique_ptr<word::Font> Font() override { return Current()->Font(); }
    std::unique_ptr<word::ParagraphFormat> ParagraphFormat() override { return Current()->ParagraphFormat(); }
    std::unique_ptr<word::ListFormat> ListFormat() override { return Current()->ListFormat(); }

  private:
    std::unique_ptr<word::Range> Current() const {
        return MakeRange(MakeRef(document_, document_.Body()), RangeKind::Story);
    }
    DocxDocument& document_;
};

}  // namespace

std::unique_ptr<word::Range> MakeRange(NodeRef ref, RangeKind kind) {
    return std::make_unique<DocxRange>(ref, kind);
}

std::unique_ptr<word::Range> MakeStoryRange(DocxDocument& document) {
    return std::make_unique<StoryRange>(document);
}

}  // namespace tabulex::word::docx
