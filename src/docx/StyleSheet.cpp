#include "docx/StyleSheet.h"

namespace tabulex::word::docx {

namespace {

// Deeper basedOn chains than this are cycles or hostile input; Word itself stops far earlier.
constexpr int kMaxChain = 64;

struct Direct {
    std::optional<bool> Bold;
    std::optional<bool> KeepNext;
    std::optional<int> NumId;
    std::optional<int> Ilvl;
};

Direct ReadStyleProps(pugi::xml_node style) {
    pugi::xml_node pPr = style.child("w:pPr");
    pugi::xml_node numPr = pPr.child("w:numPr");
    return {styles::OnOffChild(style.child("w:rPr"), "w:b"), styles::OnOffChild(pPr, "w:keepNext"),
            styles::IntValue(numPr.child("w:numId")), styles::IntValue(numPr.child("w:ilvl"))};
}

template <class T>
void FillUnset(std::optional<T>& target, const std::optional<T>& value) {
    if (!target && value) target = value;
}

}  // namespace

StyleSheet::StyleSheet(pugi::xml_node stylesRoot) : root_(stylesRoot) {
    ReadDefaults(stylesRoot);
    ResolveChains(stylesRoot);
}

void StyleSheet::ReadDefaults(pugi::xml_node stylesRoot) {
    pugi::xml_node defaults = stylesRoot.child("w:docDefaults");
    defaultBold_ = styles::OnOffChild(defaults.child("w:rPrDefault").child("w:rPr"), "w:b").value_or(false);
    defaultKeepNext_ =
        styles::OnOffChild(defaults.child("w:pPrDefault").child("w:pPr"), "w:keepNext").value_or(false);
}

void StyleSheet::ResolveChains(pugi::xml_node stylesRoot) {
    styles::StringMap<pugi::xml_node> nodes;
    for (pugi::xml_node style : stylesRoot.children("w:style"))
        nodes.try_emplace(style.attribute("w:styleId").value(), style);

    for (const auto& [id, node] : nodes) {
        Resolved resolved;
        resolved.Id = node.attribute("w:styleId").value();
        resolved.Type = node.attribute("w:type").value();
        pugi::xml_node current = node;
        for (int depth = 0; current && depth < kMaxChain; ++depth) {
            Direct props = ReadStyleProps(current);
            FillUnset(resolved.Bold, props.Bold);
            FillUnset(resolved.KeepNext, props.KeepNext);
            if (!resolved.NumId && props.NumId) resolved.NumIdStyle = current.attribute("w:styleId").value();
            FillUnset(resolved.NumId, props.NumId);
            FillUnset(resolved.Ilvl, props.Ilvl);
            std::string_view basedOn = styles::StringValue(current.child("w:basedOn"));
            auto next = basedOn.empty() ? nodes.end() : nodes.find(basedOn);
            current = next == nodes.end() ? pugi::xml_node() : next->second;
        }
        styles_.emplace(id, resolved);
    }

    for (pugi::xml_node style : stylesRoot.children("w:style")) {
        std::string_view flag = style.attribute("w:default").value();
        if (!(flag == "1" || flag == "true" || flag == "on")) continue;
        std::string_view type = style.attribute("w:type").value();
        const Resolved* resolved = Find(style.attribute("w:styleId").value(), type);
        if (!resolved) continue;
        if (type == "paragraph" && defaultParagraph_.Id.empty()) defaultParagraph_ = *resolved;
        if (type == "table" && defaultTable_.Id.empty()) defaultTable_ = *resolved;
    }
}

const StyleSheet::Resolved* StyleSheet::Find(std::string_view id, std::string_view type) const {
    if (id.empty()) return nullptr;
    auto found = styles_.find(id);
    if (found == styles_.end() || found->second.Type != type) return nullptr;
    return &found->second;
}

const StyleSheet::Resolved& StyleSheet::ParagraphStyle(std::string_view id) const {
    const Resolved* style = Find(id, "paragraph");
    return style ? *style : defaultParagraph_;
}

const StyleSheet::Resolved& StyleSheet::TableStyle(bool inTable, std::string_view id) const {
    if (!inTable) return none_;
    const Resolved* style = Find(id, "table");
    return style ? *style : defaultTable_;
}

namespace {

std::string_view PStyleOf(pugi::xml_node paragraph) {
    return styles::StringValue(styles::PropertiesOf(paragraph, "w:pPr").child("w:pStyle"));
}

std::string_view TableStyleOf(pugi::xml_node table) {
    return styles::StringValue(styles::PropertiesOf(table, "w:tblPr").child("w:tblStyle"));
}

}  // namespace

// Direct formatting sets bold absolutely. Otherwise each style level (table, paragraph, character)
// contributes the first value of its basedOn chain, and every level that says "bold" toggles the
// value inherited from the document defaults: a bold character style in a bold paragraph style
// gives plain text, as in Word.
bool StyleSheet::IsBold(std::optional<bool> directBold, std::string_view characterStyle,
                        std::string_view paragraphStyle, bool inTable, std::string_view tableStyle) const {
    if (directBold) return *directBold;
    bool bold = defaultBold_;
    if (TableStyle(inTable, tableStyle).Bold.value_or(false)) bold = !bold;
    if (ParagraphStyle(paragraphStyle).Bold.value_or(false)) bold = !bold;
    const Resolved* character = Find(characterStyle, "character");
    if (character && character->Bold.value_or(false)) bold = !bold;
    return bold;
}

bool StyleSheet::IsBold(pugi::xml_node rPr, pugi::xml_node paragraph, pugi::xml_node table) const {
    if (std::optional<bool> direct = styles::OnOffChild(rPr, "w:b")) return *direct;
    return IsBold(std::nullopt, styles::StringValue(rPr.child("w:rStyle")), PStyleOf(paragraph),
                  static_cast<bool>(table), table ? TableStyleOf(table) : std::string_view());
}

bool StyleSheet::RunIsBold(pugi::xml_node run, pugi::xml_node paragraph, pugi::xml_node table) const {
    return IsBold(styles::PropertiesOf(run, "w:rPr"), paragraph, table);
}

bool StyleSheet::ParagraphMarkIsBold(pugi::xml_node paragraph, pugi::xml_node table) const {
    return IsBold(styles::PropertiesOf(paragraph, "w:pPr").child("w:rPr"), paragraph, table);
}

bool StyleSheet::KeepWithNext(std::optional<bool> directKeep, std::string_view paragraphStyle, bool inTable,
                              std::string_view tableStyle) const {
    if (directKeep) return *directKeep;
    if (std::optional<bool> style = ParagraphStyle(paragraphStyle).KeepNext) return *style;
    if (std::optional<bool> fromTable = TableStyle(inTable, tableStyle).KeepNext) return *fromTable;
    return defaultKeepNext_;
}

bool StyleSheet::KeepWithNext(pugi::xml_node paragraph, pugi::xml_node table) const {
    pugi::xml_node pPr = styles::PropertiesOf(paragraph, "w:pPr");
    if (std::optional<bool> direct = styles::OnOffChild(pPr, "w:keepNext")) return *direct;
    return KeepWithNext(std::nullopt, styles::StringValue(pPr.child("w:pStyle")), static_cast<bool>(table),
                        table ? TableStyleOf(table) : std::string_view());
}

// Asked for every paragraph of the document: one pass over w:pPr and one over w:numPr.
NumberingRef StyleSheet::ParagraphNumbering(pugi::xml_node paragraph) const {
    pugi::xml_node pPr = styles::PropertiesOf(paragraph, "w:pPr");
    pugi::xml_node pStyle, numPr;
    for (pugi::xml_node child = pPr.first_child(); child; child = child.next_sibling()) {
        std::string_view name = child.name();
        if (name == "w:pStyle") pStyle = child;
        if (name == "w:numPr") numPr = child;
    }
    std::optional<int> numId, ilvl;
    for (pugi::xml_node child = numPr.first_child(); child; child = child.next_sibling()) {
        std::string_view name = child.name();
        if (name == "w:numId") numId = styles::IntValue(child);
        if (name == "w:ilvl") ilvl = styles::IntValue(child);
    }
    return ParagraphNumbering(styles::StringValue(pStyle), numId, ilvl);
}

NumberingRef StyleSheet::ParagraphNumbering(std::string_view paragraphStyle, std::optional<int> numId,
                                            std::optional<int> ilvl) const {
    const Resolved& style = ParagraphStyle(paragraphStyle);
    NumberingRef ref;
    ref.StyleId = style.Id;
    if (!numId) ref.NumberingStyleId = style.NumIdStyle;
    FillUnset(numId, style.NumId);
    FillUnset(ilvl, style.Ilvl);
    ref.NumId = numId.value_or(0) > 0 ? *numId : 0;
    ref.Ilvl = ilvl.value_or(0);
    ref.LevelGiven = ilvl.has_value();
    return ref;
}

NumberingRef StyleSheet::StyleNumbering(std::string_view styleId) const {
    auto found = styles_.find(styleId);
    if (found == styles_.end()) return {};
    const Resolved& style = found->second;
    NumberingRef ref;
    ref.NumId = style.NumId.value_or(0) > 0 ? *style.NumId : 0;
    ref.Ilvl = style.Ilvl.value_or(0);
    ref.LevelGiven = style.Ilvl.has_value();
    ref.StyleId = style.Id;
    ref.NumberingStyleId = style.NumIdStyle;
    return ref;
}

}  // namespace tabulex::word::docx
