#include "reports/report_escapes.h"

#include <cstdio>

#include "platform/code_page.h"

namespace quorvane {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

unsigned char byteAt(std::string_view text, std::size_t at) { return static_cast<unsigned char>(text[at]); }

// Appends the text with every invalid byte as U+FFFD; each valid sequence through put.
template <typename Put>
void repaired(std::string& out, std::string_view text, Put put) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = platform::utf8SequenceLength(text, i);
    if (n == 0) {
      out += kReplacement;
      ++i;
    } else {
      put(text.substr(i, n));
      i += n;
    }
  }
}

}  // namespace

void AppendCsvField(std::string& out, std::string_view bytes) {
  const bool quoted = bytes.find_first_of(",\"\r\n") != std::string_view::npos;
  if (quoted) out += '"';
  repaired(out, bytes, [&](std::string_view piece) {
    if (piece == "\"") out += '"';
    out += piece;
  });
  if (quoted) out += '"';
}

void AppendJsonString(std::string& out, std::string_view bytes) {
  out += '"';
  char escape[8];
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t n = platform::utf8SequenceLength(bytes, i);
    const unsigned char b = byteAt(bytes, i);
    if (n == 0) {
      std::snprintf(escape, sizeof escape, "\\udc%02x", b);
      out += escape;
      ++i;
      continue;
    }
    if (n == 1) {
      switch (b) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
          if (b < 0x20 || b == 0x7F) {
            std::snprintf(escape, sizeof escape, "\\u%04x", b);
            out += escape;
          } else {
            out += static_cast<char>(b);
          }
      }
    } else {
      out += bytes.substr(i, n);
    }
    i += n;
  }
  out += '"';
}

void AppendHtmlText(std::string& out, std::string_view bytes) {
  repaired(out, bytes, [&](std::string_view piece) {
    if (piece.size() > 1) {
      out += piece;
      return;
    }
    const unsigned char b = static_cast<unsigned char>(piece[0]);
    switch (b) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += (b < 0x20 || b == 0x7F) ? '?' : static_cast<char>(b);
    }
  });
}

}  // namespace quorvane
