#include "platform/os_error_text.h"

#include <cstring>

namespace quorvane::platform {

std::string osErrorText(int error) {
  char buffer[256];
  // The GNU strerror_r returns the text, in buffer or in a static string.
  return strerror_r(error, buffer, sizeof buffer);
}

}  // namespace quorvane::platform
