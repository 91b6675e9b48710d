#pragma once

// Test support for the document host: small packages written from XML, a temporary folder, and a
// visible form of Word's control characters for readable failures.

#include "ooxml/MinimalPackage.h"
#include "support/TestFolder.h"
#include "text/Cp1251.h"
#include "text/Utf8Paths.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace tabulex::word::docx::testing {

class TempFolder {
  public:
    TempFolder() {
        path_ = tabulex::testing::MakeTestFolder("tabulex-host-");
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const {
        return text::Utf8OfPath(path_ / text::PathFromUtf8(name));
    }

  private:
    std::filesystem::path path_;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(text::PathFromUtf8(path), std::ios::binary);
    out << bytes;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(text::PathFromUtf8(path), std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// Writes a .docx whose body holds `bodyXml` (UTF-8) and returns its path.
inline std::string WriteDocx(const std::string& path, std::string_view bodyXml,
                             std::string styles = ooxml::DefaultStylesXml(), std::string numbering = {}) {
    WriteFile(path, ooxml::BuildDocxBytes(
                        ooxml::DocxParts{ooxml::WrapBody(bodyXml), std::move(styles), std::move(numbering)}));
    return path;
}

// Body XML helpers (UTF-8).
inline std::string P(std::string_view text) {
    return "<w:p><w:r><w:t xml:space=\"preserve\">" + std::string(text) + "</w:t></w:r></w:p>";
}
inline std::string Tc(std::string_view content) {
    return "<w:tc>" + std::string(content) + "</w:tc>";
}
inline std::string Tr(std::string_view cells) {
    return "<w:tr>" + std::string(cells) + "</w:tr>";
}
inline std::string Tbl(std::string_view rows, int columns = 2) {
    std::string grid = "<w:tblGrid>";
    for (int i = 0; i < columns; ++i) grid += "<w:gridCol w:w=\"2000\"/>";
    return "<w:tbl><w:tblPr><w:tblW w:w=\"0\" w:type=\"auto\"/></w:tblPr>" + grid + "</w:tblGrid>" +
           std::string(rows) + "</w:tbl>";
}

inline std::string Cp(std::string_view utf8) {
    return text::Utf8ToCp1251(utf8);
}

// Word's marks made visible (UTF-8): end of cell or row "|", paragraph "¶", TAB "→", line break "↵",
// other control characters as \xNN.
inline std::string Show(std::string_view text1251) {
    std::string out;
    for (std::size_t i = 0; i < text1251.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text1251[i]);
        if (c == '\r' && i + 1 < text1251.size() && text1251[i + 1] == '\a') {
            out += '|';
            ++i;
        } else if (c == '\r') {
            out += "¶";
        } else if (c == '\t') {
            out += "→";
        } else if (c == 0x0B) {
            out += "↵";
        } else if (c < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", c);
            out += code;
        } else {
            out += text::Cp1251ToUtf8(std::string_view(text1251).substr(i, 1));
        }
    }
    return out;
}

}  // namespace tabulex::word::docx::testing
