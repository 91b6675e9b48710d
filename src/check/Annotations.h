#pragma once

// The comments of an annotated copy of a checked inventory: every problem row gets one on the cell
// its first message concerns, holding the row's messages one per line; the document hints and the
// summary go into one comment on the main table's first row; the disagreements of the
// certification line go onto that line.

#include "check/CheckOutcome.h"
#include "word/WordModel.h"

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

namespace tabulex::check {

// `twoDateColumns` as the run was made; `dateTime` is the moment of the check (CommentDateTime).
word::CommentSet AnnotationComments(const CheckOutcome& outcome, bool twoDateColumns,
                                    const std::string& dateTime);

// Where the window puts the annotated copy of `documentName` (1251): beside the report, named after
// the inventory, "опись-примечания.docx".
std::filesystem::path AnnotatedCopyPath(const std::filesystem::path& reportFolder,
                                        std::string_view documentName);

// Writes the annotated copy of the checked `document` to `path`; the document itself is not changed.
// Throws text::Error with the user's message when the copy cannot be written.
void SaveAnnotatedCopy(word::Document& document, const CheckOutcome& outcome, bool twoDateColumns,
                       std::time_t checkedAt, const std::filesystem::path& path);

// A moment as a comment's date: xsd:dateTime in UTC, "2026-12-08T00:57:00Z".
std::string CommentDateTime(std::time_t moment);

}  // namespace tabulex::check
