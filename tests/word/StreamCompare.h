#pragma once

// Test support for the compact model of the main story: everything the object model answers about
// the top-level tables of a document, written out as lines, once from a document that answers from
// its compact model and once from the same document with its DOM built. The two must be identical.

#include "docx/DocxDocument.h"
#include "text/Error.h"

#include "DocxTestPackage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tabulex::word::docx::testing {

inline std::string FormatAnswers(Range& range) {
    return "text=" + Show(range.Text()) + " list=" + Show(range.ListFormat()->ListString()) +
           " bold=" + std::to_string(range.Font()->Bold()) +
           " keep=" + std::to_string(range.ParagraphFormat()->KeepWithNext());
}

// Every answer about the tables, rows and cells, one line each.
inline std::vector<std::string> TableAnswers(Document& document) {
    std::vector<std::string> lines;
    auto tables = document.Tables();
    for (int t = 1; t <= tables->Count(); ++t) {
        auto table = tables->Item(t);
        auto rows = table->Rows();
        const std::string name = "table " + std::to_string(t);
        lines.push_back(name + " rows=" + std::to_string(rows->Count()) +
                        " columns=" + std::to_string(table->Columns()->Count()));
        for (int r = 1; r <= rows->Count(); ++r) {
            auto row = rows->Item(r);
            const std::string rowName = name + " row " + std::to_string(r);
            lines.push_back(rowName + " " + FormatAnswers(*row->Range()) +
                            " break=" + std::to_string(row->AllowBreakAcrossPages()));
            for (int c = 1;; ++c) {
                std::unique_ptr<Cell> cell;
                try {
                    cell = table->Cell(r, c);
                } catch (const text::Error& error) {
                    lines.push_back(rowName + " cell " + std::to_string(c) + " " + Show(error.Message()));
                    break;
                }
                lines.push_back(rowName + " cell " + std::to_string(c) + " " + FormatAnswers(*cell->Range()));
            }
        }
    }
    return lines;
}

enum class Expect { Compact, Either };

// Opens `path` twice and compares the answers of the compact model with those of the DOM. `usedCompact`
// tells whether the document was read by the compact model at all.
inline void ExpectSameAnswers(const std::string& path, Expect expect = Expect::Compact,
                              bool* usedCompact = nullptr) {
    SCOPED_TRACE(path);
    std::unique_ptr<DocxDocument> compact, dom;
    std::string compactError, domError;
    try {
        compact = DocxDocument::OpenFile(path);
    } catch (const text::Error& error) {
        compactError = error.Message();
    }
    try {
        dom = DocxDocument::OpenFile(path);
        dom->UseDom();
    } catch (const text::Error& error) {
        domError = error.Message();
    }
    ASSERT_EQ(Show(compactError), Show(domError));
    if (!compact) return;
    if (expect == Expect::Compact) {
        ASSERT_NE(compact->Compact(), nullptr) << "the compact reader gave up";
    }
    const bool wasCompact = compact->Compact() != nullptr;
    if (usedCompact) *usedCompact = wasCompact;
    std::vector<std::string> fromCompact = TableAnswers(*compact);
    std::vector<std::string> fromDom = TableAnswers(*dom);
    // Reading must not have needed the DOM.
    EXPECT_EQ(compact->Compact() != nullptr, wasCompact);
    ASSERT_EQ(fromCompact.size(), fromDom.size());
    for (std::size_t i = 0; i < fromDom.size(); ++i) ASSERT_EQ(fromCompact[i], fromDom[i]);
    // The paragraphs after each table, asked last, as asking about a table other than the main one
    // builds the DOM. The compact model keeps a fixed number of bytes after the main table, so its
    // list may end earlier; it never gives other paragraphs, nor none where there are some.
    for (int t = 1; t <= dom->Tables()->Count(); ++t) {
        SCOPED_TRACE("after table " + std::to_string(t));
        const std::vector<std::string> after = compact->ParagraphsAfterTable(t);
        const std::vector<std::string> domAfter = dom->ParagraphsAfterTable(t);
        ASSERT_LE(after.size(), domAfter.size());
        EXPECT_EQ(after, std::vector<std::string>(domAfter.begin(), domAfter.begin() + after.size()));
        EXPECT_EQ(after.empty(), domAfter.empty());
    }
}

// The main namespace written with another prefix, or as the default namespace: a valid document
// that both readers know by namespace and answer about as about the usual one.
inline std::string WithMainNamespaceAs(std::string xml, bool asDefault) {
    const std::string element = asDefault ? "" : "ns0:";
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"<w:", "<" + element}, {"</w:", "</" + element}, {" w:", asDefault ? " w:" : " ns0:"}}) {
        for (std::size_t at = xml.find(from); at != std::string::npos; at = xml.find(from, at + to.size()))
            xml.replace(at, from.size(), to);
    }
    const std::string declaration =
        "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
    const std::string uri = declaration.substr(8);
    const std::size_t at = xml.find(declaration);
    if (at != std::string::npos)
        xml.replace(at, declaration.size(),
                    asDefault ? "xmlns=" + uri + " " + declaration : "xmlns:ns0=" + uri);
    return xml;
}

}  // namespace tabulex::word::docx::testing
