#pragma once
#include <cstdint>

namespace quorvane::platform {

// Milliseconds from a steady clock; only differences are meaningful.
std::uint64_t tickCount();

}  // namespace quorvane::platform
