#pragma once
// The flag keys of Quorvane.ini bound to their fields of the settings record, grouped as
// LoadCfg reads them and SaveCfg writes them.
#include <span>
#include <string_view>

#include "config/settings.h"

namespace quorvane {

struct FlagKey {
  std::string_view key;
  bool Settings::*field;
};

// [Quorvane], read first: the flags the windows need before the rest.
std::span<const FlagKey> EarlyQuorvaneFlags();
// [Quorvane], read after [Printer].
std::span<const FlagKey> LateQuorvaneFlags();
// [Quorvane] in the order SaveCfg writes them (before SpecialAttr, then after it).
std::span<const FlagKey> SavedQuorvaneFlagsBeforeSpecialAttr();
std::span<const FlagKey> SavedQuorvaneFlagsAfterSpecialAttr();
std::span<const FlagKey> BatchFlags();
std::span<const FlagKey> LayoutFlags();
std::span<const FlagKey> ToolFlags();

}  // namespace quorvane
