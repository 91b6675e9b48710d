#include "docx/ListNumbering.h"

#include "docx/Ooxml.h"
#include "text/Cp1251.h"

#include <climits>
#include <vector>

namespace tabulex::word::docx {

struct ListNumbering::Counters {
    std::array<int, kLevels> Value{};
    std::array<bool, kLevels> Used{};
};

namespace {

struct Abstract {
    int Id = 0;
    std::string_view NumStyleLink;
    std::string_view StyleLink;
    pugi::xml_node Node;
};

std::optional<int> LevelIndex(pugi::xml_node element) {
    pugi::xml_attribute attribute = element.attribute("w:ilvl");
    if (!attribute) return std::nullopt;
    int value = attribute.as_int(-1);
    if (value < 0 || value >= ListNumbering::kLevels) return std::nullopt;
    return value;
}

template <class Level>
Level ReadLevel(pugi::xml_node lvl) {
    Level level;
    level.Defined = true;
    level.Node = lvl;
    level.Start = styles::IntValue(lvl.child("w:start")).value_or(0);
    level.Format = ParseNumberFormat(styles::StringValue(lvl.child("w:numFmt")));
    level.Text = text::Utf8ToCp1251(styles::StringValue(lvl.child("w:lvlText")));
    level.Legal = lvl.child("w:isLgl") && styles::OnOffValue(lvl.child("w:isLgl"));
    level.Restart = styles::IntValue(lvl.child("w:lvlRestart")).value_or(-1);
    level.Style = styles::StringValue(lvl.child("w:pStyle"));
    return level;
}

template <class Levels>
void ReadLevels(pugi::xml_node abstractNum, Levels& levels) {
    using Level = typename Levels::value_type;
    for (pugi::xml_node lvl : abstractNum.children("w:lvl"))
        if (std::optional<int> index = LevelIndex(lvl); index && !levels[*index].Defined)
            levels[*index] = ReadLevel<Level>(lvl);
}

}  // namespace

ListNumbering::ListNumbering(pugi::xml_node numberingRoot, const StyleSheet& styles)
    : root_(numberingRoot), styles_(&styles) {
    ReadLists(numberingRoot, styles);
}

void ListNumbering::ReadLists(pugi::xml_node numberingRoot, const StyleSheet& styles) {
    std::unordered_map<int, Abstract> abstracts;
    for (pugi::xml_node node : numberingRoot.children("w:abstractNum")) {
        int id = node.attribute("w:abstractNumId").as_int(-1);
        abstracts.try_emplace(id, Abstract{id, styles::StringValue(node.child("w:numStyleLink")),
                                           styles::StringValue(node.child("w:styleLink")), node});
    }
    std::unordered_map<int, int> abstractOfNum;
    for (pugi::xml_node num : numberingRoot.children("w:num"))
        abstractOfNum.try_emplace(num.attribute("w:numId").as_int(-1),
                                  styles::IntValue(num.child("w:abstractNumId")).value_or(-1));

    auto findAbstract = [&](int id) -> const Abstract* {
        auto found = abstracts.find(id);
        return found == abstracts.end() ? nullptr : &found->second;
    };
    // w:numStyleLink names a numbering style whose w:numPr points at the list that holds the levels
    // (that list's abstractNum carries the matching w:styleLink).
    auto followStyleLink = [&](const Abstract* abstract) -> const Abstract* {
        if (abstract->NumStyleLink.empty()) return abstract;
        NumberingRef ref = styles.StyleNumbering(abstract->NumStyleLink);
        if (auto num = abstractOfNum.find(ref.NumId); ref.NumId != 0 && num != abstractOfNum.end())
            if (const Abstract* target = findAbstract(num->second); target && target->NumStyleLink.empty())
                return target;
        for (const auto& [id, candidate] : abstracts)
            if (candidate.StyleLink == abstract->NumStyleLink && candidate.NumStyleLink.empty())
                return &candidate;
        return abstract;
    };

    std::unordered_map<int, int> sharedCounterSet;  // abstractNumId -> counter set
    for (pugi::xml_node num : numberingRoot.children("w:num")) {
        int numId = num.attribute("w:numId").as_int(-1);
        const Abstract* abstract = findAbstract(styles::IntValue(num.child("w:abstractNumId")).value_or(-1));
        if (numId <= 0 || !abstract || lists_.count(numId)) continue;
        abstract = followStyleLink(abstract);

        List list;
        ReadLevels(abstract->Node, list.Levels);
        bool ownCount = false;
        for (pugi::xml_node override : num.children("w:lvlOverride")) {
            std::optional<int> index = LevelIndex(override);
            if (!index) continue;
            if (std::optional<int> start = styles::IntValue(override.child("w:startOverride"))) {
                list.StartOverride[*index] = start;
                ownCount = true;
            }
            if (pugi::xml_node lvl = override.child("w:lvl")) {
                list.Levels[*index] = ReadLevel<Level>(lvl);
                ownCount = true;
            }
        }
        // Word: lists of one definition continue one another's numbers; a list that overrides a
        // level starts its own count.
        if (ownCount) {
            list.CounterSet = counterSets_++;
        } else {
            auto [shared, added] = sharedCounterSet.try_emplace(abstract->Id, counterSets_);
            if (added) ++counterSets_;
            list.CounterSet = shared->second;
        }
        lists_.emplace(numId, std::move(list));
    }
}

int ListNumbering::LevelOf(const List& list, const NumberingRef& ref) const {
    if (ref.LevelGiven) return ref.Ilvl;
    // A style that inherits its numbering takes the level bound to itself, else the level bound to
    // the style it inherits the numbering from.
    for (std::string_view style : {ref.StyleId, ref.NumberingStyleId}) {
        if (style.empty()) continue;
        for (int level = 0; level < kLevels; ++level)
            if (list.Levels[level].Defined && list.Levels[level].Style == style) return level;
    }
    return 0;
}

pugi::xml_node ListNumbering::ShownLevel(const NumberingRef& ref) const {
    auto found = lists_.find(ref.NumId);
    if (ref.NumId == 0 || found == lists_.end()) return {};
    int level = LevelOf(found->second, ref);
    if (level < 0 || level >= kLevels) return {};
    return found->second.Levels[level].Node;
}

void ListNumbering::Advance(const List& list, int level, Counters& counters) const {
    auto start = [&](int k) { return list.StartOverride[k].value_or(list.Levels[k].Start); };
    // A level shown before any number of a higher level counts that higher level as used at its
    // start value: Word shows "1.1" and continues the higher level with 2.
    for (int k = 0; k < level; ++k) {
        if (!counters.Used[k]) {
            counters.Value[k] = start(k);
            counters.Used[k] = true;
        }
    }
    if (!counters.Used[level]) {
        counters.Value[level] = start(level);
        counters.Used[level] = true;
    } else if (counters.Value[level] < INT_MAX) {
        ++counters.Value[level];
    }
    for (int deeper = level + 1; deeper < kLevels; ++deeper) {
        int restartAfter = list.Levels[deeper].Restart;  // 1-based level; 0: never restarts
        if (restartAfter < 0) restartAfter = deeper;
        if (level < restartAfter) counters.Used[deeper] = false;
    }
}

std::string ListNumbering::Format(const List& list, int level, const Counters& counters) const {
    const Level& shown = list.Levels[level];
    const std::string& pattern = shown.Text;
    std::string result;
    result.reserve(pattern.size() + 8);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] != '%' || next < '1' || next > '9') {
            result += pattern[i];
            continue;
        }
        int k = next - '1';
        int value =
            counters.Used[k] ? counters.Value[k] : list.StartOverride[k].value_or(list.Levels[k].Start);
        NumberFormat format = list.Levels[k].Format;
        if (shown.Legal && format != NumberFormat::None && format != NumberFormat::Bullet)
            format = NumberFormat::Decimal;
        result += FormatListNumber(value, format);
        ++i;
    }
    return result;
}

