#include "engine/time_tolerance.h"

#include "platform/dos_time.h"

namespace quorvane {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned shifted = m > 2 ? m - 3 : m + 9;  // March first
  const unsigned doy = (153 * shifted + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

}  // namespace

std::int64_t DosClockSeconds(std::uint32_t packed) {
  const platform::DosDateTime t = platform::unpackDosTime(packed);
  // Fields outside their range (month 0, day 0) are kept by the packing; clamp them here
  // so that such a time still orders like its packed value.
  const unsigned month = t.month < 1 ? 1u : t.month > 12 ? 12u : static_cast<unsigned>(t.month);
  const unsigned day = t.day < 1 ? 1u : static_cast<unsigned>(t.day);
  return daysFromCivil(t.year, month, day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

int CompareFileTimes(std::uint32_t newTime, std::uint32_t oldTime, const TimeTolerance& tolerance) {
  const int order = newTime > oldTime ? 1 : newTime < oldTime ? -1 : 0;
  if (order == 0 || tolerance.Off()) return order;
  std::int64_t gap = DosClockSeconds(newTime) - DosClockSeconds(oldTime);
  if (gap < 0) gap = -gap;
  const std::int64_t slack = tolerance.Seconds > 0 ? tolerance.Seconds : 0;
  if (gap <= slack) return 0;
  for (int hours = 1; hours <= tolerance.HourShifts; ++hours) {
    std::int64_t off = gap - static_cast<std::int64_t>(hours) * 3600;
    if (off < 0) off = -off;
    if (off <= slack) return 0;
  }
  return order;
}

}  // namespace quorvane
