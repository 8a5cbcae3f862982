// Compares two directory trees headless, as the automatic mode would, and prints the
// number of files, the differences found and the time the run took.
// Usage: compare_trees_bench [--quick] [--sequential] [--unbatched] [--repeat N] [--workers N] NEW_DIR OLD_DIR
//   --quick      compare by size and time only (no file is read)
//   --sequential read the Old set after the New set, not at the same time
//   --unbatched  read every file with its own system calls, not small files in batches
//   --repeat N   run the comparison N times and print each run's time
//   --workers N  threads that read files ahead (0: every file read on the spot);
//                default: chosen by the number of cores
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings/settings.h"
#include "engine/comparison.h"
#include "engine/file_entry.h"
#include "engine/run_comparison.h"
#include "platform/batch_file_reader.h"
#include "platform/headless_user_interface.h"
#include "sources/checksum_pipeline.h"
#include "sources/old_set_prefetch.h"
#include "sources/set_readers.h"

namespace {

std::string asRoot(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

int usage() {
  std::fprintf(stderr, "usage: compare_trees_bench [--quick] [--sequential] [--unbatched] [--repeat N] [--workers N] NEW_DIR OLD_DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quorvane;
  bool quick = false;
  bool sequential = false;
  int repeat = 1;
  std::string dirs[2];
  int given = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--quick") == 0) {
      quick = true;
    } else if (std::strcmp(argv[i], "--sequential") == 0) {
      sequential = true;
      OldSetPrefetch::SetEnabled(false);
    } else if (std::strcmp(argv[i], "--unbatched") == 0) {
      platform::BatchFileReader::SetEnabled(false);
    } else if (std::strcmp(argv[i], "--repeat") == 0 && i + 1 < argc) {
      repeat = std::atoi(argv[++i]);
      if (repeat < 1) return usage();
    } else if (std::strcmp(argv[i], "--workers") == 0 && i + 1 < argc) {
      ChecksumPipeline::SetWorkerCount(std::atoi(argv[++i]));
    } else if (argv[i][0] == '-' || given == 2) {
      return usage();
    } else {
      dirs[given++] = argv[i];
    }
  }
  if (given != 2) return usage();

  for (int run = 0; run < repeat; ++run) {
    Settings settings;
    settings.CloseProgressDlg = true;
    settings.SkipAllFiles = true;  // as the automatic mode: unreadable files are skipped quietly
    settings.Quick = quick;
    platform::HeadlessUserInterface ui(nullptr);
    Comparison c(settings, ui);
    c.State.NewSet.Kind = SetKind::Directory;
    c.State.NewSet.Root = asRoot(dirs[0]);
    c.State.OldSet.Kind = SetKind::Directory;
    c.State.OldSet.Root = asRoot(dirs[1]);
    SetSourceReaders readers;

    const auto start = std::chrono::steady_clock::now();
    const RunOutcome outcome = RunComparison(c, readers);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (outcome != RunOutcome::Completed) {
      std::fprintf(stderr, "compare_trees_bench: the comparison did not complete\n");
      return 1;
    }

    const RunStats& stats = c.State.Stats;
    std::string counts;
    for (std::size_t i = 0; i < stats.StatusCounts.size(); ++i)
      counts += std::string(" ") + kStatusLetters[i] + ":" + std::to_string(stats.StatusCounts[i]);
    std::printf("files %u  entries %d  skipped %u  MB-read %.1f  statuses%s  seconds %.3f%s\n", stats.FilesFound,
                c.Files.Count(), stats.FilesSkipped, stats.BytesRead / 1e6, counts.c_str(), seconds,
                quick ? "  (quick)" : "");
    if (!sequential) {
      const OldSetPrefetch::StreamFigures f = OldSetPrefetch::LastStreamFigures();
      std::printf("old set read ahead: %llu files, %.1f stream bytes per file, at most %.1f MB held\n",
                  static_cast<unsigned long long>(f.files), f.files ? static_cast<double>(f.bytes) / f.files : 0.0,
                  static_cast<double>(f.peakHeld) / 1e6);
    }
  }
  return 0;
}
