// Throughput of the CRC-32 and CRC-16 update routines over a 256 MiB buffer in memory,
// for the carry-less multiply engine and the one-look-up-per-byte table. Best of 3 runs.
// Usage: crc_bench [MiB]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "sources/crc16.h"
#include "sources/crc32.h"
#include "sources/crc_engine.h"

namespace {

template <typename Run>
double bestGigabytesPerSecond(std::size_t bytes, Run run) {
  double best = 0;
  for (int i = 0; i < 3; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    best = std::max(best, static_cast<double>(bytes) / seconds / 1e9);
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quorvane;
  const std::size_t mib = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 256;
  std::vector<std::uint8_t> data(mib << 20);
  std::mt19937_64 random(42);
  for (std::size_t i = 0; i + 8 <= data.size(); i += 8) {
    const std::uint64_t v = random();
    for (int b = 0; b < 8; ++b) data[i + b] = static_cast<std::uint8_t>(v >> (8 * b));
  }

  volatile std::uint32_t sink = 0;
  std::printf("CRC throughput over %zu MiB (GB/s, best of 3)\n", mib);
  const bool fast = UseCrcEngine(CrcEngine::CarrylessMultiply);
  double fast32 = 0, fast16 = 0;
  if (fast) {
    fast32 = bestGigabytesPerSecond(data.size(), [&] { sink = Crc32Update(0xFFFFFFFFu, data.data(), data.size()); });
    fast16 = bestGigabytesPerSecond(data.size(), [&] { sink = Crc16Update(0, data.data(), data.size()); });
  }
  const double table32 =
      bestGigabytesPerSecond(data.size(), [&] { sink = Crc32UpdateByTable(0xFFFFFFFFu, data.data(), data.size()); });
  const double table16 =
      bestGigabytesPerSecond(data.size(), [&] { sink = Crc16UpdateByTable(0, data.data(), data.size()); });
  (void)sink;

  std::printf("%-8s %22s %12s %8s\n", "", "carry-less multiply", "table", "ratio");
  if (fast) {
    std::printf("%-8s %22.2f %12.2f %7.1fx   (target >= 5 GB/s)\n", "CRC-32", fast32, table32, fast32 / table32);
    std::printf("%-8s %22.2f %12.2f %7.1fx   (target >= 1 GB/s)\n", "CRC-16", fast16, table16, fast16 / table16);
  } else {
    std::printf("%-8s %22s %12.2f\n", "CRC-32", "n/a (no PCLMULQDQ)", table32);
    std::printf("%-8s %22s %12.2f\n", "CRC-16", "n/a (no PCLMULQDQ)", table16);
  }
  return 0;
}
