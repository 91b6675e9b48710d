#pragma once

// What the rows of a synthetic inventory say: the header, the numbering row, headings by year and
// by section, and cases with realistic Russian titles, covering dates, sheet counts and notes, with
// literal, missing and repeated case numbers, list-numbered blocks and a low rate of the faults
// archivists really make. Texts are UTF-8, ready for word/document.xml; no text needs XML escaping.

#include "InventoryRandom.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tabulex::bench {

enum class InventoryRowKind { Header, Numbering, Heading, Data, Empty };

// One table row. The strings are reused from row to row, so the generator allocates nothing per row.
struct InventoryRow {
    InventoryRowKind Kind = InventoryRowKind::Data;
    std::string Number;  // empty when listNumId is set
    std::string Title;   // also the text of a heading row
    std::string Dates;
    std::string Quantity;
    std::string Notes;
    int ListNumId = 0;     // > 0: the number cell is numbered by this w:num
    bool Bold = true;      // heading rows
    bool KeepNext = true;  // heading rows
    bool CantSplit = true;
};

struct InventoryCounts {
    long long TableRows = 0;
    long long DataRows = 0;
    long long HeadingRows = 0;
    long long EmptyRows = 0;
    long long NumberingRows = 0;
    long long ListNumberedRows = 0;
    long long FaultRows = 0;
    long long LastCaseNumber = 0;
    // The first list-numbered row (1-based table row) and the number Word shows there, e.g. "37.".
    long long FirstListRow = 0;
    std::string FirstListString;
};

class InventoryContent {
  public:
    // `rows`: table rows in total (header and numbering rows included); `faultPerMille`: case rows
    // given a fault, per thousand.
    InventoryContent(long long rows, std::uint64_t seed, int faultPerMille = 40);

    // Fills `row` with the next table row; false after the last one.
    bool NextRow(InventoryRow& row);

    // The first case number of every list (w:num 1, 2, ...), for numbering.xml.
    const std::vector<long long>& ListStarts() const { return listStarts_; }
    const InventoryCounts& Counts() const { return counts_; }
    int FirstYear() const { return kFirstYear; }
    int LastYear() const { return kLastYear; }

    static constexpr int kFirstYear = 1941;
    static constexpr int kLastYear = 1975;

  private:
    void StartSection(InventoryRow& row);
    void FillCase(InventoryRow& row);
    void FillNumber(InventoryRow& row);
    void FillTitle(std::string& out);
    void FillDates(std::string& out);
    void FillQuantity(std::string& out);
    void AppendOrganisation(std::string& out);
    void AppendPerson(std::string& out, bool genitive);
    void AppendYear(std::string& out, int year);
    void AddFault(InventoryRow& row);

    InventoryRandom random_;
    long long rows_;
    int faultPerMille_;
    long long row_ = 0;  // table rows produced so far
    int sectionLeft_ = 0;
    int sectionNumber_ = 0;
    int year_ = kFirstYear - 1;  // the year of the current section
    int listNumId_ = 0;          // the list numbering the current section, 0 for none
    long long nextNumber_ = 1;
    long long lastNumber_ = 0;
    std::vector<long long> listStarts_;
    InventoryCounts counts_;
};

}  // namespace tabulex::bench
