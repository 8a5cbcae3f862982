// The floor for reading trees: walks the directories given and reads every regular
// file from start to end with a plain read() loop on one thread, doing nothing with the
// bytes, or with --crc computing the CRC-32 of each file as the comparison does (the
// fastest engine of this machine). With --parallel each DIR is read on a thread of its
// own: the floor of reading two trees at once on this machine.
// Usage: read_all_bench [--buffer BYTES] [--crc] [--parallel] DIR...
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "sources/crc32.h"

namespace {

struct Totals {
  std::uint64_t files = 0;
  std::uint64_t bytes = 0;
  std::uint32_t crcs = 0;  // every file's CRC-32 folded together, so none is optimised away
};

bool withCrc = false;

void readFile(const std::string& path, std::vector<char>& buffer, Totals& totals) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  ssize_t n;
  std::uint32_t crc = 0xFFFFFFFFu;
  while ((n = read(fd, buffer.data(), buffer.size())) > 0) {
    totals.bytes += static_cast<std::uint64_t>(n);
    if (withCrc) crc = quorvane::Crc32Update(crc, buffer.data(), static_cast<std::size_t>(n));
  }
  close(fd);
  totals.crcs ^= ~crc;
  ++totals.files;
}

void walk(const std::string& dir, std::vector<char>& buffer, Totals& totals) {
  DIR* d = opendir(dir.c_str());
  if (!d) return;
  std::vector<std::string> subdirectories;
  while (const dirent* e = readdir(d)) {
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    const std::string path = dir + "/" + e->d_name;
    unsigned char type = e->d_type;
    if (type == DT_UNKNOWN) {
      struct stat st {};
      if (lstat(path.c_str(), &st) != 0) continue;
      type = S_ISREG(st.st_mode) ? DT_REG : S_ISDIR(st.st_mode) ? DT_DIR : DT_UNKNOWN;
    }
    if (type == DT_REG) readFile(path, buffer, totals);
    else if (type == DT_DIR) subdirectories.push_back(path);
  }
  closedir(d);
  for (const std::string& s : subdirectories) walk(s, buffer, totals);
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t bufferSize = 65536;
  std::vector<std::string> dirs;
  bool parallel = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--buffer") == 0 && i + 1 < argc) bufferSize = std::strtoul(argv[++i], nullptr, 10);
    else if (std::strcmp(argv[i], "--crc") == 0) withCrc = true;
    else if (std::strcmp(argv[i], "--parallel") == 0) parallel = true;
    else dirs.emplace_back(argv[i]);
  }
  if (dirs.empty() || bufferSize == 0) {
    std::fprintf(stderr, "usage: read_all_bench [--buffer BYTES] [--crc] [--parallel] DIR...\n");
    return 2;
  }
  Totals totals;
  const auto start = std::chrono::steady_clock::now();
  if (parallel) {
    std::vector<Totals> each(dirs.size());
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < dirs.size(); ++i)
      threads.emplace_back([&, i] {
        std::vector<char> buffer(bufferSize);
        walk(dirs[i], buffer, each[i]);
      });
    for (std::thread& t : threads) t.join();
    for (const Totals& t : each) {
      totals.files += t.files;
      totals.bytes += t.bytes;
      totals.crcs ^= t.crcs;
    }
  } else {
    std::vector<char> buffer(bufferSize);
    for (const std::string& d : dirs) walk(d, buffer, totals);
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("files %llu  MB-read %.1f  seconds %.3f", static_cast<unsigned long long>(totals.files),
              static_cast<double>(totals.bytes) / 1e6, seconds);
  if (withCrc) std::printf("  crc-xor %08x", totals.crcs);
  std::printf("\n");
  return 0;
}
