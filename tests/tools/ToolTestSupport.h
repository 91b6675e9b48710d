#pragma once

// Test support for the document tools: a front end that records what a command shows and asks, and
// small inventories made in memory by the document host.

#include "docx/DocxDocument.h"
#include "ooxml/MinimalPackage.h"
#include "settings/Settings.h"
#include "text/Cp1251.h"
#include "tools/ToolHost.h"

#include <memory>
#include <string>
#include <vector>

namespace tabulex::tools::testing {

class RecordingHost : public ToolHost {
  public:
    // What the host does and sees; texts in UTF-8.
    bool AnswerOk = true;
    bool AnswerRowReadAgain = false;
    std::vector<std::string> Statuses;
    std::vector<std::string> Captions;
    std::vector<std::string> Titles;
    std::vector<std::string> Confirmations;  // "caption|text"
    std::vector<bool> Busy;
    int RowReadQuestions = 0;
    int BroughtToFront = 0;
    settings::MemorySettings Store;

    void ShowStatus(std::string_view text) override { Statuses.push_back(text::Cp1251ToUtf8(text)); }
    void SetCaption(std::string_view text) override { Captions.push_back(text::Cp1251ToUtf8(text)); }
    void SetApplicationTitle(std::string_view text) override { Titles.push_back(text::Cp1251ToUtf8(text)); }
    void SetBusy(bool busy) override { Busy.push_back(busy); }
    void ProcessEvents() override {}
    bool StopRequested() override { return false; }
    bool Confirm(const Confirmation& confirmation) override {
        Confirmations.push_back(text::Cp1251ToUtf8(confirmation.Caption) + "|" +
                                text::Cp1251ToUtf8(confirmation.Text));
        return AnswerOk;
    }
    bool AskRowReadAgain(std::string_view, std::string_view) override {
        ++RowReadQuestions;
        return AnswerRowReadAgain;
    }
    void BringToFront() override { ++BroughtToFront; }
    void CloseReportDocuments() override {}
    settings::Settings& Settings() override { return Store; }
};

// One table of rows; cells separated by TAB in each row (UTF-8). A row that is one text without a
// TAB spans the table's grid.
inline std::string TableXml(const std::vector<std::string>& rows, int columns) {
    std::string xml = "<w:tbl><w:tblGrid>";
    for (int c = 0; c < columns; ++c) xml += "<w:gridCol/>";
    xml += "</w:tblGrid>";
    for (const std::string& row : rows) {
        xml += "<w:tr>";
        std::size_t from = 0;
        const bool spans = row.find('\t') == std::string::npos;
        for (;;) {
            const std::size_t tab = row.find('\t', from);
            xml += "<w:tc>";
            if (spans) xml += "<w:tcPr><w:gridSpan w:val=\"" + std::to_string(columns) + "\"/></w:tcPr>";
            xml += "<w:p><w:r><w:t xml:space=\"preserve\">" + row.substr(from, tab - from) +
                   "</w:t></w:r></w:p></w:tc>";
            if (tab == std::string::npos) break;
            from = tab + 1;
        }
        xml += "</w:tr>";
    }
    return xml + "</w:tbl>";
}

inline std::unique_ptr<word::docx::DocxDocument> DocumentOf(const std::string& bodyXml) {
    ooxml::DocxParts parts;
    parts.Document = ooxml::WrapBody(bodyXml);
    parts.Styles = ooxml::DefaultStylesXml();
    return word::docx::DocxDocument::FromPackage(ooxml::PackageFromParts(parts, "opis.docx"), "opis.docx");
}

}  // namespace tabulex::tools::testing
