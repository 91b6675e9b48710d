// Every .docx of the corpus folder (CorpusFolder.h) opens, and comes back unchanged from a save: the
// container byte for byte without edits; after rewriting every XML part, the other entries keep
// their compressed data and the rewritten parts parse to the same XML. Skipped without a corpus.

#include "ooxml/Package.h"
#include "ooxml/XmlPart.h"

#include "CorpusFolder.h"
#include "PackageTestHelpers.h"
#include "text/Error.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    ooxml::Package package = ooxml::Package::Load(path);
    ASSERT_EQ(package.ToBytes(), original);

    std::map<std::string, std::string> rewritten;
    for (const std::string& name : package.PartNames()) {
        if (!IsXmlPart(name)) continue;
        pugi::xml_document document = ooxml::ParsePart(package, name);
        std::string xml = ooxml::SerializePart(document);
        ooxml::XmlPartWriter writer(document);
        std::string streamed;
        while (writer.Next(streamed)) {
        }
        EXPECT_EQ(streamed, xml) << name;
        if (xml != package.Bytes(name)) rewritten[name] = xml;
        package.SetBytes(name, xml);
    }
    const std::string saved = package.ToBytes();
    ooxml::Package reopened = ooxml::Package::FromBytes(saved, path);
    // A large rewritten part may move to the end of the archive (it is written as a new entry);
    // the order of entries means nothing to a reader, their contents do.
    std::vector<std::string> namesAfter = reopened.PartNames();
    std::vector<std::string> namesBefore = package.PartNames();
    std::sort(namesAfter.begin(), namesAfter.end());
    std::sort(namesBefore.begin(), namesBefore.end());
    ASSERT_EQ(namesAfter, namesBefore);
    std::map<std::string, RawEntry> after;
    for (RawEntry& entry : RawEntries(saved)) after.emplace(entry.Name, std::move(entry));
    const std::vector<RawEntry> before = RawEntries(original);
    ASSERT_EQ(before.size(), after.size());
    for (const RawEntry& entry : before) {
        if (rewritten.count(entry.Name)) {
            EXPECT_EQ(ooxml::SerializePart(ooxml::ParsePart(reopened, entry.Name)), rewritten[entry.Name]);
        } else {
            ASSERT_EQ(after.count(entry.Name), 1u) << entry.Name;
            EXPECT_EQ(after.at(entry.Name), entry) << entry.Name;
        }
    }
}

TEST(PackageCorpusTest, EveryCorpusDocumentOpensAndRoundTrips) {
    const std::string root = testing::CorpusFolder();
    if (root.empty()) GTEST_SKIP() << "no corpus folder: set TABULEX_CORPUS";
    std::size_t count = 0;
    for (const std::string& path : CorpusFiles(root.c_str())) {
        try {
            CheckRoundTrip(path);
        } catch (const text::Error& error) {
            ADD_FAILURE() << path << ": " << error.what();
        }
        ++count;
    }
    EXPECT_GT(count, 0u);
}

}  // namespace
}  // namespace tabulex::word::docx
