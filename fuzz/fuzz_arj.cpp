// Feeds arbitrary bytes to TARJFile: a listing ends with the reader's error or its end,
// never with a crash, a hang or a sanitizer report.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "sources/archive/arj_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const bool strict : {true, false}) {
    try {
      quorvane::TARJFile archive(std::make_unique<quorvane::MemoryByteSource>(bytes), "fuzz", strict);
      quorvane::TArchiveItem item;
      for (int i = archive.FindFirst("*.*", 0xFF, item); i != -1; i = archive.FindNext(item)) {
        if (item.Name.empty()) __builtin_trap();  // the match test lets no empty name through
      }
    } catch (const quorvane::eArchiveError&) {
      // the reader refused the bytes: the expected outcome for most inputs
    }
  }
  return 0;
}
