#include "engine/time_tolerance.h"

#include <gtest/gtest.h>

#include "engine/add_file.h"
#include "platform/dos_time.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"

namespace quorvane {
namespace {

std::uint32_t at(int year, int month, int day, int hour, int minute, int second) {
  return platform::packDosTime({year, month, day, hour, minute, second});
}

// New and Old times merged with a tolerance and an hour shift: the date status bits.
TEST(TimeTolerance, MergeGivesDateBitsWithinTheTolerance) {
  const std::uint32_t base = at(2024, 3, 31, 1, 30, 10);
  struct Case {
    const char* what;
    std::uint32_t newTime, oldTime;
    int tolerance, hourShift;
    std::uint16_t status;
  } cases[] = {
      {"both 0: equal times", base, base, 0, 0, stIdentical},
      {"both 0: two seconds newer", at(2024, 3, 31, 1, 30, 12), base, 0, 0, stIdentical | stNewer},
      {"both 0: an hour older", base, at(2024, 3, 31, 2, 30, 10), 0, 0, stIdentical | stOlder},
      {"FAT rounding: 2 s within 2", at(2024, 3, 31, 1, 30, 12), base, 2, 0, stIdentical},
      {"FAT rounding: 2 s older within 2", base, at(2024, 3, 31, 1, 30, 12), 2, 0, stIdentical},
      {"4 s past a tolerance of 2", at(2024, 3, 31, 1, 30, 14), base, 2, 0, stIdentical | stNewer},
      {"across midnight within 2", at(2024, 1, 1, 0, 0, 0), at(2023, 12, 31, 23, 59, 58), 2, 0, stIdentical},
      {"exactly one hour newer, shift 1", at(2024, 3, 31, 2, 30, 10), base, 0, 1, stIdentical},
      {"exactly one hour older, shift 1", base, at(2024, 3, 31, 2, 30, 10), 0, 1, stIdentical},
      {"exactly one hour, no shift", at(2024, 3, 31, 2, 30, 10), base, 0, 0, stIdentical | stNewer},
      {"exactly one hour, tolerance only", at(2024, 3, 31, 2, 30, 10), base, 3600, 0, stIdentical},
      {"one hour and 2 s, shift 1, tolerance 2", at(2024, 3, 31, 2, 30, 12), base, 2, 1, stIdentical},
      {"one hour and 4 s, shift 1, tolerance 2", at(2024, 3, 31, 2, 30, 14), base, 2, 1, stIdentical | stNewer},
      {"one hour less 2 s older, shift 1, tolerance 2", base, at(2024, 3, 31, 2, 30, 8), 2, 1, stIdentical},
      {"two hours, shift 1", at(2024, 3, 31, 3, 30, 10), base, 0, 1, stIdentical | stNewer},
      {"two hours older, shift 2", base, at(2024, 3, 31, 3, 30, 10), 0, 2, stIdentical},
      {"half an hour, shift 2", at(2024, 3, 31, 2, 0, 10), base, 0, 2, stIdentical | stNewer},
      {"three hours, shift 2", at(2024, 3, 31, 4, 30, 10), base, 2, 2, stIdentical | stNewer},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.what) + ": tolerance " + std::to_string(k.tolerance) + ", shift " +
                 std::to_string(k.hourShift));
    test::ComparisonFixture f(nullptr);
    f.settings.TimeTolerance = k.tolerance;
    f.settings.IgnoreHourShift = k.hourShift;
    f.c.Scan.Path = "a.txt";
    f.c.Scan.NewTime = k.newTime, f.c.Scan.NewSize = 5, f.c.Scan.NewCRC = 7, f.c.Scan.NewAlias = -1;
    AddFile(f.c, Side::New);
    f.c.Scan.OldTime = k.oldTime, f.c.Scan.OldSize = 5, f.c.Scan.OldCRC = 7, f.c.Scan.OldAlias = -1;
    AddFile(f.c, Side::Old);
    EXPECT_EQ(f.c.Files.Find("a.txt")->Status, k.status);
  }
}

// Off, the packed times decide as they are, even for fields no calendar holds (month 0,
// day 31 of February): the results of today, byte for byte.
TEST(TimeTolerance, OffComparesThePackedTimes) {
  const std::uint32_t times[] = {0, 1, 0x00210000, 0x56000000, 0x56000001, 0x5A5D0000, 0x80000000u, 0xFFFFFFFFu};
  for (std::uint32_t a : times)
    for (std::uint32_t b : times)
      EXPECT_EQ(CompareFileTimes(a, b, {}), a > b ? 1 : a < b ? -1 : 0) << std::hex << a << " " << b;
}

TEST(TimeTolerance, ClockSecondsCountCalendarDays) {
  EXPECT_EQ(DosClockSeconds(at(1980, 1, 2, 0, 0, 0)) - DosClockSeconds(at(1980, 1, 1, 0, 0, 0)), 86400);
  EXPECT_EQ(DosClockSeconds(at(2024, 3, 1, 0, 0, 0)) - DosClockSeconds(at(2024, 2, 28, 23, 59, 58)), 86402);
  EXPECT_EQ(DosClockSeconds(at(2023, 3, 1, 0, 0, 0)) - DosClockSeconds(at(2023, 2, 28, 0, 0, 0)), 86400);
}

}  // namespace
}  // namespace quorvane
