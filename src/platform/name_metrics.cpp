#include "platform/name_metrics.h"

namespace quorvane::platform {

int NameMetrics::width(std::string_view name) const {
  int total = 0;
  for (const char ch : name) total += byteWidths[static_cast<unsigned char>(ch)];
  return total;
}

NameMetrics NameMetrics::fixedPitch(std::uint16_t width) {
  NameMetrics metrics;
  metrics.byteWidths.fill(width);
  return metrics;
}

}  // namespace quorvane::platform
