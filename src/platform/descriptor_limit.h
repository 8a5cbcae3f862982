#pragma once
// The number of files the process may hold open at once (RLIMIT_NOFILE).
#include <cstddef>

namespace quorvane::platform {

// Raises the soft limit of open descriptors to at least wanted when the hard limit
// allows, else as far as it allows. Returns the soft limit in force afterwards.
std::size_t raiseDescriptorLimit(std::size_t wanted);

}  // namespace quorvane::platform
