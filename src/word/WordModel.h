#pragma once

// The word processor's object model as the checker and the tools use it: Word's automation
// objects with the members the program calls. Indexes are 1-based; Booleans read as -1 (true)
// and 0 (false), and 9999999 when a range mixes both. Texts cross in Windows-1251.
// Objects are handles into a document: fetch them afresh by index after a structural edit.
// Failures throw text::Error.

#include "text/Error.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex::word {

inline constexpr int kTrue = -1;
inline constexpr int kFalse = 0;
inline constexpr int kUndefined = 9999999;

// Document.Close(SaveChanges)
inline constexpr int kDoNotSaveChanges = 0;
inline constexpr int kPromptToSaveChanges = -2;

class Font {
  public:
    virtual ~Font() = default;
    virtual int Bold() const = 0;
    virtual void SetBold(int value) = 0;
    virtual void SetName(std::string_view name) = 0;
};

class ParagraphFormat {
  public:
    virtual ~ParagraphFormat() = default;
    virtual int KeepWithNext() const = 0;
    virtual void SetKeepWithNext(int value) = 0;
};

class ListFormat {
  public:
    virtual ~ListFormat() = default;
    // The automatic number Word shows for the range's first numbered paragraph; empty when none.
    virtual std::string ListString() const = 0;
    virtual void RemoveNumbers() = 0;
    // Writes the shown numbers as literal text (with their suffix, unless the paragraph has no text
    // of its own), then removes the numbering.
    virtual void ConvertNumbersToText() = 0;
    // Numbers the range's paragraphs with a decimal list of plain numbers ("1", "2", ...): a new
    // list that starts at 1, or with `continuePreviousList` the list that the last call on this
    // document started.
    virtual void ApplyNumberedList(bool continuePreviousList) = 0;
};

class Range {
  public:
    virtual ~Range() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(std::string_view text) = 0;
    virtual std::unique_ptr<word::Font> Font() = 0;
    virtual std::unique_ptr<word::ParagraphFormat> ParagraphFormat() = 0;
    virtual std::unique_ptr<word::ListFormat> ListFormat() = 0;
};

class Cell {
  public:
    virtual ~Cell() = default;
    virtual std::unique_ptr<word::Range> Range() = 0;
    // The cell continues a vertical merge started in a row above (Word shows it as part of that
    // cell; its text reads as empty).
    virtual bool ContinuesVerticalMerge() const { return false; }
};

class Row {
  public:
    virtual ~Row() = default;
    virtual std::unique_ptr<word::Range> Range() = 0;
    // Row.Cells.Count: the row's own cells (a table nested in one of them not counted).
    virtual int CellCount() const = 0;
    virtual int AllowBreakAcrossPages() const = 0;
    virtual void SetAllowBreakAcrossPages(int value) = 0;
    // Row.HeadingFormat: -1 when the row repeats at the top of every page as the table's header.
    virtual int HeadingFormat() const { return kFalse; }
    // The row's first cell continues a vertical merge from the row above (it shows no text).
    virtual bool FirstCellContinuesMerge() const { return false; }
    virtual void Delete() = 0;
};

class Rows {
  public:
    virtual ~Rows() = default;
    virtual int Count() const = 0;
    virtual std::unique_ptr<word::Row> Item(int index) = 0;
    virtual void SetAllowBreakAcrossPages(int value) = 0;
};

class Columns {
  public:
    virtual ~Columns() = default;
    virtual int Count() const = 0;
};

class Table {
  public:
    virtual ~Table() = default;
    virtual std::unique_ptr<word::Rows> Rows() = 0;
    virtual std::unique_ptr<word::Columns> Columns() = 0;
    virtual std::unique_ptr<word::Cell> Cell(int row, int column) = 0;
    // The table becomes one paragraph per row, cells separated by TAB.
    virtual void ConvertToText() = 0;
};

class Tables {
  public:
    virtual ~Tables() = default;
    virtual int Count() const = 0;
    virtual std::unique_ptr<word::Table> Item(int index) = 0;
};

// What a floating drawing object is, as an archivist would name it.
enum class ShapeKind { Line, Picture, Other };

class Shape {
  public:
    virtual ~Shape() = default;
    virtual ShapeKind Kind() const { return ShapeKind::Other; }
    virtual void Delete() = 0;
};

class Shapes {
  public:
    virtual ~Shapes() = default;
    virtual int Count() const = 0;
    virtual std::unique_ptr<word::Shape> Item(int index) = 0;
};

