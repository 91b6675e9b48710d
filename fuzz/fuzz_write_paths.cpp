// Arbitrary bytes as a .docx through the two paths that write a document: the repairs and their
// save (the edited tree written into a zip, put on disk through a temporary file and read back),
// and the annotated copy of a document that may already carry comments of any shape (a comments
// part under any prefix or name, marks with any ids).

#include "FuzzSupport.h"

#include "docx/CommentsPart.h"
#include "docx/DocxDocument.h"
#include "ooxml/Package.h"
#include "platform/FileSystem.h"
#include "settings/Settings.h"
#include "tools/ToolCatalog.h"
#include "tools/ToolHost.h"
#include "tools/Tools.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace tabulex;
using namespace tabulex::word::docx;
using namespace tabulex::ooxml;

namespace {

PackageLimits FuzzLimits() {
    PackageLimits limits;
    limits.MaxTotalUncompressed = 64ull << 20;  // keeps each input well under the memory limit
    return limits;
}

// Says yes to every question and never stops.
class QuietHost : public tools::ToolHost {
  public:
    void ShowStatus(std::string_view) override {}
    void SetCaption(std::string_view) override {}
    void SetApplicationTitle(std::string_view) override {}
    void SetBusy(bool) override {}
    void ProcessEvents() override {}
    bool StopRequested() override { return false; }
    bool Confirm(const tools::Confirmation&) override { return true; }
    bool AskRowReadAgain(std::string_view, std::string_view) override { return false; }
    void BringToFront() override {}
    void CloseReportDocuments() override {}
    settings::Settings& Settings() override { return settings_; }

  private:
    settings::MemorySettings settings_;
};

word::CommentSet SomeComments() {
    word::CommentSet set;
    set.Table = 1;
    set.Author = "fuzz";
    set.Date = "2026-01-01T00:00:00Z";
    set.Cells = {{1, 1, {"a"}}, {2, 3, {"b", "c\td"}}, {40, 1, {"e"}}};
    set.Paragraphs = {{1, {"f"}}};
    return set;
}

void AnnotatedCopy(const std::string& bytes) {
    Package copy = Package::FromBytes(bytes, "fuzz.docx", FuzzLimits());
    if (AddComments(copy, SomeComments()) > 0) Package::FromBytes(copy.ToBytes(), "fuzz.docx", FuzzLimits());
}

void RepairAndSave(const std::string& bytes, const std::string& folder) {
    auto document =
        DocxDocument::FromPackage(Package::FromBytes(bytes, "fuzz.docx", FuzzLimits()), "fuzz.docx");
    QuietHost host;
    for (tools::Tool tool :
         {tools::Tool::DeleteEmptyRows, tools::Tool::NumberCases, tools::Tool::DeleteGraphics})
        tools::RunTool(tool, *document, host, tools::ToolOptions{.ShiftHeld = true});
    const std::string out = folder + "/out.docx";
    document->SaveAs(out);
    Package::Load(out, FuzzLimits());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const platform::TempFolder folder("tabulex-fuzz-");
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        AnnotatedCopy(bytes);
    } catch (const text::Error&) {
    }
    try {
        RepairAndSave(bytes, folder.Path());
    } catch (const text::Error&) {
    }
    return 0;
}
