#include "docx/DocxDocument.h"

#include "docx/CommentAnchors.h"
#include "docx/CommentsPart.h"
#include "docx/DocumentConversion.h"
#include "docx/DocxObjects.h"
#include "docx/HostMessages.h"
#include "docx/LeadingParagraphs.h"
#include "docx/ListEdit.h"
#include "docx/NumberingPart.h"
#include "docx/ShapeIndex.h"
#include "docx/StoryText.h"
#include "docx/StructureVocabulary.h"
#include "docx/TableConvert.h"
#include "docx/TableJoin.h"
#include "docx/stream/ReadCompactStory.h"
#include "ooxml/CanonicalPrefixes.h"
#include "ooxml/KnownNamespaces.h"
#include "ooxml/NestingLimit.h"
#include "ooxml/PackageMessages.h"
#include "ooxml/TreeSizeLimit.h"
#include "ooxml/XmlPart.h"
#include "platform/FileSystem.h"
#include "platform/FileWrites.h"
#include "text/Cp1251.h"
#include "text/Utf8Paths.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <optional>
#include <sstream>

namespace tabulex::word::docx {
namespace {

// The body of the main story. Its elements are named with the usual prefix once the part is read
// (UseCanonicalPrefixes); a "w" that the root binds to another namespace names no element of
// WordprocessingML, so such a story has no body, as the streaming reader, which matches by
// namespace, reads it.
pugi::xml_node MainBody(const pugi::xml_document& main) {
    const pugi::xml_node root = main.child("w:document");
    const pugi::xml_attribute binding = root.attribute("xmlns:w");
    if (binding && !ooxml::namespaces::IsUsualPrefix("w", binding.value())) return {};
    return root.child("w:body");
}

constexpr const char* kMainPart = "word/document.xml";
constexpr const char* kStylesPart = "word/styles.xml";
constexpr const char* kNumberingPart = "word/numbering.xml";
// What is kept after a table: the certification line and the signatures stand within it.
constexpr std::size_t kFragmentBytes = 32 * 1024;
constexpr std::size_t kParagraphsAfterTable = 40;

// What follows an element's end tag in the story as the part's bytes hold it, up to the body's end:
// its siblings after it, then the end tag and following siblings of each wrapper it stands in.
std::string XmlAfter(pugi::xml_node element, pugi::xml_node body) {
    std::string fragment;
    for (pugi::xml_node node = element; node && node != body; node = node.parent()) {
        for (pugi::xml_node next = node.next_sibling(); next && fragment.size() < kFragmentBytes;
             next = next.next_sibling()) {
            if (next.type() != pugi::node_element) continue;
            std::ostringstream out;
            next.print(out, "", pugi::format_raw);
            fragment += out.str();
        }
        if (node.parent() != body) fragment += "</" + std::string(node.parent().name()) + ">";
    }
    return fragment;
}

// A row or a paragraph is written in one piece: opening each of the many on the way to their
// table's end only costs time.
bool WrittenWhole(pugi::xml_node element) {
    const structure::StructureKind kind = structure::KindOf(element.name());
    return kind == structure::StructureKind::Row || kind == structure::StructureKind::Paragraph;
}

// As XmlPart parses every part: everything kept, whitespace-only text too (<w:t> </w:t>). An
// element's first text is kept in the element itself rather than in a node of its own: every w:t
// would otherwise cost a second node, a fifth of the tree of a table.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata_single | pugi::parse_embed_pcdata;

std::string LowerExtension(const std::string& path) {
    std::string ext = text::PathFromUtf8(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

bool IsDocxPath(const std::string& path) {
    std::string ext = LowerExtension(path);
    return ext == ".docx" || ext == ".docm";
}

}  // namespace

struct DocxDocument::State {
    explicit State(ooxml::Package p) : Package(std::move(p)) {}

    ooxml::Package Package;
    std::string MainBuffer;  // the bytes of document.xml, parsed in place: the DOM's strings live here
    pugi::xml_document Main;
    pugi::xml_document Styles;
    pugi::xml_document Numbering;
    docx::StyleSheet StyleSheet;
    docx::ListNumbering ListNumbering;
    TableIndex Index;
    std::optional<docx::ListStrings> ListStrings;
    std::unordered_map<const void*, int> ListOrdinals;
    int ListStringsValidBelow = 0;  // ordinals at and past this may have changed
    std::optional<std::vector<pugi::xml_node>> Shapes;
    std::unique_ptr<CompactStory> Compact;
    bool DomBuilt = false;
    // The top-level tables as the compact model numbered them, taken when the DOM was built: lets a
    // table handle of the compact mode find its node after later edits.
    std::vector<pugi::xml_node> CompactTables;
    // What follows the table with the most rows (the main table) in document.xml, kept from the
    // stream so that the paragraphs after it are read without building the DOM.
    int FragmentTable = 0;
    std::string FragmentAfter;
    std::string FragmentNamespaces;  // the root's declarations, which bind the fragment's prefixes
};

DocxDocument::DocxDocument(std::unique_ptr<State> state, std::string path, std::optional<DiskStamp> stamp)
    : state_(std::move(state)), path_(std::move(path)), stamp_(stamp) {}

DocxDocument::~DocxDocument() = default;

std::unique_ptr<DocxDocument> DocxDocument::OpenFile(const std::string& path, Mode mode,
                                                     const std::atomic<bool>* stop,
                                                     std::function<void()> releaseFile, int threads) {
    std::optional<DiskStamp> stamp = StampOf(path);
    ooxml::PackageLimits limits;
    limits.Stop = stop;
    limits.MainPartLater = mode == Mode::Compact;
    auto state = BuildState(LoadDocumentFile(path, limits), mode, stop, threads);
    auto document = std::unique_ptr<DocxDocument>(new DocxDocument(std::move(state), path, stamp));
    document->stop_ = stop;
    document->releaseFile_ = std::move(releaseFile);
    return document;
}

std::unique_ptr<DocxDocument> DocxDocument::FromPackage(ooxml::Package package, const std::string& path) {
    return std::unique_ptr<DocxDocument>(
        new DocxDocument(BuildState(std::move(package)), path, std::nullopt));
}

std::optional<DocxDocument::DiskStamp> DocxDocument::StampOf(const std::string& path) {
    std::error_code error;
    DiskStamp stamp;
    stamp.Time = std::filesystem::last_write_time(text::PathFromUtf8(path), error);
    if (error) return std::nullopt;
    stamp.Size = std::filesystem::file_size(text::PathFromUtf8(path), error);
    if (error) return std::nullopt;
    return stamp;
}

std::string DocxDocument::Name() const {
    return text::Utf8ToCp1251(text::Utf8OfPath(text::PathFromUtf8(path_).filename()));
}

std::string DocxDocument::FullName() const {
    return path_;
}

std::unique_ptr<word::Tables> DocxDocument::Tables() {
    return MakeTables(*this);
}
std::unique_ptr<word::Shapes> DocxDocument::Shapes() {
    return MakeShapes(*this);
}
std::unique_ptr<word::Range> DocxDocument::Content() {
    return MakeStoryRange(*this);
}
bool DocxDocument::Saved() const {
    return saved_;
}

std::string DocxDocument::TextBeforeTable(int tableIndex) {
    return text::Utf8ToCp1251(StoryTextUtf8(Body(), TableAt(tableIndex), TableRows::AsParagraphs));
}

void DocxDocument::JoinTableWithNext(int tableIndex) {
    pugi::xml_node table = TableAt(tableIndex);
    pugi::xml_node next = TableAt(tableIndex + 1);
    if (!JoinTables(table, next)) throw text::Error(std::string(messages::kTablesNotJoined));
    MarkEdited(EditKind::Structure);
}

// The name a link finally leads to must be a .docx too: a link named out.docx may not turn the
// save into a write over some other kind of file.
void DocxDocument::RefuseNonDocxTarget(const std::string& path) {
    if (!IsDocxPath(path) || !IsDocxPath(platform::FinalTarget(path)))
        throw text::Error(std::string(messages::kSaveOnlyDocx), path);
}

void DocxDocument::Save() {
    WriteTo(path_);
}

void DocxDocument::SaveAs(const std::string& path) {
    WriteTo(path);
    path_ = path;
    stamp_ = StampOf(path);
}

void DocxDocument::WriteTo(const std::string& path) {
    RefuseNonDocxTarget(path);
    // Once edited, the main story is written from its tree at every save, straight into the zip.
    mainFromTree_ = mainFromTree_ || documentEdited_;
    std::optional<ooxml::XmlPartWriter> mainWriter;
    std::vector<ooxml::Package::StreamedPart> streamed;
    if (mainFromTree_) {
        mainWriter.emplace(state_->Main, WrittenWhole);
        streamed.push_back({kMainPart, &*mainWriter, state_->MainBuffer.size(), /*WriterThread=*/true});
    }
    if (stylesEdited_) state_->Package.SetBytes(kStylesPart, ooxml::SerializePart(state_->Styles));
    if (numberingEdited_) state_->Package.SetBytes(kNumberingPart, ooxml::SerializePart(state_->Numbering));
    documentEdited_ = stylesEdited_ = numberingEdited_ = false;
    // Only the opener's own file is released for the rename, never another target.
    state_->Package.Save(
        path, streamed,
        {.Stop = stop_, .ReleaseTarget = path == path_ ? releaseFile_ : std::function<void()>{}});
    saved_ = true;
    if (path == path_) stamp_ = StampOf(path);
}

const CompactStory* DocxDocument::Compact() const {
    return state_->Compact.get();
}

void DocxDocument::UseDom() const {
    if (state_->DomBuilt) return;
    BuildDom(*state_);
    state_->CompactTables = state_->Index.Tables();
    state_->Compact.reset();
}

pugi::xml_node DocxDocument::CompactTableNode(int table) {
    UseDom();
    const auto& tables = state_->CompactTables;
    if (table < 1 || table > static_cast<int>(tables.size()))
        throw text::Error(std::string(messages::kObjectDeleted));
    return tables[static_cast<std::size_t>(table - 1)];
}

pugi::xml_node DocxDocument::CompactNode(const StoryPlace& place) {
    const auto& rows = Index().Rows(CompactTableNode(place.Table));
    if (place.Row < 1 || place.Row > static_cast<int>(rows.size()))
        throw text::Error(std::string(messages::kObjectDeleted));
    pugi::xml_node row = rows[static_cast<std::size_t>(place.Row - 1)];
    if (place.Cell == 0) return row;
    const pugi::xml_node cell = CellAt(row, place.Cell);
    if (!cell) throw text::Error(std::string(messages::kObjectDeleted));
    return cell;
}

pugi::xml_node DocxDocument::Body() const {
    UseDom();
    return MainBody(state_->Main);
}
TableIndex& DocxDocument::Index() {
    UseDom();
    return state_->Index;
}
const StyleSheet& DocxDocument::Styles() const {
    return state_->StyleSheet;
}
pugi::xml_node DocxDocument::NumberingRoot() const {
    return state_->Numbering.child("w:numbering");
}
pugi::xml_node DocxDocument::StylesRoot() const {
    return state_->Styles.child("w:styles");
}

const std::string* DocxDocument::ShownListString(pugi::xml_node paragraph) {
    State& state = *state_;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!state.ListStrings) {
            state.ListOrdinals.clear();
            state.ListStrings = state.ListNumbering.ComputeListStrings(Body(), &state.ListOrdinals);
            state.ListStringsValidBelow = std::numeric_limits<int>::max();
        }
        auto ordinal = state.ListOrdinals.find(paragraph.internal_object());
        if (ordinal == state.ListOrdinals.end()) return nullptr;
        if (ordinal->second < state.ListStringsValidBelow)
            return &state.ListStrings->find(paragraph.internal_object())->second;
        state.ListStrings.reset();
    }
    return nullptr;
}

void DocxDocument::NumberingRemoved(pugi::xml_node paragraph) {
    State& state = *state_;
    if (!state.ListStrings) return;
    auto ordinal = state.ListOrdinals.find(paragraph.internal_object());
    if (ordinal == state.ListOrdinals.end()) return;
    state.ListStringsValidBelow = std::min(state.ListStringsValidBelow, ordinal->second);
    state.ListStrings->erase(paragraph.internal_object());
    state.ListOrdinals.erase(ordinal);
}

const std::vector<pugi::xml_node>& DocxDocument::ShapeNodes() {
    if (!state_->Shapes) state_->Shapes = FindShapes(Body());
    return *state_->Shapes;
}

pugi::xml_node DocxDocument::TableAt(int index) {
    const auto& tables = Index().Tables();
    if (index < 1 || index > static_cast<int>(tables.size())) throw text::Error(messages::NoSuchTable(index));
    return tables[index - 1];
}

void DocxDocument::MarkEdited(EditKind kind) {
    saved_ = false;
    documentEdited_ = true;
    if (kind == EditKind::Formatting) return;
    ++contentGeneration_;
    if (kind == EditKind::Numbering) return;
    state_->ListStrings.reset();
    state_->Shapes.reset();
    if (kind == EditKind::Structure) {
        Index().Invalidate();
        ++generation_;
    }
}

void DocxDocument::MarkRowRemoved(pugi::xml_node table, int index) {
    saved_ = false;
    documentEdited_ = true;
    ++contentGeneration_;
    state_->ListStrings.reset();
    state_->Shapes.reset();
    Index().RemoveRow(table, static_cast<std::size_t>(index - 1));
    ++generation_;
}

void DocxDocument::MarkShapeRemoved(pugi::xml_node shape) {
    std::optional<std::vector<pugi::xml_node>>& shapes = state_->Shapes;
    if (shapes) std::erase(*shapes, shape);
    saved_ = false;
    documentEdited_ = true;
    ++contentGeneration_;
    // A text box may have held numbered paragraphs.
    state_->ListStrings.reset();
}

int DocxDocument::NumberedList(bool startNew) {
    if (numberedList_ != 0 && !startNew) return numberedList_;
    if (!state_->Package.Has(kNumberingPart)) AddNumberingPart(state_->Package);
    numberedList_ = AddDecimalList(state_->Numbering);
    // The lists are read again so that the new one shows its numbers.
    state_->ListNumbering = ListNumbering(state_->Numbering.child("w:numbering"), state_->StyleSheet);
    state_->ListStrings.reset();
    numberingEdited_ = true;
    saved_ = false;
    return numberedList_;
}

void DocxDocument::MarkStylesEdited() {
    saved_ = false;
    stylesEdited_ = true;
}

bool DocxDocument::ChangedOnDisk() const {
    if (!stamp_) return false;
    std::optional<DiskStamp> now = StampOf(path_);
    return now && !(*now == *stamp_);
}

void DocxDocument::Reload() {
    std::optional<DiskStamp> stamp = StampOf(path_);
    ooxml::PackageLimits limits;
    limits.MainPartLater = true;
    state_ = BuildState(LoadDocumentFile(path_, limits));
    ++serial_;
    stamp_ = stamp;
    saved_ = true;
    documentEdited_ = stylesEdited_ = numberingEdited_ = mainFromTree_ = false;
    numberedList_ = 0;
    ++generation_;
    ++contentGeneration_;
}

namespace {

// The main story is parsed in place from the part's own bytes, which are moved out of the package:
// the DOM's strings then live in that one buffer and the document is never held twice. The
// package still writes the part back byte for byte from its original container while the part is
// not replaced (SetBytes on save after an edit).
void ParseMainStory(ooxml::Package& package, std::string& buffer, pugi::xml_document& main) {
    buffer = package.TakeBytes(kMainPart);
    ooxml::RefuseOversizedTree(buffer, package.Name(), kMainPart);
    const std::size_t xmlnsInSource = ooxml::CountXmlns(buffer);  // the parse writes over the buffer
    pugi::xml_parse_result result = main.load_buffer_inplace(buffer.data(), buffer.size(), kParseOptions);
    if (!result) {
        throw text::Error(
            std::string(messages::kBadXmlPrefix) + kMainPart + ": " + platform::DisplayName(package.Name()),
            std::string("part ") + kMainPart + ", offset " + std::to_string(result.offset) + ": " +
                result.description());
    }
    if (!ooxml::NestingWithinLimit(main)) ooxml::ThrowTooDeep(package.Name(), kMainPart);
    ooxml::UseCanonicalPrefixes(main, xmlnsInSource);
}

}  // namespace

void DocxDocument::BuildDom(State& state) {
    ParseMainStory(state.Package, state.MainBuffer, state.Main);
    state.Index.Reset(MainBody(state.Main));
    state.DomBuilt = true;
}

void DocxDocument::KeepFragmentAfterMainTable(State& state, PartExcerpts excerpts) {
    if (excerpts.Table == 0) return;
    state.FragmentTable = excerpts.Table;
    state.FragmentAfter = std::move(excerpts.AfterTable);
    state.FragmentNamespaces = RootNamespaceDeclarations(excerpts.Head);
}

std::vector<std::string> DocxDocument::ParagraphsAfterTable(int tableIndex) {
    std::string fragment;
    std::string declarations;
    if (state_->Compact && tableIndex == state_->FragmentTable) {
        fragment = state_->FragmentAfter;
        declarations = state_->FragmentNamespaces;
    } else {
        // The tree first: the root's declarations are read from it.
        fragment = XmlAfter(TableAt(tableIndex), Body());
        for (pugi::xml_attribute attribute : state_->Main.document_element().attributes()) {
            const std::string_view name = attribute.name();
            if (name != "xmlns" && !name.starts_with("xmlns:")) continue;
            std::ostringstream out;
            pugi::xml_document holder;
            holder.append_child("a").append_attribute(attribute.name()) = attribute.value();
            holder.first_child().print(out, "", pugi::format_raw);
            const std::string tag = out.str();  // <a xmlns:w="..."/>
            declarations += tag.substr(2, tag.size() - 4);
        }
    }
    std::vector<std::string> texts = LeadingParagraphTexts(fragment, declarations, kParagraphsAfterTable);
    for (std::string& t : texts) t = text::Utf8ToCp1251(t);
    return texts;
}

void DocxDocument::SaveCopyWithComments(const std::string& path, const CommentSet& comments) {
    RefuseNonDocxTarget(path);
    ooxml::Package copy = ooxml::Package::FromBytes(state_->Package.ToBytes(), state_->Package.Name());
    if (documentEdited_ || mainFromTree_) copy.SetBytes(kMainPart, ooxml::SerializePart(state_->Main));
    AddComments(copy, comments);
    copy.Save(path);
}

std::unique_ptr<DocxDocument::State> DocxDocument::BuildState(ooxml::Package package, Mode mode,
                                                              const std::atomic<bool>* stop, int threads) {
    auto state = std::make_unique<State>(std::move(package));
    try {
        if (state->Package.Has(kStylesPart)) state->Styles = ooxml::ParsePart(state->Package, kStylesPart);
        if (state->Package.Has(kNumberingPart))
            state->Numbering = ooxml::ParsePart(state->Package, kNumberingPart);
    } catch (const text::Error&) {
        BuildDom(*state);  // a main story that does not parse is reported first, as it always was
        throw;
    }
    state->StyleSheet = StyleSheet(state->Styles.child("w:styles"));
    state->ListNumbering = ListNumbering(state->Numbering.child("w:numbering"), state->StyleSheet);
    if (mode == Mode::Dom) {
        BuildDom(*state);
        return state;
    }
    {
        // Parsed as it is inflated and never held whole: the DOM, if a command needs it later,
        // inflates the part again from the package.
        PartExcerpts excerpts;
        {
            const auto xml = state->Package.StreamPart(kMainPart, threads);
            state->Compact = ReadCompactStory(*xml, state->StyleSheet, state->ListNumbering, stop, excerpts);
        }
        state->Package.DropBytes(kMainPart);
        if (state->Compact) KeepFragmentAfterMainTable(*state, std::move(excerpts));
    }
    if (!state->Compact && stop && stop->load())
        throw text::Error(
            std::string(messages::kOpenInterrupted) + platform::DisplayName(state->Package.Name()),
            "stop requested");
    if (!state->Compact) BuildDom(*state);
    return state;
}

}  // namespace tabulex::word::docx
