#pragma once
// Whether a New and an Old file time differ: with a tolerance in seconds (FAT and exFAT
// keep times to two seconds) and whole-hour shifts (a tree copied across a daylight-saving
// change), two times that differ by at most TimeTolerance seconds, or by k whole hours
// (1 <= k <= IgnoreHourShift) plus or minus TimeTolerance, count as equal. With both at 0
// the packed times are compared as they are.
#include <cstdint>

namespace quorvane {

struct TimeTolerance {
  int Seconds = 0;     // 0..3600
  int HourShifts = 0;  // 0..2

  bool Off() const { return Seconds <= 0 && HourShifts <= 0; }
};

// Seconds on one civil clock for a DOS packed local time; both sides are local times, so
// their difference is the difference of the wall clocks.
std::int64_t DosClockSeconds(std::uint32_t packed);

// -1 when New is older, 0 when the times count as equal, 1 when New is newer.
int CompareFileTimes(std::uint32_t newTime, std::uint32_t oldTime, const TimeTolerance& tolerance);

}  // namespace quorvane
