#pragma once

// Helpers of the package tests: zip archives built and taken apart in memory with libzip.

#include <zip.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex::word::docx::testing {

struct ZipItem {
    std::string Name;
    std::string Data;
    bool Deflate = true;
};

// Builds a zip archive in memory, entries in the given order.
inline std::string BuildZip(const std::vector<ZipItem>& items) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t* archive = zip_open_from_source(buffer, ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) throw std::runtime_error("zip_open_from_source");
    zip_source_keep(buffer);
    for (const ZipItem& item : items) {
        zip_source_t* source = zip_source_buffer(archive, item.Data.data(), item.Data.size(), 0);
        zip_int64_t index = zip_file_add(archive, item.Name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) throw std::runtime_error("zip_file_add");
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                                 item.Deflate ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0) throw std::runtime_error("zip_close");
    zip_stat_t st;
    zip_source_stat(buffer, &st);
    std::string out(static_cast<std::size_t>(st.size), '\0');
    zip_source_open(buffer);
    zip_source_read(buffer, out.data(), out.size());
    zip_source_close(buffer);
    zip_source_free(buffer);
    return out;
}

// One entry as stored in the container: its compressed bytes and metadata.
struct RawEntry {
    std::string Name;
    std::string Compressed;
    std::uint16_t Method = 0;
    std::uint32_t Crc = 0;
    std::uint64_t Size = 0;
    bool operator==(const RawEntry&) const = default;
};

inline std::vector<RawEntry> RawEntries(const std::string& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive) throw std::runtime_error("not a zip");
    std::vector<RawEntry> entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &st);
        RawEntry entry{st.name, std::string(static_cast<std::size_t>(st.comp_size), '\0'), st.comp_method,
                       st.crc, st.size};
        zip_file_t* file = zip_fopen_index(archive, static_cast<zip_uint64_t>(i), ZIP_FL_COMPRESSED);
        zip_fread(file, entry.Compressed.data(), entry.Compressed.size());
        zip_fclose(file);
        entries.push_back(std::move(entry));
    }
    zip_discard(archive);
    return entries;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline constexpr std::string_view kContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\r\n"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" )"
    R"(ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/></Types>)";

inline constexpr std::string_view kRootRels =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\r\n"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" )"
    R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" )"
    R"(Target="word/document.xml"/></Relationships>)";

inline std::string DocumentXml(std::string_view body) {
    return std::string(R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)") + "\r\n" +
           R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>)" +
           std::string(body) + "</w:body></w:document>";
}

// The smallest package Word opens: content types, the package relationships and the main part.
inline std::vector<ZipItem> MinimalDocxItems(
    std::string_view body = "<w:p><w:r><w:t>text</w:t></w:r></w:p>") {
    return {{"[Content_Types].xml", std::string(kContentTypes)},
            {"_rels/.rels", std::string(kRootRels)},
            {"word/document.xml", DocumentXml(body)}};
}

inline std::string MinimalDocx(std::string_view body = "<w:p><w:r><w:t>text</w:t></w:r></w:p>") {
    return BuildZip(MinimalDocxItems(body));
}

}  // namespace tabulex::word::docx::testing
