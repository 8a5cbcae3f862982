#include "sources/archive/rar_unicode_name.h"

#include "platform/code_page.h"

namespace quorvane {

namespace {

// The encoded part is a high byte for the whole name, then groups of four 2-bit
// instructions, each flag byte followed by its operands:
//   0: one byte, the low byte of a code unit whose high byte is 0;
//   1: one byte, the low byte of a code unit with the name's high byte;
//   2: two bytes, a whole code unit (little-endian);
//   3: a run over the OEM name: length byte L; when L has bit 7, a correction byte C
//      follows and (L & 0x7F) + 2 units are OEM byte + C (mod 256) with the high byte,
//      otherwise L + 2 units are copied from the OEM bytes at the same positions.
std::u16string decodeUnits(std::string_view oem, std::string_view encoded) {
  std::u16string out;
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(encoded[i]); };
  const auto oemAt = [&](std::size_t i) -> unsigned char {
    return i < oem.size() ? static_cast<unsigned char>(oem[i]) : 0;
  };
  if (encoded.empty()) return out;
  const char16_t high = static_cast<char16_t>(byteAt(0) << 8);
  std::size_t at = 1;
  unsigned flags = 0;
  int flagBits = 0;
  // Every step consumes at least one byte of the encoded part, so the loop ends.
  while (at < encoded.size()) {
    if (flagBits == 0) {
      flags = byteAt(at++);
      flagBits = 8;
      if (at >= encoded.size()) break;
    }
    switch (flags >> 6) {
      case 0:
        out.push_back(byteAt(at++));
        break;
      case 1:
        out.push_back(static_cast<char16_t>(high | byteAt(at++)));
        break;
      case 2:
        if (at + 1 >= encoded.size()) return out;
        out.push_back(static_cast<char16_t>(byteAt(at) | (byteAt(at + 1) << 8)));
        at += 2;
        break;
      case 3: {
        unsigned length = byteAt(at++);
        if (length & 0x80) {
          if (at >= encoded.size()) return out;
          const unsigned char correction = byteAt(at++);
          for (length = (length & 0x7F) + 2; length > 0; --length) {
            const std::size_t position = out.size();
            out.push_back(static_cast<char16_t>(high | static_cast<unsigned char>(oemAt(position) + correction)));
          }
        } else {
          for (length += 2; length > 0; --length) out.push_back(oemAt(out.size()));
        }
        break;
      }
    }
    flags = (flags << 2) & 0xFF;
    flagBits -= 2;
  }
  return out;
}

}  // namespace

std::string DecodeRarUnicodeName(std::string_view field) {
  const std::size_t nul = field.find('\0');
  if (nul == std::string_view::npos) return platform::oemToUtf8(field);
  const std::string_view oem = field.substr(0, nul);
  std::u16string units = decodeUnits(oem, field.substr(nul + 1));
  // A NUL unit ends the name; a name that decodes to nothing keeps its OEM form.
  const std::size_t end = units.find(u'\0');
  if (end != std::u16string::npos) units.resize(end);
  if (units.empty()) return platform::oemToUtf8(oem);
  return platform::utf16ToUtf8(units);
}

}  // namespace quorvane
