// Bad input refused with the user's message, the file left as it was: a table of files made in a
// temporary folder (and the committed encrypted document), each with the message it must give.

#include "ooxml/Package.h"

#include "PackageTestHelpers.h"
#include "ooxml/PackageMessages.h"
#include "platform/FileStamp.h"
#include "platform/FileSystem.h"
#include "text/Cp1251.h"
#include "text/Error.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>

namespace tabulex::word::docx {
namespace {

using namespace testing;

struct BadInput {
    const char* Label;
    std::function<std::string(const std::string& folder)> Make;  // returns the path to open
    std::string_view Message;                                    // the user's message starts with it
};

std::string Write(const std::string& folder, const std::string& name, std::string_view bytes) {
    std::string path = folder + "/" + name;
    WriteFile(path, bytes);
    return path;
}

std::string Truncated() {
    std::string zip = MinimalDocx();
    return zip.substr(0, zip.size() * 2 / 3);
}

// Flips bytes inside the deflated data of word/document.xml: the CRC check catches it.
std::string DamagedEntry() {
    std::string zip = MinimalDocx(std::string(2000, 'x'));
    std::size_t at = zip.find("word/document.xml") + 40;
    for (std::size_t i = at; i < at + 8; ++i) zip[i] = static_cast<char>(zip[i] ^ 0x5A);
    return zip;
}

// The start of what Word writes for a .docx with a password: an OLE compound file whose directory
// holds the streams EncryptionInfo and EncryptedPackage (names in UTF-16LE, 128-byte entries).
std::string EncryptedDocx() {
    std::string ole(512 * 4, '\0');
    ole.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    auto name = [&](std::size_t at, std::string_view ascii) {
        for (std::size_t i = 0; i < ascii.size(); ++i) ole[at + 2 * i] = ascii[i];
    };
    name(1024, "Root Entry");
    name(1024 + 128, "EncryptionInfo");
    name(1024 + 256, "EncryptedPackage");
    return ole;
}

std::vector<BadInput> BadInputs() {
    return {
        {"missing file", [](const std::string& d) { return d + "/absent.docx"; },
         ooxml::messages::kFileNotFound},
        {"missing folder", [](const std::string& d) { return d + "/no/such/opis.docx"; },
         ooxml::messages::kFileNotFound},
        {"folder",
         [](const std::string& d) {
             std::filesystem::create_directory(d + "/folder.docx");
             return d + "/folder.docx";
         },
         ooxml::messages::kIsFolder},
        {"empty file", [](const std::string& d) { return Write(d, "empty.docx", ""); },
         ooxml::messages::kEmptyFile},
        {"plain text", [](const std::string& d) { return Write(d, "text.docx", "Опись дел\r\n"); },
         ooxml::messages::kNotDocx},
        {"zip of something else",
         [](const std::string& d) {
             return Write(d, "other.docx", BuildZip({{"readme.txt", "hello"}}));
         },
         ooxml::messages::kNotDocx},
        {"truncated zip", [](const std::string& d) { return Write(d, "cut.docx", Truncated()); },
         ooxml::messages::kCorrupt},
        {"damaged entry", [](const std::string& d) { return Write(d, "crc.docx", DamagedEntry()); },
         ooxml::messages::kCorrupt},
        {"no main part",
         [](const std::string& d) {
             auto items = MinimalDocxItems();
             items.pop_back();
             return Write(d, "nomain.docx", BuildZip(items));
         },
         ooxml::messages::kNoMainPart},
        {"OLE without encrypted package (binary Word named .docx)",
         [](const std::string& d) {
             return Write(d, "old.docx",
                          std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(1024, '\0'));
         },
         ooxml::messages::kNotDocx},
        {"encrypted document", [](const std::string& d) { return Write(d, "secret.docx", EncryptedDocx()); },
         ooxml::messages::kEncrypted},
    };
}

struct FileState {
    bool Exists = false;
    std::string Bytes;
    std::int64_t Mtime = 0;
    bool operator==(const FileState&) const = default;
};

FileState StateOf(const std::string& path) {
    const platform::FileStamp stamp = platform::StampOf(path);
    if (!stamp.Exists || !stamp.IsRegular) return {};
    return {true, ReadFile(path), stamp.ModifiedSeconds * 1000000000 + stamp.ModifiedNanoseconds};
}

TEST(PackageBadInputTest, EachBadInputGivesItsMessageAndLeavesTheFileAlone) {
    platform::TempFolder folder("tabulex-bad-");
    for (const BadInput& input : BadInputs()) {
        SCOPED_TRACE(input.Label);
        const std::string path = input.Make(folder.Path());
        const FileState before = StateOf(path);
        try {
            ooxml::Package::Load(path);
            ADD_FAILURE() << "opened";
        } catch (const text::Error& error) {
            EXPECT_TRUE(error.Message().starts_with(input.Message)) << error.what();
            EXPECT_NE(error.Message().find(platform::DisplayName(path)), std::string::npos) << error.what();
            EXPECT_FALSE(error.Detail().empty());
        }
        EXPECT_EQ(StateOf(path), before);
    }
}

// Entries of 1 MiB of zeros, deflated once and copied raw into as many entries as it takes to pass
// the total: about 1 KB each on disk.
std::string ManyEntryBomb(std::uint64_t total) {
    std::string seed = BuildZip({{"zeros", std::string(1 << 20, '\0')}});
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* seedSource = zip_source_buffer_create(seed.data(), seed.size(), 0, &error);
    zip_t* seedArchive = zip_open_from_source(seedSource, ZIP_RDONLY, &error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* bomb = zip_open_from_source(buffer, ZIP_CREATE | ZIP_TRUNCATE, &error);
    zip_source_keep(buffer);
    auto addRaw = [&](const std::string& name) {
        zip_file_add(bomb, name.c_str(), zip_source_zip(bomb, seedArchive, 0, 0, 0, -1), 0);
    };
    for (std::uint64_t i = 0; i * (1 << 20) <= total; ++i) addRaw("word/media/zeros" + std::to_string(i));
    std::string docXml = DocumentXml("");
    zip_file_add(bomb, "word/document.xml", zip_source_buffer(bomb, docXml.data(), docXml.size(), 0), 0);
    zip_close(bomb);
    zip_discard(seedArchive);
    zip_stat_t st;
    zip_source_stat(buffer, &st);
    std::string out(static_cast<std::size_t>(st.size), '\0');
    zip_source_open(buffer);
    zip_source_read(buffer, out.data(), out.size());
    zip_source_close(buffer);
    zip_source_free(buffer);
    return out;
}

// Rewrites the uncompressed size of an entry in its local header and its central directory record.
std::string WithDeclaredSize(std::string zip, std::string_view name, std::uint32_t size) {
    auto put = [&](std::size_t at) {
        for (int i = 0; i < 4; ++i)
            zip[at + static_cast<std::size_t>(i)] = static_cast<char>(size >> (8 * i));
    };
    for (std::size_t at = zip.find(name); at != std::string::npos; at = zip.find(name, at + 1)) {
        if (zip.compare(at - 30, 4, "PK\x03\x04") == 0) put(at - 30 + 22);
        if (at >= 46 && zip.compare(at - 46, 4, "PK\x01\x02") == 0) put(at - 46 + 24);
    }
    return zip;
}

TEST(PackageBadInputTest, ZipBombsAreRefusedQuickly) {
    const std::string zeros(8u << 20, '\0');
    struct Bomb {
        const char* Label;
        std::string Bytes;
        ooxml::PackageLimits Limits;
    };
    std::vector<ZipItem> oneBigEntry = MinimalDocxItems();
    oneBigEntry.push_back({"word/media/image1.bin", zeros});
    ooxml::PackageLimits ratioLimits;
    ratioLimits.MaxCompressionRatio = 100;
    const std::vector<Bomb> bombs = {
        {"entries over 1 GiB in total", ManyEntryBomb(1ull << 30), ooxml::PackageLimits{}},
        {"declared size over the total",
         WithDeclaredSize(BuildZip(oneBigEntry), "word/media/image1.bin", 0xFFFFFFF0u),
         ooxml::PackageLimits{}},
        {"entry inflating past its declared size",
         WithDeclaredSize(BuildZip(oneBigEntry), "word/media/image1.bin", 4096), ooxml::PackageLimits{}},
        {"absurd compression ratio", BuildZip(oneBigEntry), ratioLimits},
        {"too many entries", ManyEntryBomb(64u << 20),
         [] {
             ooxml::PackageLimits fewEntries;
             fewEntries.MaxEntries = 50;
             return fewEntries;
         }()},
    };
    for (const Bomb& bomb : bombs) {
        SCOPED_TRACE(bomb.Label);
        EXPECT_LT(bomb.Bytes.size(), 4u << 20);
        auto start = std::chrono::steady_clock::now();
        try {
            ooxml::Package::FromBytes(bomb.Bytes, "bomb.docx", bomb.Limits);
            ADD_FAILURE() << "opened";
        } catch (const text::Error& error) {
            EXPECT_TRUE(error.Message().starts_with(ooxml::messages::kTooLarge)) << error.what();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    }
    // The same package opens once its ratio is allowed (deflate cannot go much past 1032:1).
    ooxml::PackageLimits generous;
    generous.MaxCompressionRatio = 2000;
    EXPECT_EQ(
        ooxml::Package::FromBytes(BuildZip(oneBigEntry), "big.docx", generous).Bytes("word/media/image1.bin"),
        zeros);
}

}  // namespace
}  // namespace tabulex::word::docx
