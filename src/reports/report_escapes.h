#pragma once
// Names as the machine-readable and shareable reports write them. A held name is bytes;
// a byte that does not begin or continue a valid UTF-8 sequence is written:
//  - in CSV and HTML as U+FFFD, the replacement character (the file stays valid UTF-8);
//  - in JSON as the escape \udcXX, XX the byte (the lone low surrogate that Python's
//    "surrogateescape" reads it as: os.fsencode() gives the name's bytes back).
// Control characters: CSV keeps them in a quoted field, JSON escapes them, HTML shows
// them as "?" as the text report does.
#include <string>
#include <string_view>

namespace quorvane {

// One CSV field (RFC 4180): quoted when it holds a comma, a quote, CR or LF (quotes doubled).
void AppendCsvField(std::string& out, std::string_view bytes);

// A JSON string literal, with its quotes.
void AppendJsonString(std::string& out, std::string_view bytes);

// Text for an HTML element or attribute: & < > " ' as references.
void AppendHtmlText(std::string& out, std::string_view bytes);

}  // namespace quorvane
