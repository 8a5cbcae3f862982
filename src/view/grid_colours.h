#pragma once
// The grid's cell colour tables: foreground and background by status byte and column,
// precomputed from the chosen colour set so that painting looks colours up and runs no
// status logic. Colours are 0x00BBGGRR.
#include <array>
#include <cstdint>

#include "settings/settings.h"

namespace quorvane::view {

using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kNavy = 0x800000;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kGreen = 0x008000;
inline constexpr Colour kGrey = 0x808080;
inline constexpr Colour kSilver = 0xC0C0C0;

inline constexpr int kColourColumns = 10;  // column 0 (row numbers) is unused

struct GridColours {
  using Table = std::array<std::array<Colour, kColourColumns>, 256>;
  Table Fore{};
  Table Back{};
  // All cells in snapshot mode, and the empty cells of an absent side.
  Colour SnapshotFore = kBlack;
  Colour SnapshotBack = kWhite;

  Colour ForeOf(std::uint16_t status, int column) const { return Fore[status & 0xFF][static_cast<std::size_t>(column)]; }
  Colour BackOf(std::uint16_t status, int column) const { return Back[status & 0xFF][static_cast<std::size_t>(column)]; }
};

// The tables of one colour set; setNumber (0..3, any other as 0) chooses the snapshot
// colours (white on navy for "DOS", black on white otherwise).
GridColours PrepareGridColours(const ColourSet& set, int setNumber);
// The tables of the settings' ColorSet (3: CustomColours).
GridColours PrepareGridColours(const Settings& settings);

}  // namespace quorvane::view
