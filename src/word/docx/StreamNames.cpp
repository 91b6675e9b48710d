#include "word/docx/StreamNames.h"

#include <cstring>
#include <string_view>

namespace tabulex::word::docx::stream {
namespace {

struct Entry {
    std::string_view local;
    Name name;
};

// w: names by their first letter after the prefix; the frequent ones first.
constexpr Entry kW[] = {
    {"p", Name::P},
    {"r", Name::R},
    {"t", Name::T},
    {"tc", Name::Tc},
    {"tr", Name::Tr},
    {"tbl", Name::Tbl},
    {"tab", Name::Tab},
    {"tblPr", Name::TblPr},
    {"trPr", Name::TrPr},
    {"tblGrid", Name::TblGrid},
    {"tblStyle", Name::TblStyle},
    {"pPr", Name::PPr},
    {"rPr", Name::RPr},
    {"b", Name::B},
    {"pStyle", Name::PStyle},
    {"rStyle", Name::RStyle},
    {"ptab", Name::PTab},
    {"pict", Name::Pict},
    {"br", Name::Br},
    {"body", Name::Body},
    {"bdo", Name::Bdo},
    {"document", Name::Document},
    {"drawing", Name::Drawing},
    {"dir", Name::Dir},
    {"sdt", Name::Sdt},
    {"sdtContent", Name::SdtContent},
    {"sectPr", Name::SectPr},
    {"smartTag", Name::SmartTag},
    {"softHyphen", Name::SoftHyphen},
    {"sym", Name::Sym},
    {"customXml", Name::CustomXml},
    {"cantSplit", Name::CantSplit},
    {"cr", Name::Cr},
    {"commentReference", Name::CommentReference},
    {"gridCol", Name::GridCol},
    {"keepNext", Name::KeepNext},
    {"numPr", Name::NumPr},
    {"numId", Name::NumId},
    {"noBreakHyphen", Name::NoBreakHyphen},
    {"ilvl", Name::Ilvl},
    {"ins", Name::Ins},
    {"hyperlink", Name::Hyperlink},
    {"moveTo", Name::MoveTo},
    {"fldSimple", Name::FldSimple},
    {"fldChar", Name::FldChar},
    {"footnoteReference", Name::FootnoteReference},
    {"endnoteReference", Name::EndnoteReference},
    {"object", Name::Object},
};

Name ClassifyW(const char* local) {
    std::string_view name(local);
    for (const Entry& entry : kW)
        if (entry.local[0] == name[0] && entry.local == name) return entry.name;
    return Name::OtherW;
}

}  // namespace

Name Classify(const char* q) {
    if (q[0] == 'w' && q[1] == ':' && q[2] != '\0') return ClassifyW(q + 2);
    if (q[0] == 'm' && q[1] == 'c' && q[2] == ':') {
        const char* local = q + 3;
        if (std::strcmp(local, "AlternateContent") == 0) return Name::AlternateContent;
        if (std::strcmp(local, "Choice") == 0) return Name::Choice;
        if (std::strcmp(local, "Fallback") == 0) return Name::Fallback;
        return Name::Other;
    }
    if (q[0] == 'm' && q[1] == ':') {
        const char* local = q + 2;
        if (std::strcmp(local, "t") == 0) return Name::MathT;
        if (std::strcmp(local, "oMath") == 0) return Name::OMath;
        if (std::strcmp(local, "oMathPara") == 0) return Name::OMathPara;
        return Name::Other;
    }
    if (q[0] == 'v' && q[1] == ':') return std::strcmp(q, "v:shapetype") == 0 ? Name::Other : Name::VmlShape;
    if (std::strcmp(q, "wp:inline") == 0) return Name::WpInline;
    return Name::Other;
}

}  // namespace tabulex::word::docx::stream
