#include "support/golden_files.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <iomanip>
#include <sstream>

namespace quorvane::test {

std::string goldenDir() { return std::string(QUORVANE_TESTS_DIR) + "/golden"; }

std::vector<std::string> linesOf(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  }
  return lines;
}

std::int64_t unixOf(const std::string& text) {
  std::tm t{};
  std::istringstream in(text);
  in >> std::get_time(&t, "%Y-%m-%d %H:%M:%S");
  EXPECT_FALSE(in.fail()) << text;
  return timegm(&t);
}

void layOut(TempTree& tree, const std::string& description) {
  for (const std::string& line : linesOf(description)) {
    const std::size_t a = line.find('|');
    const std::size_t b = line.find('|', a + 1);
    ASSERT_TRUE(a != std::string::npos && b != std::string::npos) << description << ": " << line;
    tree.file(line.substr(0, a), line.substr(a + 1, b - a - 1), unixOf(line.substr(b + 1)));
  }
}

std::vector<std::string> split(const std::string& text) {
  std::vector<std::string> items;
  std::stringstream in(text);
  for (std::string item; std::getline(in, item, ';');) items.push_back(item);
  return items;
}

}  // namespace quorvane::test
