// A part handed to the zip piece by piece comes out whole, in an entry every word processor reads
// (no Zip64 fields), and a writer's failure reaches the caller.

#include "ooxml/MinimalPackage.h"
#include "ooxml/Package.h"
#include "text/Error.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace tabulex::ooxml {
namespace {

class PiecesWriter : public PartWriter {
  public:
    PiecesWriter(std::string text, int pieces, bool failAtEnd = false)
        : text_(std::move(text)), pieces_(pieces), failAtEnd_(failAtEnd) {}
    bool Next(std::string& out) override {
        const std::size_t size = text_.size() / static_cast<std::size_t>(pieces_) + 1;
        out += text_.substr(at_, size);
        at_ = std::min(text_.size(), at_ + size);
        if (at_ == text_.size() && failAtEnd_) throw text::Error("stopped", "writer");
        return at_ < text_.size();
    }

  private:
    std::string text_;
    int pieces_;
    bool failAtEnd_;
    std::size_t at_ = 0;
};

// The version needed to extract, from the local header of the entry named `name`.
int LocalHeaderVersion(const std::string& zip, const std::string& name) {
    for (std::size_t at = zip.find("PK\x03\x04"); at != std::string::npos;
         at = zip.find("PK\x03\x04", at + 4)) {
        std::uint16_t nameLength = 0;
        std::memcpy(&nameLength, zip.data() + at + 26, 2);
        if (zip.compare(at + 30, nameLength, name) != 0) continue;
        std::uint16_t version = 0;
        std::memcpy(&version, zip.data() + at + 4, 2);
        return version;
    }
    return -1;
}

TEST(PartSourceTest, APartWrittenInPiecesComesOutWhole) {
    std::string xml = std::string(DocumentXmlStart());
    for (int row = 0; row < 20000; ++row)
        xml += "<w:p><w:r><w:t>" + std::to_string(row) + "</w:t></w:r></w:p>";
    xml += DocumentXmlEnd();
    for (int pieces : {1, 7, 1000}) {
        SCOPED_TRACE(pieces);
        PiecesWriter writer(xml, pieces);
        const std::string zip = BuildDocxBytes({}, writer, xml.size(), kQuickestZip);
        const auto package = ooxml::Package::FromBytes(zip, "streamed.docx");
        EXPECT_EQ(package.Bytes("word/document.xml"), xml);
        EXPECT_EQ(LocalHeaderVersion(zip, "word/document.xml"), 20);
    }
}

TEST(PartSourceTest, TheWritersFailureReachesTheCaller) {
    PiecesWriter writer(std::string(100000, 'x'), 10, true);
    try {
        BuildDocxBytes({}, writer, 100000);
        FAIL() << "built";
    } catch (const text::Error& error) {
        EXPECT_EQ(error.Message(), "stopped");
    }
}

// A package saved with its story's writer on a thread of its own holds what the compressor's own
// reading gives, however the pieces fall; a failure on that thread reaches the caller too.
TEST(PartSourceTest, AWriterOnItsOwnThreadGivesTheSamePart) {
    std::string xml = std::string(DocumentXmlStart());
    for (int row = 0; row < 20000; ++row)
        xml += "<w:p><w:r><w:t>" + std::to_string(row) + "</w:t></w:r></w:p>";
    xml += DocumentXmlEnd();
    PiecesWriter original(xml, 1);
    const auto package = Package::FromBytes(BuildDocxBytes({}, original, xml.size()), "threaded.docx");
    const std::string changed = xml + "<!-- changed -->";
    for (int pieces : {1, 3, 50, 5000}) {
        for (bool thread : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << pieces << (thread ? " on its own thread" : " read by the compressor"));
            PiecesWriter writer(changed, pieces);
            const std::string zip = package.ToBytes({{"word/document.xml", &writer, changed.size(), thread}});
            EXPECT_EQ(Package::FromBytes(zip, "saved.docx").Bytes("word/document.xml"), changed);
            PiecesWriter failing(changed, pieces, true);
            EXPECT_THROW(package.ToBytes({{"word/document.xml", &failing, changed.size(), thread}}),
                         text::Error);
        }
    }
}

}  // namespace
}  // namespace tabulex::ooxml
