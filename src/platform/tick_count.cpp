#include "platform/tick_count.h"

#include <chrono>
#include <thread>

namespace quorvane::platform {

std::uint64_t tickCount() {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void sleepMilliseconds(std::uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace quorvane::platform
