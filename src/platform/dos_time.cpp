#include "platform/dos_time.h"

#include <ctime>

namespace quorvane::platform {

std::uint32_t packDosTime(const DosDateTime& t) {
  const auto field = [](int value, int bits) { return static_cast<std::uint32_t>(value) & ((1u << bits) - 1); };
  return field(t.year - 1980, 7) << 25 | field(t.month, 4) << 21 | field(t.day, 5) << 16 |
         field(t.hour, 5) << 11 | field(t.minute, 6) << 5 | field(t.second / 2, 5);
}

DosDateTime unpackDosTime(std::uint32_t p) {
  DosDateTime t;
  t.year = static_cast<int>(p >> 25) + 1980;
  t.month = static_cast<int>(p >> 21 & 0x0F);
  t.day = static_cast<int>(p >> 16 & 0x1F);
  t.hour = static_cast<int>(p >> 11 & 0x1F);
  t.minute = static_cast<int>(p >> 5 & 0x3F);
  t.second = static_cast<int>(p & 0x1F) * 2;
  return t;
}

namespace {

// Local time offsets change only on quarter-hour boundaries, so one conversion per
// quarter hour serves every file stamped within it (a tree's files cluster in time).
struct OffsetCache {
  std::int64_t quarter = INT64_MIN;
  long offset = 0;
};
thread_local OffsetCache cache;

long utcOffsetAt(std::int64_t seconds) {
  const std::int64_t quarter = seconds >= 0 ? seconds / 900 : (seconds - 899) / 900;
  if (quarter != cache.quarter) {
    const std::time_t at = static_cast<std::time_t>(quarter * 900);
    std::tm local{};
    localtime_r(&at, &local);
    cache.quarter = quarter;
    cache.offset = local.tm_gmtoff;
  }
  return cache.offset;
}

}  // namespace

std::uint32_t dosTimeFromUnix(std::int64_t seconds) {
  constexpr std::uint32_t kLatest = 0xFF9FBF7Du;                // 2107-12-31 23:59:58
  const std::int64_t local = seconds + utcOffsetAt(seconds);
  std::int64_t days = local >= 0 ? local / 86400 : (local - 86399) / 86400;
  const std::int64_t secondOfDay = local - days * 86400;
  // Civil date from days since 1970-01-01 (proleptic Gregorian).
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  if (year < 1980) return 0;  // no DOS time: shown as month 0, day 0 of 1980
  if (year > 2107) return kLatest;
  DosDateTime t{static_cast<int>(year), month, day, static_cast<int>(secondOfDay / 3600),
                static_cast<int>(secondOfDay / 60 % 60), static_cast<int>(secondOfDay % 60)};
  return packDosTime(t);
}

std::int64_t unixFromDosTime(std::uint32_t packed) {
  const DosDateTime d = unpackDosTime(packed);
  std::tm t{};
  t.tm_year = d.year - 1900;
  t.tm_mon = d.month - 1;
  t.tm_mday = d.day;
  t.tm_hour = d.hour;
  t.tm_min = d.minute;
  t.tm_sec = d.second;
  t.tm_isdst = -1;
  return static_cast<std::int64_t>(std::mktime(&t));
}

}  // namespace quorvane::platform
