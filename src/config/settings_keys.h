#pragma once
// The flag keys of Quorvane.ini bound to their fields of the settings record.
#include <cstdint>
#include <span>
#include <string_view>

#include "settings/settings.h"

namespace quorvane {

struct FlagKey {
  // When LoadCfg reads the key (the [Quorvane] flags come in two groups) and whether
  // SaveCfg writes it.
  enum Use : std::uint8_t { LoadEarly = 1, LoadLate = 2, Saved = 4 };
  std::string_view key;
  bool Settings::*field;
  std::uint8_t use = LoadLate | Saved;
};

// [Quorvane], in the order of the file: AutoMode is read first and never written,
// SaveWindowPos is read by LoadWindowPos only, SelectIncludeDirs is written by the set
// selection only.
std::span<const FlagKey> QuorvaneFlags();
std::span<const FlagKey> BatchFlags();
std::span<const FlagKey> LayoutFlags();
std::span<const FlagKey> ToolFlags();

}  // namespace quorvane
