#pragma once
// The current local date and time (for "Generated on" lines).
#include <ctime>

namespace quorvane::platform {

// The broken-down local time now (tm_year counts from 1900, tm_mon from 0).
std::tm currentLocalTime();

}  // namespace quorvane::platform
