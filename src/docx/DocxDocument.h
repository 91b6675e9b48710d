#pragma once

// One open document of the in-process host: its package, the parsed main story, styles and
// numbering, and what is derived from them (table index, list numbers, shapes), rebuilt lazily
// after edits. Object handles (tables, rows, cells, ranges) point into it.
//
// A document starts in the compact mode: its top-level tables are read once as a stream into a
// CompactStory, which answers what the checker reads (texts, list numbers, formats, counts). The
// first call that needs more (an edit, the whole story, shapes, ...) builds the DOM of the main
// story from the package and drops the compact model; the answers stay the same.

#include "docx/CompactStory.h"
#include "docx/ListNumbering.h"
#include "docx/StyleSheet.h"
#include "docx/TableIndex.h"
#include "docx/stream/PartExcerpts.h"
#include "ooxml/Package.h"
#include "word/WordModel.h"

#include <pugixml.hpp>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tabulex::word::docx {

enum class EditKind {
    Formatting,  // properties only: bold, keep-with-next, fonts, row breaks
    Content,     // paragraphs, runs or numbering changed inside existing table cells
    Structure,   // rows or tables removed or added, shapes removed
    Numbering,   // list numbering removed from paragraphs, each reported with NumberingRemoved
};

class DocxDocument final : public word::Document {
  public:
    enum class Mode {
        Compact,  // read the tables as a stream first; the DOM only when a command needs it
        Dom,      // build the DOM at once (a document opened to be edited)
    };
    // Opens a file of any supported format (path in UTF-8); the file is not changed.
    // `stop` set while the file is read ends the opening with text::Error (null: never);
    // `releaseFile` as in word::OpenOptions.
    static std::unique_ptr<DocxDocument> OpenFile(const std::string& path, Mode mode = Mode::Compact,
                                                  const std::atomic<bool>* stop = nullptr,
                                                  std::function<void()> releaseFile = {}, int threads = 1);
    // A document made in memory; it is written to `path` only by Save.
    static std::unique_ptr<DocxDocument> FromPackage(ooxml::Package package, const std::string& path);
    ~DocxDocument() override;

    std::string Name() const override;
    std::string FullName() const override;
    std::unique_ptr<word::Tables> Tables() override;
    std::unique_ptr<word::Shapes> Shapes() override;
    std::unique_ptr<word::Range> Content() override;
    bool Saved() const override;
    std::string TextBeforeTable(int tableIndex) override;
    std::vector<std::string> ParagraphsAfterTable(int tableIndex) override;
    void SaveCopyWithComments(const std::string& path, const CommentSet& comments) override;
    void JoinTableWithNext(int tableIndex) override;
    void Save() override;

    void SaveAs(const std::string& path) override;

    // The compact model while the document answers from it, else null.
    const CompactStory* Compact() const;
    // Builds the DOM of the main story (once) and drops the compact model.
    void UseDom() const;
    // The DOM nodes of what the compact model numbered (builds the DOM); throws text::Error when
    // the place is no longer there.
    pugi::xml_node CompactTableNode(int table);
    pugi::xml_node CompactNode(const StoryPlace& place);
    // Changes whenever the document is read again from its file: every handle taken before fails.
    unsigned Serial() const { return serial_; }

    // For the object handles.
    pugi::xml_node Body() const;
    TableIndex& Index();
    const StyleSheet& Styles() const;
    pugi::xml_node NumberingRoot() const;
    pugi::xml_node StylesRoot() const;
    // The number the paragraph shows, or null. Numbers stay known across removals of numbering
    // up to the first paragraph whose numbering was removed (later ones may count differently
    // now), so that a walk from the last paragraph to the first computes them only once.
    const std::string* ShownListString(pugi::xml_node paragraph);
    // The paragraph's numbering has been removed (call before MarkEdited(EditKind::Numbering)).
    void NumberingRemoved(pugi::xml_node paragraph);
    const std::vector<pugi::xml_node>& ShapeNodes();
    pugi::xml_node TableAt(int index);  // 1-based; throws text::Error
    void MarkEdited(EditKind kind);
    // Row `index` (1-based) of a top-level table has been removed: a structural edit that keeps the
    // index of the other rows instead of walking the table again.
    void MarkRowRemoved(pugi::xml_node table, int index);
    // A shape has been deleted: the other shapes keep their places without a walk of the story.
    void MarkShapeRemoved(pugi::xml_node shape);
    void MarkStylesEdited();
    // The numId of the decimal list that ListFormat.ApplyNumberedList numbers with: a new one in
    // numbering.xml (the part is added when the package has none) when `startNew` or when none has
    // been made yet.
    int NumberedList(bool startNew);
    // Changes whenever a structural edit may have removed nodes that handles hold.
    unsigned Generation() const { return generation_; }
    // Changes whenever any edit may have removed nodes inside paragraphs (shapes).
    unsigned ContentGeneration() const { return contentGeneration_; }

    // True when the document came from a file that has since changed on disk.
    bool ChangedOnDisk() const;
    // Reads the file again, dropping the parsed state (only for unmodified documents).
    void Reload();

  private:
    struct State;
    struct DiskStamp {
        std::filesystem::file_time_type Time;
        std::uintmax_t Size = 0;
        bool operator==(const DiskStamp&) const = default;
    };

    static std::unique_ptr<State> BuildState(ooxml::Package package, Mode mode = Mode::Compact,
                                             const std::atomic<bool>* stop = nullptr, int threads = 1);
    static void BuildDom(State& state);
    static void KeepFragmentAfterMainTable(State& state, PartExcerpts excerpts);
    DocxDocument(std::unique_ptr<State> state, std::string path, std::optional<DiskStamp> stamp);
    static std::optional<DiskStamp> StampOf(const std::string& path);
    void WriteTo(const std::string& path);
    static void RefuseNonDocxTarget(const std::string& path);

    std::unique_ptr<State> state_;
    std::string path_;
    std::optional<DiskStamp> stamp_;  // set when the document mirrors a file on disk
    const std::atomic<bool>* stop_ =
        nullptr;                         // the opening's stop request, also ends a save before its rename
    std::function<void()> releaseFile_;  // the opener's hold on the file, let go of for a save's rename
    bool saved_ = true;
    bool documentEdited_ = false;
    bool mainFromTree_ = false;  // the package's bytes of the main story are stale: the tree holds it
    bool stylesEdited_ = false;
    bool numberingEdited_ = false;
    int numberedList_ = 0;
    unsigned generation_ = 0;
    unsigned contentGeneration_ = 0;
    unsigned serial_ = 0;
};

}  // namespace tabulex::word::docx
