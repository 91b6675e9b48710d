// What opening a document costs before it is known to be one: a large file that is no package, or
// whose zip directory is damaged, is refused without its contents being read; and a stop request
// (Ctrl+C) ends the reading of a document at once.

#include "docx/DocumentConversion.h"
#include "docx/DocxApplication.h"
#include "ooxml/Package.h"
#include "ooxml/PackageMessages.h"
#include "text/Error.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <atomic>

namespace tabulex::word::docx {
namespace {

using namespace testing;

long PeakMemoryKb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(OpenLimitsTest, LargeJunkIsRefusedBeforeItIsRead) {
    TempFolder folder;
    struct Case {
        const char* name;
        std::string head;
        std::string_view message;
    } cases[] = {
        {"junk.docx", "junk", ooxml::messages::kNotDocx},
        {"no-directory.docx", "PK\x03\x04", ooxml::messages::kCorrupt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.File(c.name);
        WriteFile(path, c.head);
        ASSERT_EQ(::truncate(path.c_str(), 1000ll << 20), 0);  // 1000 MB, sparse: no disk used
        const long before = PeakMemoryKb();
        try {
            LoadDocumentFile(path);
            ADD_FAILURE() << "opened";
        } catch (const text::Error& error) {
            EXPECT_EQ(error.Message(), std::string(c.message) + Cp(path)) << error.Detail();
        }
        EXPECT_LT(PeakMemoryKb() - before, 100 * 1024) << "the file was read whole";
    }
}

TEST(OpenLimitsTest, AStopRequestEndsTheOpening) {
    TempFolder folder;
    const std::string path = WriteDocx(folder.File("opis.docx"), Tbl(Tr(Tc(P("1")) + Tc(P("a")))));
    const std::atomic<bool> stop{true};
    auto application = CreateApplication();
    word::OpenOptions options;
    options.Stop = &stop;
    try {
        application->Documents().Open(path, options);
        ADD_FAILURE() << "opened";
    } catch (const text::Error& error) {
        EXPECT_EQ(error.Message(), std::string(ooxml::messages::kOpenInterrupted) + Cp(path));
    }
    EXPECT_EQ(application->Documents().Count(), 0);
}

}  // namespace
}  // namespace tabulex::word::docx