ListNumbering::ListCounter::ListCounter(const ListNumbering& numbering)
    : numbering_(numbering), counters_(static_cast<std::size_t>(numbering.counterSets_)) {}

ListNumbering::ListCounter::~ListCounter() = default;

bool ListNumbering::ListCounter::Next(const NumberingRef& ref, std::string& shown) {
    if (ref.NumId == 0) return false;
    auto found = numbering_.lists_.find(ref.NumId);
    if (found == numbering_.lists_.end()) return false;
    const List& list = found->second;
    int level = numbering_.LevelOf(list, ref);
    if (level < 0 || level >= kLevels || !list.Levels[level].Defined) return false;
    Counters& set = counters_[static_cast<std::size_t>(list.CounterSet)];
    numbering_.Advance(list, level, set);
    shown = numbering_.Format(list, level, set);
    return true;
}

ListStrings ListNumbering::ComputeListStrings(pugi::xml_node body,
                                              std::unordered_map<const void*, int>* ordinals) const {
    ListStrings result;
    if (!styles_ || lists_.empty() || !body) return result;
    ListCounter counter(*this);
    std::string shown;
    auto visit = [&](pugi::xml_node paragraph) {
        if (!counter.Next(styles_->ParagraphNumbering(paragraph), shown)) return;
        if (ordinals) ordinals->emplace(paragraph.internal_object(), static_cast<int>(result.size()));
        result.emplace(paragraph.internal_object(), shown);
    };

    // Paragraphs of the body in document order, also inside tables, nested tables, content controls
    // and other block containers; text boxes (inside runs) are other stories and are not entered. Of
    // an mc:AlternateContent the choice is read and the fallback, its copy, is skipped. A cell that
    // continues a vertical merge shows nothing, so its paragraphs are not counted.
    pugi::xml_node node = body.first_child();
    while (node) {
        const structure::StructureKind kind = structure::KindOf(node.name());
        bool enter = false;
        if (kind == structure::StructureKind::Paragraph) {
            visit(node);
        } else if (node.type() == pugi::node_element && kind != structure::StructureKind::Section &&
                   !Is(node, "mc:Fallback") &&
                   !(kind == structure::StructureKind::Cell && IsMergeContinuation(node))) {
            enter = static_cast<bool>(node.first_child());
        }
        if (enter) {
            node = node.first_child();
            continue;
        }
        while (node != body && !node.next_sibling()) node = node.parent();
        if (node == body) break;
        node = node.next_sibling();
    }
    return result;
}

}  // namespace tabulex::word::docx