// A comment on a cell of a table row, or on a paragraph after the table; one line per paragraph.
struct CellComment {
    int Row = 0;   // 1-based row of the table
    int Cell = 1;  // 1-based cell of the row; a cell past the row's last or without a paragraph
                   // gives way to the nearest cell before it that has one
    std::vector<std::string> Lines;  // Windows-1251
};

struct ParagraphComment {
    int Paragraph = 0;  // 1-based, among the paragraphs after the table (ParagraphsAfterTable)
    std::vector<std::string> Lines;
};

// Comments to add to the copy of a document, all on one top-level table and what follows it.
struct CommentSet {
    int Table = 0;
    std::string Author;    // Windows-1251
    std::string Initials;  // Windows-1251
    std::string Date;      // xsd:dateTime, e.g. "2026-12-08T00:57:00Z"
    std::vector<CellComment> Cells;
    std::vector<ParagraphComment> Paragraphs;
};

class Document {
  public:
    virtual ~Document() = default;
    // The file name without its folder, as opened (Windows-1251, like every text).
    virtual std::string Name() const = 0;
    // The full path of the file (UTF-8, as the file system names it).
    virtual std::string FullName() const = 0;
    virtual std::unique_ptr<word::Tables> Tables() = 0;
    virtual std::unique_ptr<word::Shapes> Shapes() = 0;
    // The whole main story (Selection.WholeStory).
    virtual std::unique_ptr<word::Range> Content() = 0;
    virtual bool Saved() const = 0;

    // The text of the main story before top-level table `tableIndex`, paragraphs ended by CR; a table
    // there gives its cells ended by CR BEL and each of its rows ended by CR.
    virtual std::string TextBeforeTable(int tableIndex) = 0;
    // The texts of the first paragraphs of the main story after top-level table `tableIndex`, up
    // to the next table (runs' text, tabs and manual line breaks as 11 only; at most a few dozen paragraphs).
    virtual std::vector<std::string> ParagraphsAfterTable(int /*tableIndex*/) { return {}; }
    // Writes a copy of the document, as it was opened, with the comments added, to `path`
    // (never the document's own file); the document itself is not changed.
    virtual void SaveCopyWithComments(const std::string& path, const CommentSet& comments);
    // Top-level table `tableIndex` and the table after it become one table: the rows of the second
    // move to the end of the first, and the blank paragraphs between them go. Throws Error when
    // something between them would be lost.
    virtual void JoinTableWithNext(int tableIndex);

    // Writes to a temporary file in the target folder, then renames it over the target.
    virtual void Save() = 0;
    virtual void SaveAs(const std::string& path) = 0;
};

struct OpenOptions {
    bool ReadOnly = false;
    bool AddToRecentFiles = false;
    // The document is opened to be edited: a host may then skip what only speeds up reading.
    bool ForEditing = false;
    bool Visible = true;
    // Set while the file is read (Ctrl+C), it ends the opening with an Error; null: never.
    const std::atomic<bool>* Stop = nullptr;
    // How many threads the opening may keep busy, the caller's included: with 2, a host may read
    // the file on a helper thread while it parses. A batch that already runs a check per core
    // leaves it at 1.
    int Threads = 1;
    // The caller's own hold on the file (an edit's lock), which some systems do not let a save
    // replace: called then to let go of it just before the rename, after checking that nobody
    // changed the file meanwhile (it throws to keep the file as it is). Unset: such a save fails.
    std::function<void()> ReleaseFile = nullptr;
};

class Documents {
  public:
    virtual ~Documents() = default;
    virtual int Count() const = 0;
    virtual Document& Item(int index) = 0;
    // Opens a file (path in UTF-8) and makes it the active document.
    virtual Document& Open(const std::string& path, const OpenOptions& options = {}) = 0;
    // SaveChanges: kDoNotSaveChanges, or kPromptToSaveChanges (the front end asks).
    virtual void Close(Document& document, int saveChanges = kDoNotSaveChanges) = 0;
    // Re-reads every unmodified open document whose file changed on disk.
    virtual void RefreshChangedOnDisk() = 0;
};

class Options {
  public:
    virtual ~Options() = default;
    virtual bool AutoFormatAsYouTypeReplaceQuotes() const = 0;
    virtual bool AutoFormatAsYouTypeDefineStyles() const = 0;
};

class Application {
  public:
    virtual ~Application() = default;
    virtual word::Documents& Documents() = 0;
    // Throws text::Error when no document is open.
    virtual Document& ActiveDocument() = 0;
    virtual bool HasActiveDocument() const = 0;
    virtual void Activate(Document& document) = 0;
    virtual word::Options& Options() = 0;
    virtual std::string Version() const = 0;
    virtual void SetVisible(bool visible) = 0;
};

}  // namespace tabulex::word
