#pragma once

// Text primitives on Windows-1251 byte strings. Positions are 1-based; 0 means "not found".

#include <initializer_list>
#include <string>
#include <string_view>

namespace tabulex::text {

// The first occurrence of pattern in text at or after start; 0 if none or either is empty.
int PosFrom(std::string_view pattern, std::string_view text, int start = 1);

// As PosFrom, comparing bytes through UpperMap1251.
int PosFromNoCase(std::string_view pattern, std::string_view text, int start = 1);

inline bool Contains(std::string_view text, std::string_view pattern) {
    return PosFrom(pattern, text) != 0;
}

// Every occurrence replaced in one left-to-right pass; replaced text is never searched again.
std::string ReplaceAll(std::string_view text, std::string_view oldPattern, std::string_view newText);

// A message with its blanks filled in: "%1" .. "%9" become values[0] .. values[8], in one pass (a
// value is never searched again). Messages are kept whole with their blanks, so that a search for
// a message's text finds it.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

// One pass of "two spaces -> one": a run of k spaces becomes ceil(k/2) spaces.
std::string CollapseDoubleSpaces(std::string_view text);

// Trimming drops codes 0..32 at the ends.
std::string_view TrimView(std::string_view text);
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// The part of text from a 1-based position with a length, clipped to the text.
std::string_view Copy(std::string_view text, int position, int length);

}  // namespace tabulex::text
