#pragma once
// Write set listing: one side of the file list as a snapshot (header, one fixed-column
// line per listed entry, footer) or as a batch file (one command line per entry), to a
// file or to the printer.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/comparison.h"
#include "platform/text_device.h"
#include "sources/snapshot_format.h"
#include "reports/writer_progress.h"

namespace quorvane {

enum class ListingKind : std::uint8_t { NewSnapshot = 0, OldSnapshot = 1, NewBatch = 2, OldBatch = 3 };

enum class ListingOutcome {
  Complete,     // every listed entry and the footer written; the results count as saved
  Aborted,      // the user pressed Abort: what was written stays, no footer
  NotComplete,  // a write failed part-way
  NotWritten,   // the user declined to overwrite the file, or the output could not be
                // opened (the message was shown)
};

// What the writer needs besides the comparison.
struct ListingOptions {
  std::string newSideNote;  // the side notes of set selection ("  [label]", ...)
  std::string oldSideNote;
  bool append = false;             // the command line asked to append to the output file
  PrinterPort* printer = nullptr;  // the printer; none: "[Printer]" cannot be opened
  // "Generated on"; the local clock when empty.
  std::function<LocalDateTime()> clock;
  // The tick clock of the progress window (WriterProgress); the tick count when empty.
  WriterProgress::Clock progressClock;
};

// Writes the listing to target, a file path or "[Printer]". Asks before overwriting an
// existing file (unless in automatic mode or with ConfirmOverwrite off), reports an
// output that cannot be opened or written, drives the progress window, and sets
// RunState::ResultsSaved when the listing was written completely. An entry whose name
// holds a line break cannot be one line: it is left out, counted in a warning and added
// to c.Problems.
ListingOutcome WriteSetListing(Comparison& c, const std::string& target, ListingKind kind,
                               const ListingOptions& options = {});

}  // namespace quorvane
