#pragma once

// The list numbers Word shows (ListFormat.ListString), computed from word/numbering.xml and
// counted over the paragraphs of the document in document order.

#include "docx/NumberFormat.h"
#include "docx/StyleSheet.h"

#include <pugixml.hpp>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tabulex::word::docx {

// Keyed by the paragraph's node (pugi::xml_node::internal_object()).
using ListStrings = std::unordered_map<const void*, std::string>;

class ListNumbering {
    struct Counters;

  public:
    ListNumbering() = default;  // a package without numbering.xml
    ListNumbering(pugi::xml_node numberingRoot, const StyleSheet& styles);

    // The shown number (Windows-1251, e.g. "1.", "а)", "IV", "2.1") of every numbered paragraph
    // of `body` (w:body, including paragraphs inside tables and nested tables).
    // With `ordinals`, each numbered paragraph's place among them in document order (0, 1, ...).
    ListStrings ComputeListStrings(pugi::xml_node body,
                                   std::unordered_map<const void*, int>* ordinals = nullptr) const;

    // The w:lvl element that defines the level a paragraph with this numbering shows (after level
    // overrides, style-bound levels and w:numStyleLink), or an empty node: lets an editor read w:suff
    // the same way the numbers were computed.
    pugi::xml_node ShownLevel(const NumberingRef& ref) const;

    static constexpr int kLevels = 9;

    // Counts the paragraphs of a document one by one in document order (as ComputeListStrings
    // visits them): a streaming reader gives each paragraph's numbering and gets its shown number.
    class ListCounter {
      public:
        explicit ListCounter(const ListNumbering& numbering);
        ~ListCounter();
        // Counts the paragraph; true with the shown number in `shown` when it shows one.
        bool Next(const NumberingRef& ref, std::string& shown);

      private:
        const ListNumbering& numbering_;
        std::vector<Counters> counters_;
    };

  private:
    struct Level {
        bool Defined = false;
        int Start = 0;
        NumberFormat Format = NumberFormat::Decimal;
        std::string Text;        // w:lvlText in Windows-1251, %1..%9 kept
        bool Legal = false;      // w:isLgl: every number of the text in decimal digits
        int Restart = -1;        // w:lvlRestart; -1: restart after any higher level
        std::string_view Style;  // w:pStyle: the paragraph style bound to this level
        pugi::xml_node Node;     // the w:lvl element
    };
    using Levels = std::array<Level, kLevels>;

    // A w:num with its level definitions resolved (abstractNum, style links, level overrides).
    struct List {
        ListNumbering::Levels Levels;
        std::array<std::optional<int>, kLevels> StartOverride;
        int CounterSet = 0;  // lists that continue one another share a counter set
    };

    void ReadLists(pugi::xml_node numberingRoot, const StyleSheet& styles);
    int LevelOf(const List& list, const NumberingRef& ref) const;
    void Advance(const List& list, int level, Counters& counters) const;
    std::string Format(const List& list, int level, const Counters& counters) const;

    pugi::xml_node root_;
    const StyleSheet* styles_ = nullptr;
    std::unordered_map<int, List> lists_;
    int counterSets_ = 0;
};

}  // namespace tabulex::word::docx
