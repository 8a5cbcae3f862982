#pragma once
#include <cstdint>

namespace quorvane::platform {

// Milliseconds from a steady clock; only differences are meaningful.
std::uint64_t tickCount();

// Waits for about the given number of milliseconds.
void sleepMilliseconds(std::uint32_t milliseconds);

}  // namespace quorvane::platform
