// "&Search..." over a displayed list of 1,000,000 entries for a text that is in none of
// them (the whole list is read), and for one in the last entry. Prints each time against
// the target of 0.5 seconds.
#include <chrono>
#include <cstdio>
#include <string>

#include "engine/comparison.h"
#include "platform/headless_user_interface.h"
#include "program/search_command.h"

namespace {

using namespace quorvane;

constexpr std::uint32_t kEntries = 1'000'000;
constexpr double kTargetSeconds = 0.5;

const char* const kExtensions[] = {"cpp", "h", "txt", "png", "json", "zip", "rar"};

// Paths of about 40 characters over 17 x 400 directories, some with letters beyond ASCII.
std::string pathOf(std::uint32_t n) {
  char text[96];
  std::snprintf(text, sizeof text, "project%02u\\module%03u\\%s\\file_%07u.%s", n % 17, (n / 17) % 400,
                n % 50 == 0 ? "r\xC3\xA9sum\xC3\xA9s" : "src", n, kExtensions[n % 7]);
  return text;
}

}  // namespace

int main() {
  Settings settings;
  settings.AutoMode = true;
  platform::HeadlessUserInterface ui(nullptr);
  Comparison c(settings, ui);
  for (std::uint32_t n = 0; n < kEntries; ++n) {
    ScanRecord record;
    record.Path = pathOf(n);
    c.Display.Items().push_back(c.Files.CreateEntry(record, Side::New));
  }
  std::printf("display index: %d entries; target %.1f s each\n", c.Display.Count(), kTargetSeconds);
  bool allOk = true;
  const auto measure = [&](const char* what, const std::string& text) {
    SearchState state;
    int draws = 0;
    const auto start = std::chrono::steady_clock::now();
    const std::optional<std::int32_t> row = DoSearch(state, c.Display, text, ui, [&](int) { ++draws; });
    const double time = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const bool ok = time < kTargetSeconds;
    allOk &= ok;
    std::printf("%-40s %7.3f s  %s  row %d, strip drawn %d times\n", what, time, ok ? "ok" : "OVER TARGET",
                row ? *row : 0, draws);
  };
  measure("search, text in no entry", "no such name");
  measure("search, text beyond ASCII in no entry", "\xC3\xA9t\xC3\xA9");
  measure("search, text in the last entry only", "FILE_0999999.");
  return allOk ? 0 : 1;
}
