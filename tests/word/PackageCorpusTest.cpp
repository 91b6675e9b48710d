// Every .docx under the folder named by TABULEX_CORPUS opens, and comes back unchanged from a save:
// the container byte for byte without edits; after rewriting every XML part, the other entries keep
// their compressed data and the rewritten parts parse to the same XML. Skipped without TABULEX_CORPUS.

#include "word/docx/Package.h"
#include "word/docx/XmlPart.h"

#include "PackageTestHelpers.h"
#include "word/Error.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

namespace tabulex::word::docx {
namespace {

using testing::RawEntries;
using testing::RawEntry;

bool IsXmlPart(const std::string& name) {
    return name.ends_with(".xml") || name.ends_with(".rels");
}

std::vector<std::string> CorpusFiles(const char* root) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file() && entry.path().extension() == ".docx")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

void CheckRoundTrip(const std::string& path) {
    SCOPED_TRACE(path);
    const std::string original = testing::ReadFile(path);
    Package package = Package::Load(path);
    ASSERT_EQ(package.ToBytes(), original);

    std::map<std::string, std::string> rewritten;
    for (const std::string& name : package.PartNames()) {
        if (!IsXmlPart(name)) continue;
        pugi::xml_document document = ParsePart(package, name);
        std::string xml = SerializePart(document);
        if (xml != package.Bytes(name)) rewritten[name] = xml;
        package.SetBytes(name, xml);
    }
    const std::string saved = package.ToBytes();
    Package reopened = Package::FromBytes(saved, path);
    ASSERT_EQ(reopened.PartNames(), package.PartNames());
    std::vector<RawEntry> before = RawEntries(original);
    std::vector<RawEntry> after = RawEntries(saved);
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (rewritten.count(before[i].Name)) {
            EXPECT_EQ(SerializePart(ParsePart(reopened, before[i].Name)), rewritten[before[i].Name]);
        } else {
            EXPECT_EQ(after[i], before[i]) << before[i].Name;
        }
    }
}

TEST(PackageCorpusTest, EveryCorpusDocumentOpensAndRoundTrips) {
    const char* root = std::getenv("TABULEX_CORPUS");
    if (!root || !*root) GTEST_SKIP() << "TABULEX_CORPUS is not set";
    std::size_t count = 0;
    for (const std::string& path : CorpusFiles(root)) {
        try {
            CheckRoundTrip(path);
        } catch (const word::Error& error) {
            ADD_FAILURE() << path << ": " << error.what();
        }
        ++count;
    }
    EXPECT_GT(count, 0u);
}

}  // namespace
}  // namespace tabulex::word::docx
