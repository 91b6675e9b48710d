#pragma once

// Reads word/document.xml once as a stream (expat) into a CompactStory, following the DOM path's
// rules exactly: tables as TableIndex finds them, Range.Text as StoryText gives it, formats as
// RangeFormat reads them, list numbers counted over the whole body as ListNumbering counts them.

#include "docx/CompactStory.h"
#include "docx/ListNumbering.h"
#include "docx/StyleSheet.h"
#include "docx/stream/PartExcerpts.h"
#include "ooxml/PartStream.h"

#include <atomic>
#include <memory>
#include <string_view>

namespace tabulex::word::docx {

// The model of `xml` (the bytes of word/document.xml), or null when the stream cannot be read the
// way the DOM path reads it: XML that does not parse (the DOM path then gives its message), a
// document type declaration, or a construct the stream cannot answer without looking ahead (a
// field instruction running across a cell boundary, an mc:Fallback before its mc:Choice, table
// properties after the table's first paragraph), or `stop` set while reading. The caller then
// builds the DOM, unless it was stopped.
// The same of the part as it streams in; `excerpts` gets what the host keeps of it. What the stream
// throws reaches the caller.
std::unique_ptr<CompactStory> ReadCompactStory(ooxml::PartStream& xml, const StyleSheet& styles,
                                               const ListNumbering& numbering, const std::atomic<bool>* stop,
                                               PartExcerpts& excerpts);
std::unique_ptr<CompactStory> ReadCompactStory(std::string_view xml, const StyleSheet& styles,
                                               const ListNumbering& numbering,
                                               const std::atomic<bool>* stop = nullptr);

}  // namespace tabulex::word::docx
