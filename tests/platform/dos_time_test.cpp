#include "platform/dos_time.h"

#include <gtest/gtest.h>

namespace quorvane::platform {
namespace {

TEST(DosTime, PackAndUnpackAreInverse) {
  const DosDateTime t{2023, 11, 14, 22, 13, 20};
  const std::uint32_t p = packDosTime(t);
  EXPECT_EQ(p, (43u << 25) | (11u << 21) | (14u << 16) | (22u << 11) | (13u << 5) | 10u);
  const DosDateTime back = unpackDosTime(p);
  EXPECT_EQ(back.year, 2023);
  EXPECT_EQ(back.month, 11);
  EXPECT_EQ(back.day, 14);
  EXPECT_EQ(back.hour, 22);
  EXPECT_EQ(back.minute, 13);
  EXPECT_EQ(back.second, 20);
}

TEST(DosTime, FromUnixInUtc) {
  // Tests run with TZ=UTC.
  struct Case {
    std::int64_t unix;
    std::uint32_t dos;
    const char* what;
  } cases[] = {
      {315532800, 0x00210000, "1980-01-01 00:00:00"},
      {315532799, 0, "1979-12-31 23:59:59 packs to 0"},
      {0, 0, "1970 packs to 0"},
      {-1000000, 0, "before 1970 packs to 0 too"},
      {1700000001, packDosTime({2023, 11, 14, 22, 13, 20}), "odd second rounds down"},
      {951782400, packDosTime({2000, 2, 29, 0, 0, 0}), "leap day"},
      {4354819199, 0xFF9FBF7D, "2107-12-31 23:59:59 -> :58"},
      {4354819200, 0xFF9FBF7D, "2108 clamps to the latest DOS time"},
  };
  for (const Case& c : cases) EXPECT_EQ(dosTimeFromUnix(c.unix), c.dos) << c.what;
}

TEST(DosTime, BackToUnix) { EXPECT_EQ(unixFromDosTime(packDosTime({2023, 11, 14, 22, 13, 20})), 1700000000); }

}  // namespace
}  // namespace quorvane::platform
