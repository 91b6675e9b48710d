// Opening documents of every supported format: the format is told by content, .docx is read natively,
// .doc, .rtf and .odt go through LibreOffice (skipped where soffice is not installed), and without
// soffice the message names the format.

#include "docx/DocumentConversion.h"

#include "PackageTestHelpers.h"
#include "docx/PasswordProtection.h"
#include "ooxml/Package.h"
#include "ooxml/PackageMessages.h"
#include "platform/FileSystem.h"
#include "support/TestFolder.h"
#include "text/Error.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <thread>

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
class ScopedPath : public tabulex::testing::ScopedEnvironment {
  public:
    explicit ScopedPath(const std::string& value) : ScopedEnvironment("PATH", value.c_str()) {}
};

TEST(PackageConversionTest, WithoutLibreOfficeTheMessageNamesTheFormat) {
    platform::TempFolder empty("tabulex-nopath-");
    ScopedPath path(empty.Path());
    for (const char* name : {"ukrf.odt", "ukrf.rtf", "ukrf.doc"}) {
        SCOPED_TRACE(name);
        const std::string ext = std::filesystem::path(name).extension().string();
        try {
            LoadDocumentFile(Fixture(std::string("convert/") + name));
            ADD_FAILURE() << "opened";
        } catch (const text::Error& error) {
            EXPECT_TRUE(error.Message().starts_with(std::string(ooxml::messages::kNeedsLibreOfficePrefix) +
                                                    ext +
                                                    std::string(ooxml::messages::kNeedsLibreOfficeSuffix)))
                << error.what();
        }
    }
    // .docx needs nothing else.
    EXPECT_TRUE(LoadDocumentFile(Fixture("docx/ukrf.docx")).Has("word/document.xml"));
}

// Password-protected .doc and .odt are refused before LibreOffice is asked, with the message of a
// protected .docx; unprotected ones go on to the conversion.
TEST(PackageConversionTest, PasswordProtectedDocAndOdtAreToldApart) {
    std::string doc = ReadFile(Fixture("convert/ukrf.doc"));
    EXPECT_FALSE(IsEncryptedWordDocument(doc));
    // The WordDocument stream starts a sector with its identifier; its flags word follows at 10.
    std::size_t fib = 512;
    while (fib + 12 < doc.size() && doc.compare(fib, 2, "\xEC\xA5") != 0) fib += 512;
    ASSERT_LT(fib + 12, doc.size());
    doc[fib + 11] = static_cast<char>(doc[fib + 11] | 0x01);
    EXPECT_TRUE(IsEncryptedWordDocument(doc));

    const std::string manifest =
        "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
        "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\">"
        "<manifest:encryption-data manifest:checksum-type=\"SHA1/1K\" manifest:checksum=\"x\"/>"
        "</manifest:file-entry></manifest:manifest>";
    const std::string odt = BuildZip({{"mimetype", "application/vnd.oasis.opendocument.text", false},
                                      {"META-INF/manifest.xml", manifest, true},
                                      {"content.xml", "\x01\x02 not XML: encrypted", true}});
    EXPECT_TRUE(IsEncryptedOdf(odt));
    EXPECT_FALSE(IsEncryptedOdf(ReadFile(Fixture("convert/ukrf.odt"))));

    platform::TempFolder folder("tabulex-protected-");
    ScopedPath path(folder.Path());  // no LibreOffice: the refusal must come first
    for (const auto& [name, bytes] : {std::pair{"opis.doc", doc}, std::pair{"opis.odt", odt}}) {
        SCOPED_TRACE(name);
        const std::string file = folder.Path() + "/" + name;
        WriteFile(file, bytes);
        try {
            LoadDocumentFile(file);
            ADD_FAILURE() << "opened";
        } catch (const text::Error& error) {
            EXPECT_TRUE(error.Message().starts_with(std::string(ooxml::messages::kEncrypted)))
                << error.what();
        }
    }
}

