// Texts of the meet: characters, letter case, numbers read from text, the
// quoted fields of data-file lines and padding for the fixed-width reports.
//
// Texts are UTF-8. Every length, width and cut counts characters (code points),
// so accented club names keep report columns aligned; letter case is folded for
// ASCII letters only.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace bm {

// --- Characters and letter case -------------------------------------------

// Number of characters (code points) of a UTF-8 text.
int TextLength(std::string_view text);
// The first n characters of a text (the whole text when it is shorter).
std::string FirstChars(std::string_view text, int n);
// The text with ASCII letters in upper case.
std::string UpperAscii(std::string_view text);
// Equality with ASCII letters compared regardless of case.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
// True when the text holds the given piece (exact comparison).
bool Contains(std::string_view text, std::string_view piece);
// The text as it may enter the meet: a double quote becomes an apostrophe and
// a line break (CR or LF) a blank, because the data file cannot hold them; a
// text that is not UTF-8 is read as Windows-1252, as an older file is, so that
// the meet file stays UTF-8 throughout.
std::string CleanText(std::string_view text);
// The text without leading and trailing blanks and control characters.
std::string Trimmed(std::string_view text);
// Appends the number's decimal digits, as a stream writes them: the lines of
// a large meet file are put together this way, many times faster.
void AppendNumber(std::string& text, long long number);

// The code points of a UTF-8 text.
std::u32string CodePoints(std::string_view text);
// True when the text in upper case is "TRUE" or "Y".
bool IsTrueText(std::string_view text);
// Words capitalised as a name ("ST PETERS BOAT CLUB" -> "St Peters Boat Club").
std::string NameCase(std::string_view text);

// The count and the word for one or for many: "1 race", "2 races".
std::string Counted(int count, std::string_view one, std::string_view many);
// The text with "&", "<", ">", '"' and "'" written as character references,
// so that any name reads as text in an HTML element or attribute.
std::string HtmlEscaped(std::string_view text);

// --- Numbers ----------------------------------------------------------------

// Reads a decimal integer: leading white space skipped, an optional sign, the
// digits up to the first other character; 0 without digits. Values beyond the
// 32-bit range saturate at its limits.
int ReadInt(std::string_view text);
// Like ReadInt, but false when the text (trimmed) is not a whole decimal number.
bool ParseWholeInt(std::string_view text, int& value);

// --- Data-file fields and padding -------------------------------------------

// Field k (from 0) of a quoted-field line: the text between the (2k+1)-th and
// the (2k+2)-th double quote (to the end of the line when the closing quote is
// missing); empty when the line has fewer quotes. Returns the position where
// copying stopped.
std::size_t QuotedField(std::string_view line, int k, std::string& out);
// The same, returning the field.
std::string QuotedField(std::string_view line, int k);
// Fields 0 to fields.size()-1 of a line in one pass, each as QuotedField gives it.
void QuotedFields(std::string_view line, std::span<std::string_view> fields);

// Writes the text, then blanks up to the width; a longer text is written whole.
void PadRight(std::string_view text, int width, std::ostream& out);
// Writes blanks so that the text ends at the width; a longer text is written whole.
void PadLeft(std::string_view text, int width, std::ostream& out);
// The text followed by blanks up to the width.
std::string PadText(std::string_view text, int width);
// Blanks so that the text ends at the width, then the text.
std::string PadTextLeft(std::string_view text, int width);

} // namespace bm
