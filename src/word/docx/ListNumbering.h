#pragma once

// The list numbers Word shows (ListFormat.ListString), computed from word/numbering.xml and
// counted over the paragraphs of the document in document order.

#include "word/docx/StyleSheet.h"

#include <pugixml.hpp>

#include <string>
#include <unordered_map>

namespace tabulex::word::docx {

// Keyed by the paragraph's node (pugi::xml_node::internal_object()).
using ListStrings = std::unordered_map<const void*, std::string>;

class ListNumbering {
  public:
    ListNumbering() = default;  // a package without numbering.xml
    ListNumbering(pugi::xml_node numberingRoot, const StyleSheet& styles);

    // The shown number (Windows-1251, e.g. "1.", "а)", "IV", "2.1") of every numbered paragraph
    // of `body` (w:body, including paragraphs inside tables and nested tables).
    ListStrings ComputeListStrings(pugi::xml_node body) const;

  private:
    pugi::xml_node root_;
    const StyleSheet* styles_ = nullptr;
};

}  // namespace tabulex::word::docx