TEST(PackageConversionTest, LibreOfficeConvertsDocRtfAndOdt) {
    if (platform::FindOnPath("soffice").empty()) GTEST_SKIP() << "soffice is not installed";
    platform::TempFolder folder("tabulex-conv-");
    // A name a shell would misread: the conversion must not pass it through one.
    const std::string hostile = folder.Path() + "/-x $(touch pwned); 'a' \"b\" опись.rtf";
    std::filesystem::copy_file(Fixture("convert/ukrf.rtf"), hostile);
    for (const std::string& path : {Fixture("convert/ukrf.odt"), Fixture("convert/ukrf.doc"), hostile}) {
        SCOPED_TRACE(path);
        const std::string before = ReadFile(path);
        ooxml::Package package = LoadDocumentFile(path);
        EXPECT_NE(package.Bytes("word/document.xml").find("Уголовный кодекс"), std::string::npos);
        EXPECT_EQ(package.Name(), path);
        EXPECT_EQ(ReadFile(path), before);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/pwned"));
    EXPECT_FALSE(std::filesystem::exists("pwned"));
}

// A stand-in soffice on PATH that fails, or that hangs past the timeout.
TEST(PackageConversionTest, AFailingOrHangingConversionIsReported) {
#ifdef _WIN32
    GTEST_SKIP() << "the stand-in LibreOffice is a shell script";
#endif
    platform::TempFolder bin("tabulex-fake-");
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
         std::string(ooxml::messages::kConversionFailed),
         "exit status 3: Error: source file could not be loaded"},
        {"no output", "#!/bin/sh\nexit 0\n", std::string(ooxml::messages::kConversionFailed),
         "exit status 0"},
        {"hanging", "#!/bin/sh\n/bin/sleep 30 &\n/bin/sleep 30\n",
         std::string(ooxml::messages::kConversionTimedOutPrefix) + "1" +
             std::string(ooxml::messages::kConversionTimedOutSuffix),
         "killed after 1 s"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        WriteFile(soffice, c.Script);
        std::filesystem::permissions(soffice, std::filesystem::perms::owner_all);
        auto start = std::chrono::steady_clock::now();
        try {
            ConvertToDocx(rtf, DocumentFormat::Rtf, "opis.rtf",
                          ConversionLimits{.Timeout = std::chrono::seconds(1)});
            ADD_FAILURE() << "converted";
        } catch (const text::Error& error) {
            EXPECT_EQ(error.Message(), std::string(c.Message) + "opis.rtf");
            EXPECT_NE(error.Detail().find(c.Detail), std::string::npos) << error.Detail();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    }
}

// Replaces an environment variable for the scope of a test.
class ScopedEnv : public tabulex::testing::ScopedEnvironment {
  public:
    ScopedEnv(const char* name, const std::string& value) : ScopedEnvironment(name, value.c_str()) {}
};

TEST(PackageConversionTest, LibreOfficeRunsUnderAMemoryLimitInAPrivateTemporaryFolder) {
#ifdef _WIN32
    GTEST_SKIP() << "the stand-in LibreOffice is a shell script";
#endif
    platform::TempFolder bin("tabulex-fake-");
    platform::TempFolder record("tabulex-record-");
    platform::TempFolder system("tabulex-systemp-");
    ScopedPath path(bin.Path() + ":/bin:/usr/bin");
    ScopedEnv record_("TABULEX_RECORD", record.Path());
    ScopedEnv temp("TMPDIR", system.Path());
    WriteFile(
        bin.Path() + "/soffice",
        "#!/bin/sh\nulimit -v > \"$TABULEX_RECORD/limit\"\necho \"$TMPDIR\" > \"$TABULEX_RECORD/tmpdir\"\n"
        "touch \"$TMPDIR/lu1234.tmp\"\nexec sleep 30\n");
    std::filesystem::permissions(bin.Path() + "/soffice", std::filesystem::perms::owner_all);
    EXPECT_THROW(
        ConvertToDocx(ReadFile(Fixture("convert/ukrf.rtf")), DocumentFormat::Rtf, "opis.rtf",
                      ConversionLimits{.Timeout = std::chrono::seconds(1), .MemoryBytes = 512ull << 20}),
        text::Error);
    EXPECT_EQ(ReadFile(record.Path() + "/limit"), "524288\n");
    const std::string childTemp = ReadFile(record.Path() + "/tmpdir");
    EXPECT_TRUE(childTemp.starts_with(system.Path() + "/tabulex-convert-")) << childTemp;
    EXPECT_TRUE(std::filesystem::is_empty(system.Path()));
}

TEST(PackageConversionTest, AStopRequestEndsTheConversionAtOnce) {
#ifdef _WIN32
    GTEST_SKIP() << "the stand-in LibreOffice is a shell script";
#endif
    platform::TempFolder bin("tabulex-fake-");
    ScopedPath path(bin.Path() + ":/bin:/usr/bin");
    WriteFile(bin.Path() + "/soffice", "#!/bin/sh\nexec sleep 30\n");
    std::filesystem::permissions(bin.Path() + "/soffice", std::filesystem::perms::owner_all);
    std::atomic<bool> stop{false};
    std::thread ctrlC([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        stop = true;
    });
    const auto start = std::chrono::steady_clock::now();
    try {
        ConvertToDocx("{\\rtf1 x}", DocumentFormat::Rtf, "opis.rtf", ConversionLimits{.Stop = &stop});
        ADD_FAILURE() << "converted";
    } catch (const text::Error& error) {
        EXPECT_EQ(error.Message(), std::string(ooxml::messages::kOpenInterrupted) + "opis.rtf");
    }
    ctrlC.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace tabulex::word::docx
