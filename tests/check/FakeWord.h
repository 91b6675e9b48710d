#pragma once

// An in-memory word processor for the check run's tests: documents of tables of rows of cells
// with their texts and list numbers, the row formatting the rules read, and failures on demand.
// Header-only so that the report tests can use it too.

#include "text/Cp1251.h"
#include "word/WordModel.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tabulex::check::fake {

struct FakeCell {
    std::string Text;        // 1251, paragraphs separated by CR
    std::string ListString;  // the automatic number shown, or empty
    bool FailListString = false;
};

struct FakeRow {
    std::vector<FakeCell> Cells;
    int Bold = word::kTrue;
    int KeepWithNext = word::kTrue;
    int AllowBreak = word::kFalse;
    bool RepeatsAsHeader = false;
    bool FirstCellMerged = false;
    int FailReads = 0;  // the next reads of the row's text that fail
    int TextReads = 0;
};

struct FakeTable {
    std::vector<FakeRow> Rows;
    int ColumnCount = 5;
};

inline text::Error FakeFailure() {
    return text::Error("fake failure");
}

class FakeFont : public word::Font {
  public:
    // `row`: where a put value goes (the tools' tests read it back); may be null.
    explicit FakeFont(int bold, std::string* name = nullptr, int* row = nullptr)
        : bold_(bold), name_(name), row_(row) {}
    int Bold() const override { return bold_; }
    void SetBold(int value) override {
        bold_ = value;
        if (row_) *row_ = value;
    }
    void SetName(std::string_view name) override {
        if (name_) *name_ = name;
    }

  private:
    int bold_;
    std::string* name_;
    int* row_;
};

class FakeParagraphFormat : public word::ParagraphFormat {
  public:
    explicit FakeParagraphFormat(int keep, int* row = nullptr) : keep_(keep), row_(row) {}
    int KeepWithNext() const override { return keep_; }
    void SetKeepWithNext(int value) override {
        keep_ = value;
        if (row_) *row_ = value;
    }

  private:
    int keep_;
    int* row_;
};

class FakeListFormat : public word::ListFormat {
  public:
    explicit FakeListFormat(const FakeCell* cell) : cell_(cell) {}
    std::string ListString() const override {
        if (cell_ == nullptr) return {};
        if (cell_->FailListString) throw FakeFailure();
        return cell_->ListString;
    }
    void RemoveNumbers() override {}
    void ConvertNumbersToText() override {}
    void ApplyNumberedList(bool) override {}

  private:
    const FakeCell* cell_;
};

// A range over a row, over one cell, or over a whole text document.
class FakeRange : public word::Range {
  public:
    FakeRange(FakeRow* row, const FakeCell* cell, std::string* fontName = nullptr)
        : row_(row), cell_(cell), fontName_(fontName) {}
    std::string Text() const override {
        if (cell_ != nullptr) return cell_->Text + "\r\a";
        if (row_ == nullptr) return {};
        ++row_->TextReads;
        if (row_->FailReads > 0) {
            --row_->FailReads;
            throw FakeFailure();
        }
        std::string text;
        for (const FakeCell& cell : row_->Cells) text += cell.Text + "\r\a";
        return text + "\r\a";
    }
    void SetText(std::string_view) override {}
    std::unique_ptr<word::Font> Font() override {
        return std::make_unique<FakeFont>(row_ ? row_->Bold : word::kFalse, fontName_,
                                          row_ ? &row_->Bold : nullptr);
    }
    std::unique_ptr<word::ParagraphFormat> ParagraphFormat() override {
        return std::make_unique<FakeParagraphFormat>(row_ ? row_->KeepWithNext : word::kFalse,
                                                     row_ ? &row_->KeepWithNext : nullptr);
    }
    std::unique_ptr<word::ListFormat> ListFormat() override {
        return std::make_unique<FakeListFormat>(cell_);
    }

  private:
    FakeRow* row_;
    const FakeCell* cell_;
    std::string* fontName_;
};

class FakeCellObject : public word::Cell {
  public:
    explicit FakeCellObject(const FakeCell* cell) : cell_(cell) {}
    std::unique_ptr<word::Range> Range() override { return std::make_unique<FakeRange>(nullptr, cell_); }

  private:
    const FakeCell* cell_;
};

class FakeRowObject : public word::Row {
  public:
    explicit FakeRowObject(FakeRow& row) : row_(row) {}
    std::unique_ptr<word::Range> Range() override { return std::make_unique<FakeRange>(&row_, nullptr); }
    int CellCount() const override { return static_cast<int>(row_.Cells.size()); }
    int AllowBreakAcrossPages() const override { return row_.AllowBreak; }
    void SetAllowBreakAcrossPages(int value) override { row_.AllowBreak = value; }
    int HeadingFormat() const override { return row_.RepeatsAsHeader ? word::kTrue : word::kFalse; }
    bool FirstCellContinuesMerge() const override { return row_.FirstCellMerged; }
    void Delete() override {}

