#pragma once
// Reading a directory Old set while the New set is read: a worker thread walks the Old
// tree (listing, attributes, checksums, with read-ahead workers of its own where the scan
// would use them) and records everything it meets into a ScanStream, touching neither the
// comparison nor the user interface. Once the New set is read, Replay hands the record to
// the comparison on the calling thread in the order of the walk, so the file list, the
// counters, the problems, the directories shown and every prompt come out as if the Old
// set had been read then: files the worker could not read are read again there, through
// the prompts, and an exception the walk met is thrown where it was met.
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/comparison.h"
#include "platform/file_reader.h"
#include "sources/directory_scanner.h"
#include "sources/scan_stream.h"

namespace quorvane {

class OldSetPrefetch {
 public:
  // Whether runs read the Old set ahead, for the rest of the process (on by default;
  // tests and benchmarks compare with the plain sequential run).
  static void SetEnabled(bool enabled);
  // True when c's Old set would be read ahead: a directory, no snapshot mode, no Pause.
  static bool AppliesTo(const Comparison& c);

  // Starts the worker on c's Old set, as the comparison stands now.
  explicit OldSetPrefetch(const Comparison& c);
  ~OldSetPrefetch();  // stops and joins the worker
  OldSetPrefetch(const OldSetPrefetch&) = delete;
  OldSetPrefetch& operator=(const OldSetPrefetch&) = delete;

  // Delivers what the worker met into c, waiting for it as needed; stops at an abort.
  // The worker is stopped and joined however this ends.
  void Replay(Comparison& c);

  const ScanStream& Stream() const { return stream_; }

  // The stream of the last Old set read ahead in this process, for the benchmarks: the
  // bytes of its records, its files, and the most bytes it held at once.
  struct StreamFigures {
    std::uint64_t bytes = 0;
    std::uint64_t files = 0;
    std::uint64_t peakHeld = 0;
  };
  static StreamFigures LastStreamFigures();

 private:
  class Recorder;
  void run();
  void stop();

  std::unique_ptr<platform::FileReader> readers_;  // the prototype the worker's readers come from
  WalkSetup setup_;
  std::string root_;
  std::vector<std::string> starts_;  // relative start directories, "" for the whole tree
  ScanStream stream_;
  std::atomic<bool> cancel_{false};
  std::thread worker_;
};

}  // namespace quorvane
