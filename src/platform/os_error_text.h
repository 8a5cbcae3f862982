#pragma once
#include <string>

namespace quorvane::platform {

// The operating system's text for an errno value ("Permission denied").
std::string osErrorText(int error);

}  // namespace quorvane::platform