  private:
    FakeRow& row_;
};

class FakeRows : public word::Rows {
  public:
    explicit FakeRows(FakeTable& table) : table_(table) {}
    int Count() const override { return static_cast<int>(table_.Rows.size()); }
    std::unique_ptr<word::Row> Item(int index) override {
        if (index < 1 || index > Count()) throw FakeFailure();
        return std::make_unique<FakeRowObject>(table_.Rows[static_cast<std::size_t>(index - 1)]);
    }
    void SetAllowBreakAcrossPages(int value) override {
        for (FakeRow& row : table_.Rows) row.AllowBreak = value;
    }

  private:
    FakeTable& table_;
};

class FakeColumns : public word::Columns {
  public:
    explicit FakeColumns(int count) : count_(count) {}
    int Count() const override { return count_; }

  private:
    int count_;
};

class FakeTableObject : public word::Table {
  public:
    explicit FakeTableObject(FakeTable& table) : table_(table) {}
    std::unique_ptr<word::Rows> Rows() override { return std::make_unique<FakeRows>(table_); }
    std::unique_ptr<word::Columns> Columns() override {
        return std::make_unique<FakeColumns>(table_.ColumnCount);
    }
    std::unique_ptr<word::Cell> Cell(int row, int column) override {
        if (row < 1 || row > static_cast<int>(table_.Rows.size())) throw FakeFailure();
        const auto& cells = table_.Rows[static_cast<std::size_t>(row - 1)].Cells;
        if (column < 1 || column > static_cast<int>(cells.size())) throw FakeFailure();
        return std::make_unique<FakeCellObject>(&cells[static_cast<std::size_t>(column - 1)]);
    }
    void ConvertToText() override {}

  private:
    FakeTable& table_;
};

class FakeTables : public word::Tables {
  public:
    explicit FakeTables(std::vector<FakeTable>& tables) : tables_(tables) {}
    int Count() const override { return static_cast<int>(tables_.size()); }
    std::unique_ptr<word::Table> Item(int index) override {
        if (index < 1 || index > Count()) throw FakeFailure();
        return std::make_unique<FakeTableObject>(tables_[static_cast<std::size_t>(index - 1)]);
    }

  private:
    std::vector<FakeTable>& tables_;
};

class FakeOptions : public word::Options {
  public:
    bool ReplaceQuotes = true;
    bool DefineStyles = false;
    bool AutoFormatAsYouTypeReplaceQuotes() const override { return ReplaceQuotes; }
    bool AutoFormatAsYouTypeDefineStyles() const override { return DefineStyles; }
};

// A document: the inventory's tables and the paragraphs after them.
class FakeDocument : public word::Document {
  public:
    std::string DocumentName = "opis.docx";
    std::vector<FakeTable> TableList;
    // The paragraphs after each table (1-based), Windows-1251.
    std::map<int, std::vector<std::string>> After;
    // What Content()->Font() was set to.
    std::string FontName;

    std::string Name() const override { return DocumentName; }
    std::string FullName() const override { return DocumentName; }
    std::unique_ptr<word::Tables> Tables() override { return std::make_unique<FakeTables>(TableList); }
    std::unique_ptr<word::Shapes> Shapes() override { return nullptr; }
    std::unique_ptr<word::Range> Content() override {
        return std::make_unique<FakeRange>(nullptr, nullptr, &FontName);
    }
    bool Saved() const override { return true; }
    std::string TextBeforeTable(int) override { return {}; }
    std::vector<std::string> ParagraphsAfterTable(int tableIndex) override { return After[tableIndex]; }
    void Save() override {}
    void SaveAs(const std::string&) override {}
};

class FakeDocuments : public word::Documents {
  public:
    std::vector<std::unique_ptr<FakeDocument>> OpenDocuments;
    std::vector<std::unique_ptr<FakeDocument>> Closed;

    int Count() const override { return static_cast<int>(OpenDocuments.size()); }
    word::Document& Item(int index) override {
        return *OpenDocuments.at(static_cast<std::size_t>(index - 1));
    }
    word::Document& Open(const std::string&, const word::OpenOptions&) override { throw FakeFailure(); }
    void Close(word::Document& document, int) override {
        for (auto it = OpenDocuments.begin(); it != OpenDocuments.end(); ++it) {
            if (it->get() != &document) continue;
            Closed.push_back(std::move(*it));
            OpenDocuments.erase(it);
            return;
        }
    }
    void RefreshChangedOnDisk() override {}
};

// A row from readable UTF-8 cell texts.
inline FakeRow MakeRow(std::initializer_list<std::string_view> utf8Cells) {
    FakeRow row;
    for (std::string_view cell : utf8Cells) row.Cells.push_back({text::Utf8ToCp1251(cell), {}, false});
    return row;
}

}  // namespace tabulex::check::fake
