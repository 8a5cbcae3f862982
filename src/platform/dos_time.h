#pragma once
// DOS packed date and time: year-1980 in bits 25..31, month 21..24, day 16..20,
// hour 11..15, minute 5..10, seconds/2 in bits 0..4. Every file time is held this way.
#include <cstdint>
#include <ctime>

namespace quorvane::platform {

struct DosDateTime {
  int year = 1980;  // 1980..2107
  int month = 1;    // 1..12 (0 kept as stored)
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;   // even
};

// Packs the fields as they are (seconds halved, out-of-range fields masked to their bits).
std::uint32_t packDosTime(const DosDateTime& t);
DosDateTime unpackDosTime(std::uint32_t packed);

// The DOS form of a moment given in seconds since 1970 (UTC), in the local time zone.
// Odd seconds round down; a moment before 1980 (local time) packs to 0, as every DOS
// reader stores a time it cannot hold, and a moment after 2107-12-31 23:59:58 clamps to
// that value.
std::uint32_t dosTimeFromUnix(std::int64_t seconds);

// Seconds since 1970 for a DOS packed local time (for setting a file's time).
std::int64_t unixFromDosTime(std::uint32_t packed);

}  // namespace quorvane::platform
