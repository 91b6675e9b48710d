#pragma once

// The texts of the paragraphs that follow a table, read from a piece of document.xml: what the
// check reads after the main table (the certification line, a continuing table's gap).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tabulex::word::docx {

// The texts of the paragraphs at the start of an XML fragment (what follows a table's end tag), up
// to a table, `maxParagraphs` of them or the end of the fragment (end tags of wrappers the table
// stands in are passed over: the body's paragraphs go on after them), each as Range.Text gives a
// paragraph's content (the inline vocabulary, fields, content controls; UTF-8, without its
// paragraph mark). A fragment cut short or broken ends the list before the first element it
// cuts. `declarations` are the namespace declarations the fragment's prefixes are bound by (those
// of the document's root, as RootNamespaceDeclarations gives them: ` xmlns:w="..."`).
std::vector<std::string> LeadingParagraphTexts(std::string_view fragment, std::string_view declarations,
                                               std::size_t maxParagraphs);

}  // namespace tabulex::word::docx
