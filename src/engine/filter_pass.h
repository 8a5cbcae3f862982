#pragma once
// The filter pass: after every run, sort choice and filter change it decides each entry's
// final Identical bit, counts the statuses into RunStats and rebuilds the display index
// in the current sort order; then it shows the results (results_view.h).
#include "engine/comparison.h"

namespace quorvane {

inline constexpr std::int32_t kFilterBusyThreshold = 4096;  // busy window above this many entries

// Neither mask is 0xFFFF: some difference is ignored or some status is hidden.
bool FilterActive(const FileList& files);

// Whether an entry of (recomputed) status s passes the masks: no bit of s that counts as a
// difference is excluded.
inline bool ShownByFilter(std::uint16_t s, std::uint16_t iFilter, std::uint16_t xFilter) {
  return (s & iFilter & static_cast<std::uint16_t>(~xFilter)) == 0;
}

// The status with its Identical bit decided: set when none of the other bits counts as a
// difference under iFilter.
inline std::uint16_t FinalStatus(std::uint16_t status, std::uint16_t iFilter) {
  const std::uint16_t rest = status & static_cast<std::uint16_t>(~stIdentical);
  return (rest & iFilter) ? rest : static_cast<std::uint16_t>(rest | stIdentical);
}

// The whole pass. In snapshot mode every entry is shown and nothing is counted. Shows
// the busy window above 4096 entries, redraws it at most every 100 ms and pumps messages
// through the run's progress meter. Ends with ShowResults.
void FilterPass(Comparison& c);

}  // namespace quorvane
