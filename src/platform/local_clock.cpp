#include "platform/local_clock.h"

namespace quorvane::platform {

std::tm currentLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace quorvane::platform
