#pragma once

// Synthetic archival inventories for benchmarks and end-to-end tests: a preface, then the main
// table of five columns (header row, numbering row, headings every few dozen rows, cases with
// literal, missing, repeated and list-numbered numbers, typical faults at a low rate), then the
// closing lines. The same options give the same bytes. The document is written with the project's
// own package layer.
//
//   bench::InventoryOptions options{.Rows = 100000, .Seed = 7};
//   bench::InventoryStats stats = bench::WriteInventory("opis.docx", options);

#include "InventoryContent.h"
#include "ooxml/Package.h"

#include <cstdint>
#include <string>

namespace tabulex::bench {

struct InventoryOptions {
    long long Rows = 1000;  // table rows in total, header and numbering rows included
    std::uint64_t Seed = 1;
    int FaultPerMille = 40;  // case rows given one typical fault, per thousand
};

struct InventoryStats {
    InventoryCounts Counts;
    long long DocumentXmlBytes = 0;
    long long Lists = 0;  // Word lists numbering case numbers
};

// word/document.xml and the list starts its numbering needs, built in one pass.
struct InventoryDocument {
    std::string DocumentXml;
    std::string NumberingXml;
    InventoryStats Stats;
};
InventoryDocument BuildInventoryDocument(const InventoryOptions& options);

ooxml::Package MakeInventoryPackage(const InventoryOptions& options, InventoryStats* stats = nullptr);

// Writes the inventory to `path` (UTF-8). Throws text::Error when the file cannot be written.
InventoryStats WriteInventory(const std::string& path, const InventoryOptions& options);

}  // namespace tabulex::bench
