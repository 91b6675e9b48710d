// Opening documents of every supported format: the format is told by content, .docx is read natively,
// .doc, .rtf and .odt go through LibreOffice (skipped where soffice is not installed), and without
// soffice the message names the format.

#include "word/docx/DocumentConversion.h"

#include "PackageTestHelpers.h"
#include "ooxml/FileSystem.h"
#include "word/Error.h"
#include "word/docx/Package.h"
#include "word/docx/PackageMessages.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace tabulex::word::docx {
namespace {

using namespace testing;

std::string Fixture(const std::string& relative) {
    return std::string(TABULEX_FIXTURES) + "/" + relative;
}

TEST(PackageConversionTest, FormatIsToldByContentBeforeName) {
    const std::string ole("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\0\0", 12);
    const std::string odt = ReadFile(Fixture("convert/ukrf.odt"));
    struct Case {
        std::string Bytes;
        const char* Name;
        DocumentFormat Expected;
    };
    const std::vector<Case> cases = {
        {MinimalDocx(), "opis.docx", DocumentFormat::Docx},
        {MinimalDocx(), "opis.doc", DocumentFormat::Docx},  // a .docx renamed .doc is read natively
        {ole, "opis.doc", DocumentFormat::Doc},
        {ole, "opis.docx", DocumentFormat::Doc},  // binary Word renamed .docx: converted
        {"{\\rtf1\\ansi text}", "opis.docx", DocumentFormat::Rtf},
        {odt, "opis.doc", DocumentFormat::Odt},  // an OpenDocument text named .doc
        {BuildZip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet", false}}), "t.odt",
         DocumentFormat::Docx},                                   // a zip, but not a text: refused as a .docx
        {"<html>Опись</html>", "opis.doc", DocumentFormat::Doc},  // Word's web page saved as .doc
        {"plain", "opis.RTF", DocumentFormat::Rtf},
        {"plain", "opis.txt", DocumentFormat::Unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(DetectFormat(c.Bytes, c.Name), c.Expected);
    }
}

// Replaces PATH for the scope of a test.
class ScopedPath {
  public:
    explicit ScopedPath(const std::string& value) {
        if (const char* old = std::getenv("PATH")) saved_ = old;
        setenv("PATH", value.c_str(), 1);
    }
    ~ScopedPath() { setenv("PATH", saved_.c_str(), 1); }

  private:
    std::string saved_;
};

TEST(PackageConversionTest, WithoutLibreOfficeTheMessageNamesTheFormat) {
    ooxml::fs::TempFolder empty("tabulex-nopath-");
    ScopedPath path(empty.Path());
    for (const char* name : {"ukrf.odt", "ukrf.rtf", "ukrf.doc"}) {
        SCOPED_TRACE(name);
        const std::string ext = std::filesystem::path(name).extension();
        try {
            LoadDocumentFile(Fixture(std::string("convert/") + name));
            ADD_FAILURE() << "opened";
        } catch (const word::Error& error) {
            EXPECT_TRUE(error.Message().starts_with(std::string(messages::kNeedsLibreOfficePrefix) + ext +
                                                    std::string(messages::kNeedsLibreOfficeSuffix)))
                << error.what();
        }
    }
    // .docx needs nothing else.
    EXPECT_TRUE(LoadDocumentFile(Fixture("docx/ukrf.docx")).Has("word/document.xml"));
}

TEST(PackageConversionTest, LibreOfficeConvertsDocRtfAndOdt) {
    if (ooxml::fs::FindOnPath("soffice").empty()) GTEST_SKIP() << "soffice is not installed";
    ooxml::fs::TempFolder folder("tabulex-conv-");
    // A name a shell would misread: the conversion must not pass it through one.
    const std::string hostile = folder.Path() + "/-x $(touch pwned); 'a' \"b\" опись.rtf";
    std::filesystem::copy_file(Fixture("convert/ukrf.rtf"), hostile);
    for (const std::string& path : {Fixture("convert/ukrf.odt"), Fixture("convert/ukrf.doc"), hostile}) {
        SCOPED_TRACE(path);
        const std::string before = ReadFile(path);
        Package package = LoadDocumentFile(path);
        EXPECT_NE(package.Bytes("word/document.xml").find("Уголовный кодекс"), std::string::npos);
        EXPECT_EQ(package.Name(), path);
        EXPECT_EQ(ReadFile(path), before);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/pwned"));
    EXPECT_FALSE(std::filesystem::exists("pwned"));
}

// A stand-in soffice on PATH that fails, or that hangs past the timeout.
TEST(PackageConversionTest, AFailingOrHangingConversionIsReported) {
    ooxml::fs::TempFolder bin("tabulex-fake-");
    ScopedPath path(bin.Path());
    const std::string soffice = bin.Path() + "/soffice";
    const std::string rtf = ReadFile(Fixture("convert/ukrf.rtf"));
    struct Case {
        const char* Label;
        const char* Script;
        std::string Message;
        const char* Detail;
    };
    const std::vector<Case> cases = {
        {"failing", "#!/bin/sh\necho 'Error: source file could not be loaded' >&2\nexit 3\n",
         std::string(messages::kConversionFailed), "exit status 3: Error: source file could not be loaded"},
        {"no output", "#!/bin/sh\nexit 0\n", std::string(messages::kConversionFailed), "exit status 0"},
        {"hanging", "#!/bin/sh\n/bin/sleep 30 &\n/bin/sleep 30\n",
         std::string(messages::kConversionTimedOutPrefix) + "1" +
             std::string(messages::kConversionTimedOutSuffix),
         "killed after 1 s"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        WriteFile(soffice, c.Script);
        std::filesystem::permissions(soffice, std::filesystem::perms::owner_all);
        auto start = std::chrono::steady_clock::now();
        try {
            ConvertToDocx(rtf, DocumentFormat::Rtf, "opis.rtf", std::chrono::seconds(1));
            ADD_FAILURE() << "converted";
        } catch (const word::Error& error) {
            EXPECT_EQ(error.Message(), std::string(c.Message) + "opis.rtf");
            EXPECT_NE(error.Detail().find(c.Detail), std::string::npos) << error.Detail();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    }
}

}  // namespace
}  // namespace tabulex::word::docx
