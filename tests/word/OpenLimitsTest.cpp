// What opening a document costs before it is known to be one: a large file that is no package, or
// whose zip directory is damaged, is refused without its contents being read; and a stop request
// (Ctrl+C) ends the reading of a document at once.

#include "docx/DocumentConversion.h"
#include "docx/DocxApplication.h"
#include "ooxml/Package.h"
#include "ooxml/PackageMessages.h"
#include "ooxml/TreeSizeLimit.h"
#include "text/Error.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <atomic>
#include <filesystem>
#include <iterator>

#include <pugixml.hpp>

namespace tabulex::word::docx {
namespace {

using namespace testing;

// Measured on Linux; elsewhere the memory checks pass trivially.
long PeakMemoryKb() {
#ifdef _WIN32
    return 0;
#else
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
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
        std::filesystem::resize_file(path, 1000ll << 20);  // 1000 MB, sparse: no disk used
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

// A few megabytes of zip may unpack to a main story of tens of millions of empty elements, within
// the unpacked-size and ratio limits: it is refused, for checking and for editing alike, before a
// tree of it is built.
TEST(OpenLimitsTest, AMainStoryOfMoreElementsThanTheLimitIsRefusedBeforeItsTreeIsBuilt) {
    TempFolder folder;
    std::string body;
    const std::size_t count = ooxml::kMaxXmlNodes + 1000;
    body.reserve(count * 6 + 64);
    for (std::size_t k = 0; k < count; ++k) body += "<w:p/>";
    const std::string path = folder.File("many.docx");
    WriteFile(path, ooxml::BuildDocxBytes({ooxml::WrapBody(body), {}, {}}, ooxml::kQuickestZip));
    std::string().swap(body);
    const std::string expected = "Документ слишком велик: в части word/document.xml больше " +
                                 std::to_string(ooxml::kMaxXmlNodes / 1'000'000) +
                                 " млн элементов, атрибутов и текстов XML; такой файл не проверяется: " +
                                 std::filesystem::path(path).string();
    for (const bool forEditing : {false, true}) {
        SCOPED_TRACE(forEditing ? "for editing" : "for checking");
        const long before = PeakMemoryKb();
        auto application = CreateApplication();
        try {
            application->Documents().Open(path, {.ForEditing = forEditing});
            ADD_FAILURE() << "opened";
        } catch (const text::Error& error) {
            EXPECT_EQ(text::Cp1251ToUtf8(error.Message()), expected) << error.Detail();
        }
        EXPECT_LT(PeakMemoryKb() - before, 1024 * 1024) << "a tree of it was built";
    }
}

// The count taken before parsing is never below what the tree would hold, whatever the shape.
TEST(OpenLimitsTest, TheTreeSizeCountedBeforeParsingIsNeverBelowTheTree) {
    const char* shapes[] = {
        "<a/>",
        "<a> </a>",
        "<a/> <a/>\n<a/>",
        R"(<a b="1" c='2'><d e="x=y"/></a>)",
        "<a>x&gt;</a>",
        "<a>x></a><b/>",
        "<a>>x</a>",
        "<a><![CDATA[<<>>]]></a>",
        "<!-- c --><a/><?pi x?>",
        "<a>t<b/>u<c>v</c>w</a>",
    };
    for (const char* shape : shapes) {
        const std::string xml = std::string("<r>") + shape + "</r>";
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(xml.c_str(), pugi::parse_full | pugi::parse_ws_pcdata)) << xml;
        std::uint64_t nodes = 0;
        for (const pugi::xpath_node& found : document.select_nodes("//node()")) {
            const pugi::xml_node node = found.node();
            nodes += 1 + static_cast<std::uint64_t>(
                             std::distance(node.attributes().begin(), node.attributes().end()));
        }
        EXPECT_GE(ooxml::XmlNodeBound(xml), nodes) << xml;
    }
}

// The count is exact, not only a bound: a start tag not closing, each '=', a tag end before text,
// wherever the byte falls among the sixteen read at once, and the last byte with nothing after it.
TEST(OpenLimitsTest, TheTreeSizeCountIsTheSameWhereverItsBytesFall) {
    struct Case {
        const char* Piece;
        std::uint64_t Counted;
    };
    const Case cases[] = {
        {"<a", 1}, {"</", 0}, {"=", 1}, {">x", 1}, {"><", 1}, {"ab", 0}, {"<<", 2}, {">>", 2},
    };
    for (const Case& c : cases) {
        // Lengths around one round of sixteen and around the point where the lane counters are summed.
        for (const std::size_t at : {0, 1, 14, 15, 16, 17, 31, 2031, 2032, 2033, 2047, 4100}) {
            std::string xml(at, 'x');
            xml += c.Piece;
            xml += std::string(1 + at % 7, 'y');
            EXPECT_EQ(ooxml::XmlNodeBound(xml), c.Counted) << c.Piece << " at " << at;
        }
    }
    // A tag end or a start tag as the very last byte.
    EXPECT_EQ(ooxml::XmlNodeBound(std::string(40, 'x') + ">"), 0u);
    EXPECT_EQ(ooxml::XmlNodeBound(std::string(40, 'x') + "<"), 1u);
    // Every byte counting, for as long as the lane counters must be summed several times.
    EXPECT_EQ(ooxml::XmlNodeBound(std::string(10000, '=')), 10000u);
    EXPECT_EQ(ooxml::XmlNodeBound(std::string(10000, '<')), 10000u);
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
