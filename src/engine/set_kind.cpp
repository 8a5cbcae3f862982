#include "engine/set_kind.h"

#include <string>

#include "engine/run_state.h"
#include "platform/directory_listing.h"

namespace quorvane {

namespace {

std::string upperAscii(std::string_view text) {
  std::string out(text);
  for (char& ch : out)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return out;
}

// The CRC-16 archive families; nullopt-like 0 for every other text.
std::uint8_t crc16FamilyKind(std::string_view upperExtension) {
  if (upperExtension == ".LZH" || upperExtension == ".PAK" || upperExtension == ".LHA") return skLha;
  if (upperExtension == ".ZOO") return skZoo;
  if (upperExtension == ".ARC") return skArc;
  return skNothing;
}

void setWidth(std::uint8_t* checksumWidth, std::uint8_t kind) {
  if (checksumWidth) *checksumWidth = (kind >= skLha && kind <= skArc) ? 16 : 32;
}

}  // namespace

std::uint8_t SetKindOf(std::string_view path, std::uint8_t* checksumWidth) {
  setWidth(checksumWidth, skNothing);
  if (!path.starts_with(kExtensionOnlyMarker) && !platform::fileExists(std::string(path))) return skDirectory;

  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  const std::string extension = dot == std::string_view::npos ? std::string() : upperAscii(name.substr(dot));

  std::uint8_t kind = skDirectory;
  if (extension == ".LST" || extension == ".SNP")
    kind = skSnapshot;
  else if (extension == ".ARJ")
    kind = skArj;
  else if (extension == ".ACE")
    kind = skAce;
  else if (extension == ".RAR")
    kind = skRar;
  else if (extension == ".ZIP" || extension == ".JAR" || extension == ".EXE")
    kind = skZip;
  else if (const std::uint8_t family = crc16FamilyKind(extension); family != skNothing)
    kind = family;
  setWidth(checksumWidth, kind);
  return kind;
}

std::uint8_t ArchiveKindOfExtension(std::string_view extension, std::uint8_t* checksumWidth) {
  std::uint8_t kind = skNothing;
  if (extension.size() >= 2) {
    const std::string text = std::string(extension.substr(0, 1)) + upperAscii(extension.substr(1));
    if (text == ".ZIP" || text == ".JAR")
      kind = skZip;
    else if (text == ".RAR")
      kind = skRar;
    else if (text == ".ACE")
      kind = skAce;
    else if (text == ".ARJ")
      kind = skArj;
    else
      kind = crc16FamilyKind(text);
  }
  setWidth(checksumWidth, kind);
  return kind;
}

}  // namespace quorvane
