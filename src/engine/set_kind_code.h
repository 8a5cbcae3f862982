#pragma once
// The kind of a set: nothing, one of the archive families, a directory tree or a snapshot.
// The numbers are those written into snapshots (".Source format") and returned by the
// file type window; they convert only through the checked functions below.
#include <cstdint>
#include <optional>

namespace quorvane {

enum class SetKind : std::uint8_t {
  Nothing = 0,
  Zip = 1,
  Rar = 2,
  Ace = 3,
  Arj = 4,
  Lha = 5,
  Zoo = 6,
  Arc = 7,
  Directory = 8,
  Snapshot = 9,
};

constexpr int SetKindNumber(SetKind kind) { return static_cast<int>(kind); }

// The kind a stored number stands for; nullopt for a number outside 0..9.
constexpr std::optional<SetKind> SetKindFromNumber(int number) {
  if (number < 0 || number > SetKindNumber(SetKind::Snapshot)) return std::nullopt;
  return static_cast<SetKind>(number);
}

// As SetKindFromNumber, with Nothing for a number outside 0..9.
constexpr SetKind SetKindOrNothing(int number) { return SetKindFromNumber(number).value_or(SetKind::Nothing); }

constexpr bool isArchiveKind(SetKind kind) {
  switch (kind) {
    case SetKind::Zip:
    case SetKind::Rar:
    case SetKind::Ace:
    case SetKind::Arj:
    case SetKind::Lha:
    case SetKind::Zoo:
    case SetKind::Arc: return true;
    case SetKind::Nothing:
    case SetKind::Directory:
    case SetKind::Snapshot: return false;
  }
  return false;
}

// The archive families whose members carry a CRC-16 (LHA, ZOO, ARC).
constexpr bool isSixteenBitKind(SetKind kind) {
  return kind == SetKind::Lha || kind == SetKind::Zoo || kind == SetKind::Arc;
}

// "ZIP", "RAR", ..., "DIR", "SNP"; "N/A" for nothing.
const char* setKindName(SetKind kind);

}  // namespace quorvane
