#include "engine/path_key.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace quorvane {
namespace {

// The key as literally defined: directory part + NUL + name, ASCII letters upper-cased,
// compared byte by byte as unsigned, a prefix first.
std::string referenceKey(const std::string& path) {
  const std::size_t slash = path.rfind('\\');
  const std::size_t dirLen = slash == std::string::npos ? 0 : slash + 1;
  std::string key = path.substr(0, dirLen) + '\0' + path.substr(dirLen);
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return key;
}

int sign(int v) { return (v > 0) - (v < 0); }

TEST(PathKey, OrdersAsTheKeyDefinition) {
  struct Case {
    const char* a;
    const char* b;
    int expected;
  } cases[] = {
      {"a.txt", "A\\b.txt", -1},            // root files first
      {"A\\b.txt", "a\\c.txt", -1},         // same directory, case folded
      {"dir\\z.txt", "dir\\sub\\a.txt", -1},  // own files before subdirectories
      {"Dir\\File.TXT", "dir\\file.txt", 0},  // case-only difference: same key
      {"a_b", "aZb", 1},                    // "_" sorts after the letters
      {"abc", "abcd", -1},                  // a prefix sorts first
      {"x\\\xE9.txt", "x\\z.txt", 1},       // bytes above 127 by value, not folded
      {"ab\\c", "a\\c", -1},  // "B" sorts below "\\"
      {"a\\b\\c", "a\\bc", 1},  // a\\ own files first
  };
  for (const Case& c : cases) {
    EXPECT_EQ(sign(comparePathKeys(c.a, c.b)), c.expected) << c.a << " vs " << c.b;
    EXPECT_EQ(sign(comparePathKeys(c.b, c.a)), -c.expected) << c.b << " vs " << c.a;
  }
}

TEST(PathKey, AgreesWithReferenceOnGeneratedPaths) {
  std::mt19937 rng(7);
  const std::string alphabet = "aAbB_.\\z~\x80";
  std::vector<std::string> paths;
  for (int i = 0; i < 3000; ++i) {
    std::string p;
    const int len = 1 + static_cast<int>(rng() % 12);
    for (int k = 0; k < len; ++k) p += alphabet[rng() % alphabet.size()];
    paths.push_back(p);
  }
  for (int i = 0; i + 1 < static_cast<int>(paths.size()); ++i) {
    const std::string& a = paths[static_cast<std::size_t>(i)];
    const std::string& b = paths[static_cast<std::size_t>(i + 1)];
    const std::string ka = referenceKey(a), kb = referenceKey(b);
    const int expected = ka < kb ? -1 : (ka > kb ? 1 : 0);
    ASSERT_EQ(sign(comparePathKeys(a, b)), expected) << a << " vs " << b;
    ASSERT_EQ(sameFolded(a, b), sameFolded(ka, kb));
    if (sameFolded(a, b)) {
      ASSERT_EQ(foldedHash(a), foldedHash(b));
    }
  }
}

TEST(PathKey, FoldedHelpers) {
  EXPECT_TRUE(sameFolded("Some\\LONG\\path-with.Extension", "some\\long\\PATH-WITH.extension"));
  EXPECT_FALSE(sameFolded("a@", "a`"));  // neighbours of the letter range are not letters
  EXPECT_TRUE(startsWithFolded("SRC\\a.c", "src"));
  EXPECT_FALSE(startsWithFolded("sr", "src"));
  EXPECT_EQ(foldedHash("ABCDEFGHIJKLMNOPQRS"), foldedHash("abcdefghijklmnopqrs"));
}

}  // namespace
}  // namespace quorvane
