#include "word/docx/StreamNames.h"

#include <array>
#include <cstddef>
#include "word/docx/InlineVocabulary.h"

#include <array>
#include <cstdint>

namespace tabulex::word::docx::stream {
namespace {

struct Entry {
    const char* Local;
    stream::Name Name;
};

// w: names grouped by their first letter after the prefix; the frequent ones first in a group.
constexpr Entry kW[] = {
    {"b", Name::B},
    {"br", Name::Br},
    {"body", Name::Body},
    {"bdo", Name::Bdo},
    {"cantSplit", Name::CantSplit},
    {"cr", Name::Cr},
    {"customXml", Name::CustomXml},
    {"commentReference", Name::CommentReference},
    {"document", Name::Document},
    {"drawing", Name::Drawing},
    {"dir", Name::Dir},
    {"endnoteReference", Name::EndnoteReference},
    {"fldChar", Name::FldChar},
    {"fldSimple", Name::FldSimple},
    {"footnoteReference", Name::FootnoteReference},
    {"gridCol", Name::GridCol},
    {"hyperlink", Name::Hyperlink},
    {"ilvl", Name::Ilvl},
    {"ins", Name::Ins},
    {"keepNext", Name::KeepNext},
    {"moveTo", Name::MoveTo},
    {"numPr", Name::NumPr},
    {"numId", Name::NumId},
    {"noBreakHyphen", Name::NoBreakHyphen},
    {"object", Name::Object},
    {"p", Name::P},
    {"pPr", Name::PPr},
    {"pStyle", Name::PStyle},
    {"ptab", Name::PTab},
    {"pict", Name::Pict},
    {"r", Name::R},
    {"rPr", Name::RPr},
    {"rStyle", Name::RStyle},
    {"sdt", Name::Sdt},
    {"sdtContent", Name::SdtContent},
    {"sectPr", Name::SectPr},
    {"smartTag", Name::SmartTag},
    {"softHyphen", Name::SoftHyphen},
    {"sym", Name::Sym},
    {"t", Name::T},
    {"tc", Name::Tc},
    {"tcPr", Name::TcPr},
    {"tr", Name::Tr},
    {"trPr", Name::TrPr},
    {"tbl", Name::Tbl},
    {"tab", Name::Tab},
    {"tblPr", Name::TblPr},
    {"tblGrid", Name::TblGrid},
    {"tblStyle", Name::TblStyle},
    {"tblHeader", Name::TblHeader},
    {"vMerge", Name::VMerge},
};
constexpr std::size_t kWCount = sizeof(kW) / sizeof(kW[0]);

// The entries of kW starting with each letter.
struct Group {
    std::uint8_t Begin = 0, End = 0;
};

constexpr std::array<Group, 128> kGroups = [] {
    std::array<Group, 128> groups{};
    for (std::size_t i = 0; i < kWCount; ++i) {
        Group& group = groups[static_cast<unsigned char>(kW[i].Local[0])];
        if (group.End == 0) group.Begin = static_cast<std::uint8_t>(i);
        group.End = static_cast<std::uint8_t>(i + 1);
    }
    return groups;
}();

constexpr bool Grouped() {
    for (std::size_t i = 0; i < kWCount; ++i) {
        const Group& group = kGroups[static_cast<unsigned char>(kW[i].Local[0])];
        if (i < group.Begin || i >= group.End) return false;
    }
    for (const Group& group : kGroups)
        for (std::size_t i = group.Begin; i < group.End; ++i)
            if (kW[i].Local[0] != kW[group.Begin].Local[0]) return false;
    return true;
}
static_assert(Grouped(), "kW must keep the names of one first letter together");

// True when the NUL-terminated `s` is `word`; reads `s` no further than the first difference.
bool Is(const char* s, const char* word) {
    while (*word != '\0' && *s == *word) {
        ++s;
        ++word;
    }
    return *s == *word;
}

Name ClassifyW(const char* local) {
    const auto first = static_cast<unsigned char>(local[0]);
    if (first >= kGroups.size()) return Name::OtherW;
    const Group& group = kGroups[first];
    for (std::size_t i = group.Begin; i < group.End; ++i)
        if (Is(local + 1, kW[i].Local + 1)) return kW[i].Name;
    return Name::OtherW;
}

}  // namespace

Name Classify(const char* q) {
    if (q[0] == 'w' && q[1] == ':' && q[2] != '\0') return ClassifyW(q + 2);
    if (q[0] == 'm' && q[1] == 'c' && q[2] == ':') {
        const char* local = q + 3;
        if (Is(local, "AlternateContent")) return Name::AlternateContent;
        if (Is(local, "Choice")) return Name::Choice;
        if (Is(local, "Fallback")) return Name::Fallback;
        return Name::Other;
    }
    if (q[0] == 'm' && q[1] == ':') {
        const char* local = q + 2;
        if (Is(local, "t")) return Name::MathT;
        if (Is(local, "oMath")) return Name::OMath;
        if (Is(local, "oMathPara")) return Name::OMathPara;
        return Name::Other;
    }
    if (q[0] == 'v' && q[1] == ':') return Is(q + 2, "shapetype") ? Name::Other : Name::VmlShape;
    if (Is(q, "wp:inline")) return Name::WpInline;
    return Name::Other;
}

const InlineMeaning& MeaningOf(Name name) {
    static const auto kMeanings = [] {
        std::array<InlineMeaning, static_cast<std::size_t>(Name::VmlShape) + 1> meanings{};
        for (const vocabulary::InlineEntry& entry : vocabulary::kInlineVocabulary) {
            InlineMeaning& meaning = meanings[static_cast<std::size_t>(Classify(entry.QualifiedName))];
            meaning.Transparent = entry.Kind == vocabulary::InlineKind::Transparent;
            meaning.Text = entry.Text;
        }
        return meanings;
    }();
    return kMeanings[static_cast<std::size_t>(name)];
}

}  // namespace tabulex::word::docx::stream
