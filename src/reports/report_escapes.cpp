#include "reports/report_escapes.h"

#include <cstdio>

namespace quorvane {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

unsigned char byteAt(std::string_view text, std::size_t at) { return static_cast<unsigned char>(text[at]); }

bool continuation(std::string_view text, std::size_t at) {
  return at < text.size() && (byteAt(text, at) & 0xC0) == 0x80;
}

// Appends the text with every invalid byte as U+FFFD; each valid sequence through put.
template <typename Put>
void repaired(std::string& out, std::string_view text, Put put) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = Utf8SequenceLength(text, i);
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

std::size_t Utf8SequenceLength(std::string_view t, std::size_t at) {
  const unsigned char b = byteAt(t, at);
  if (b < 0x80) return 1;
  std::size_t n;
  unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
  if (b >= 0xC2 && b <= 0xDF) {
    n = 2;
  } else if (b >= 0xE0 && b <= 0xEF) {
    n = 3;
    if (b == 0xE0) low = 0xA0;
    if (b == 0xED) high = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    n = 4;
    if (b == 0xF0) low = 0x90;
    if (b == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + 1 >= t.size() || byteAt(t, at + 1) < low || byteAt(t, at + 1) > high) return 0;
  for (std::size_t k = 2; k < n; ++k)
    if (!continuation(t, at + k)) return 0;
  return n;
}

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
    const std::size_t n = Utf8SequenceLength(bytes, i);
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
