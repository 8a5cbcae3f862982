#include "engine/path_key.h"

#include <algorithm>
#include <cstring>

namespace quorvane {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHigh = 0x8080808080808080ull;

// Upper-cases the ASCII letters of eight bytes at once.
inline std::uint64_t foldWord(std::uint64_t x) {
  const std::uint64_t low7 = x & ~kHigh;
  const std::uint64_t atLeastA = low7 + (0x80 - 'a') * kOnes;
  const std::uint64_t aboveZ = low7 + (0x80 - 'z' - 1) * kOnes;
  const std::uint64_t isLower = atLeastA & ~aboveZ & ~x & kHigh;
  return x ^ (isLower >> 2);
}

inline std::uint64_t loadWord(const char* p, std::size_t n) {
  std::uint64_t x = 0;
  std::memcpy(&x, p, n);
  return x;
}

// Index of the first byte where the folded texts differ, within n bytes; n when none.
std::size_t firstFoldedMismatch(const char* a, const char* b, std::size_t n) {
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    const std::uint64_t d = foldWord(loadWord(a + i, 8)) ^ foldWord(loadWord(b + i, 8));
    if (d) return i + static_cast<std::size_t>(__builtin_ctzll(d) / 8);
  }
  for (; i < n; ++i)
    if (foldAscii(static_cast<unsigned char>(a[i])) != foldAscii(static_cast<unsigned char>(b[i]))) return i;
  return n;
}

std::size_t directoryLength(std::string_view p) {
  const std::size_t at = p.rfind('\\');
  return at == std::string_view::npos ? 0 : at + 1;
}

}  // namespace

int compareFolded(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  const std::size_t i = firstFoldedMismatch(a.data(), b.data(), n);
  if (i < n) return int(foldAscii(static_cast<unsigned char>(a[i]))) - int(foldAscii(static_cast<unsigned char>(b[i])));
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

int comparePathKeys(std::string_view a, std::string_view b) {
  const std::size_t dirA = directoryLength(a);
  const std::size_t dirB = directoryLength(b);
  const std::size_t common = std::min(dirA, dirB);
  const std::size_t i = firstFoldedMismatch(a.data(), b.data(), common);
  if (i < common) return int(foldAscii(static_cast<unsigned char>(a[i]))) - int(foldAscii(static_cast<unsigned char>(b[i])));
  // Equal up to the shorter directory part: the NUL ending that part sorts below any byte.
  if (dirA != dirB) return dirA < dirB ? -1 : 1;
  return compareFolded(a.substr(dirA), b.substr(dirB));
}

int compareListOrder(std::string_view a, std::string_view b) {
  const int key = comparePathKeys(a, b);
  return key != 0 ? key : a.compare(b);
}

bool sameFolded(std::string_view a, std::string_view b) {
  return a.size() == b.size() && firstFoldedMismatch(a.data(), b.data(), a.size()) == a.size();
}

bool startsWithFolded(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && firstFoldedMismatch(text.data(), prefix.data(), prefix.size()) == prefix.size();
}

std::uint64_t foldedHash(std::string_view s) {
  std::uint64_t h = 0x9E3779B97F4A7C15ull ^ s.size();
  std::size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    h = (h ^ foldWord(loadWord(s.data() + i, 8))) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  if (i < s.size()) {
    h = (h ^ foldWord(loadWord(s.data() + i, s.size() - i))) * 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  h *= 0xC4CEB9FE1A85EC53ull;
  return h ^ (h >> 29);
}

}  // namespace quorvane
