#pragma once

// One open document of the in-process host: its package, the parsed main story, styles and
// numbering, and what is derived from them (table index, list numbers, shapes), rebuilt lazily
// after edits. Object handles (tables, rows, cells, ranges) point into it.
//
// A document starts in the compact mode: its top-level tables are read once as a stream into a
// CompactStory, which answers what the checker reads (texts, list numbers, formats, counts). The
// first call that needs more (an edit, the whole story, shapes, ...) builds the DOM of the main
// story from the package and drops the compact model; the answers stay the same.

#include "word/WordModel.h"
#include "word/docx/CompactStory.h"
#include "word/docx/ListNumbering.h"
#include "word/docx/Package.h"
#include "word/docx/StyleSheet.h"
#include "word/docx/TableIndex.h"

#include <pugixml.hpp>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tabulex::word::docx {

enum class EditKind {
    Formatting,  // properties only: bold, keep-with-next, fonts, row breaks
    Content,     // paragraphs, runs or numbering changed inside existing table cells
    Structure,   // rows or tables removed or added, shapes removed
};

class DocxDocument final : public word::Document {
  public:
    // Opens a file of any supported format (path in UTF-8); the file is not changed.
    static std::unique_ptr<DocxDocument> OpenFile(const std::string& path);
    // A document made in memory; it is written to `path` only by Save.
    static std::unique_ptr<DocxDocument> FromPackage(Package package, const std::string& path);
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
    void ConvertLinesToTable(int lines, int columns, bool fitToContents) override;
    void Save() override;
    void SaveAs(const std::string& path) override;

    // The compact model while the document answers from it, else null.
    const CompactStory* Compact() const;
    // Builds the DOM of the main story (once) and drops the compact model.
    void UseDom() const;
    // The DOM nodes of what the compact model numbered (builds the DOM); throws word::Error when
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
    const ListStrings& ShownListStrings();
    const std::vector<pugi::xml_node>& ShapeNodes();
    pugi::xml_node TableAt(int index);  // 1-based; throws word::Error
    void MarkEdited(EditKind kind);
    void MarkStylesEdited();
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

    static std::unique_ptr<State> BuildState(Package package);
    static void BuildDom(State& state);
    static void KeepFragmentAfterMainTable(State& state, std::string_view xml);
    DocxDocument(std::unique_ptr<State> state, std::string path, std::optional<DiskStamp> stamp);
    static std::optional<DiskStamp> StampOf(const std::string& path);
    void WriteTo(const std::string& path);

    std::unique_ptr<State> state_;
    std::string path_;
    std::optional<DiskStamp> stamp_;  // set when the document mirrors a file on disk
    bool saved_ = true;
    bool documentEdited_ = false;
    bool stylesEdited_ = false;
    unsigned generation_ = 0;
    unsigned contentGeneration_ = 0;
    unsigned serial_ = 0;
};

}  // namespace tabulex::word::docx
