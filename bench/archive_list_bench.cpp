// Lists a ZIP's central directory with the archive reader (nothing else), or writes the
// benchmark's archive: N stored members with real CRCs, in 1,000 directories.
//   archive_list_bench list ARCHIVE        prints the member count
//   archive_list_bench set ARCHIVE         reads it as the New set into the file list
//   archive_list_bench make N ARCHIVE      writes the archive
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "engine/comparison.h"
#include "platform/headless_user_interface.h"
#include "sources/archive/archive_set_reader.h"
#include "sources/archive/zip_file.h"
#include "sources/crc32.h"

namespace {

void put16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void put32(std::string& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

int make(long count, const char* path) {
  std::string local, central;
  const std::uint32_t time = 0x586F528F;
  for (long i = 0; i < count; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, "dir%03ld/member_%06ld.txt", i % 1000, i);
    const std::string data = "member " + std::to_string(i) + "\n";
    const std::uint32_t crc = quorvane::Crc32Update(0xFFFFFFFF, data.data(), data.size()) ^ 0xFFFFFFFF;
    const std::uint32_t offset = static_cast<std::uint32_t>(local.size());
    const std::size_t nameLength = std::strlen(name);
    put32(local, 0x04034B50);
    put16(local, 10);
    put16(local, 0);
    put16(local, 0);
    put32(local, time);
    put32(local, crc);
    put32(local, static_cast<std::uint32_t>(data.size()));
    put32(local, static_cast<std::uint32_t>(data.size()));
    put16(local, static_cast<std::uint32_t>(nameLength));
    put16(local, 0);
    local.append(name, nameLength);
    local += data;
    put32(central, 0x02014B50);
    put16(central, 0x031E);
    put16(central, 10);
    put16(central, 0);
    put16(central, 0);
    put32(central, time);
    put32(central, crc);
    put32(central, static_cast<std::uint32_t>(data.size()));
    put32(central, static_cast<std::uint32_t>(data.size()));
    put16(central, static_cast<std::uint32_t>(nameLength));
    put16(central, 0);
    put16(central, 0);
    put16(central, 0);
    put16(central, 0);
    put32(central, 0x81A40000);
    put32(central, offset);
    central.append(name, nameLength);
  }
  std::string end;
  if (count > 0xFFFF) {  // more members than the end record can count: ZIP64 end record and locator
    const std::uint64_t record = local.size() + central.size();
    put32(end, 0x06064B50);
    put32(end, 44);
    put32(end, 0);
    put16(end, 45);
    put16(end, 45);
    put32(end, 0);
    put32(end, 0);
    for (int k = 0; k < 2; ++k) {
      put32(end, static_cast<std::uint32_t>(count));
      put32(end, 0);
    }
    put32(end, static_cast<std::uint32_t>(central.size()));
    put32(end, 0);
    put32(end, static_cast<std::uint32_t>(local.size()));
    put32(end, 0);
    put32(end, 0x07064B50);
    put32(end, 0);
    put32(end, static_cast<std::uint32_t>(record));
    put32(end, static_cast<std::uint32_t>(record >> 32));
    put32(end, 1);
  }
  put32(end, 0x06054B50);
  put16(end, 0);
  put16(end, 0);
  put16(end, count > 0xFFFF ? 0xFFFF : static_cast<std::uint32_t>(count));
  put16(end, count > 0xFFFF ? 0xFFFF : static_cast<std::uint32_t>(count));
  put32(end, static_cast<std::uint32_t>(central.size()));
  put32(end, static_cast<std::uint32_t>(local.size()));
  put16(end, 0);
  std::ofstream out(path, std::ios::binary);
  out << local << central << end;
  return out ? 0 : 1;
}

int list(const char* path) {
  quorvane::TZIPFile zip(path, false);
  quorvane::TArchiveItem item;
  long count = 0;
  std::uint64_t bytes = 0;
  for (int i = zip.FindFirst("*.*", 0xFF, item); i != -1; i = zip.FindNext(item)) {
    ++count;
    bytes += item.Size;
  }
  std::cout << count << " members, " << bytes << " bytes\n";
  return 0;
}

int readSet(const char* path) {
  quorvane::Settings settings;
  quorvane::platform::HeadlessUserInterface ui(nullptr);
  quorvane::Comparison c(settings, ui);
  c.State.NewSet = {quorvane::SetKind::Zip, path, quorvane::ChecksumKind::Crc32};
  quorvane::ReadArchiveSet(c, quorvane::Side::New);
  std::cout << c.Files.Count() << " entries in the file list\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc == 3 && std::strcmp(argv[1], "list") == 0) return list(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "set") == 0) return readSet(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "make") == 0) return make(std::atol(argv[2]), argv[3]);
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  std::cerr << "usage: archive_list_bench list ARCHIVE | set ARCHIVE | make N ARCHIVE\n";
  return 2;
}
