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

std::vector<GoldenSetting> settingsOf(const std::string& path) {
  std::vector<GoldenSetting> settings;
  for (const std::string& line : linesOf(path)) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) {
      ADD_FAILURE() << path << ": " << line;
      continue;
    }
    std::string value = line.substr(eq + 1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    settings.push_back({line.substr(0, eq), std::move(value)});
  }
  return settings;
}

bool applyComparisonSetting(Comparison& c, const GoldenSetting& setting) {
  const std::string& key = setting.key;
  const std::string& value = setting.value;
  if (key == "IFilter") {
    c.Files.IFilter = static_cast<std::uint16_t>(std::stoul(value, nullptr, 16));
  } else if (key == "XFilter") {
    c.Files.XFilter = static_cast<std::uint16_t>(std::stoul(value, nullptr, 16));
  } else if (key == "IncludeMask") {
    c.Masks.Include.SetMask(value);
  } else if (key == "ExcludeMasks") {
    for (const std::string& mask : split(value)) c.Masks.Exclusions[c.Masks.ExclusionCount++].SetMask(mask);
  } else if (key == "IncludeDirs") {
    for (const std::string& dir : split(value)) c.IncludeDirs.Add(dir);
  } else if (key == "ExcludeDirs") {
    for (const std::string& dir : split(value)) c.ExcludeDirs.Add(dir);
  } else {
    return false;
  }
  return true;
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
