#include "engine/set_kind.h"

#include <string>

#include "platform/directory_listing.h"

namespace quorvane {

namespace {

std::string upperAscii(std::string_view text) {
  std::string out(text);
  for (char& ch : out)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
  return out;
}

// The CRC-16 archive families; Nothing for every other text.
SetKind crc16FamilyKind(std::string_view upperExtension) {
  if (upperExtension == ".LZH" || upperExtension == ".PAK" || upperExtension == ".LHA") return SetKind::Lha;
  if (upperExtension == ".ZOO") return SetKind::Zoo;
  if (upperExtension == ".ARC") return SetKind::Arc;
  return SetKind::Nothing;
}

void setWidth(ChecksumKind* checksumWidth, SetKind kind) {
  if (checksumWidth) *checksumWidth = isSixteenBitKind(kind) ? ChecksumKind::Crc16 : ChecksumKind::Crc32;
}

}  // namespace

SetKind SetKindOf(std::string_view path, ChecksumKind* checksumWidth) {
  setWidth(checksumWidth, SetKind::Nothing);
  if (!path.starts_with(kExtensionOnlyMarker) && !platform::fileExists(std::string(path))) return SetKind::Directory;

  const std::size_t slash = path.find_last_of('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  const std::string extension = dot == std::string_view::npos ? std::string() : upperAscii(name.substr(dot));

  SetKind kind = SetKind::Directory;
  if (extension == ".LST" || extension == ".SNP")
    kind = SetKind::Snapshot;
  else if (extension == ".ARJ")
    kind = SetKind::Arj;
  else if (extension == ".ACE")
    kind = SetKind::Ace;
  else if (extension == ".RAR")
    kind = SetKind::Rar;
  else if (extension == ".ZIP" || extension == ".JAR" || extension == ".EXE")
    kind = SetKind::Zip;
  else if (const SetKind family = crc16FamilyKind(extension); family != SetKind::Nothing)
    kind = family;
  setWidth(checksumWidth, kind);
  return kind;
}

SetKind ArchiveKindOfExtension(std::string_view extension, ChecksumKind* checksumWidth) {
  SetKind kind = SetKind::Nothing;
  if (extension.size() >= 2) {
    const std::string text = std::string(extension.substr(0, 1)) + upperAscii(extension.substr(1));
    if (text == ".ZIP" || text == ".JAR")
      kind = SetKind::Zip;
    else if (text == ".RAR")
      kind = SetKind::Rar;
    else if (text == ".ACE")
      kind = SetKind::Ace;
    else if (text == ".ARJ")
      kind = SetKind::Arj;
    else
      kind = crc16FamilyKind(text);
  }
  setWidth(checksumWidth, kind);
  return kind;
}

}  // namespace quorvane
