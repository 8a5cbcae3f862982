// Every archive of the real-world collection (made by other tools) against its manifest:
// path, size, CRC-32, DOS time and the directory flag of every member, or the error the
// readers raise for the archives they cannot list.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run_state.h"
#include "engine/set_kind.h"
#include "platform/code_page.h"
#include "platform/dos_time.h"
#include "sources/archive/archive_set_reader.h"

namespace quorvane {
namespace {

const std::string kRealWorld = QUORVANE_REALWORLD_DIR;

// Archives that do not list as their manifest rows say, and why.
struct Disagreement {
  const char* archive;
  const char* expectedError;  // nullptr: the archive lists, as noted
  const char* why;
};
const Disagreement kDisagreements[] = {
    {"zip/test_read_format_zip_encryption_header.zip", "Can't find central file header in ZIP",
     "central directory encrypted (PKWARE strong encryption); 7z shows placeholder names from local headers"},
    {"generated/zip_infozip_comment40k.zip", "End_central_dir_signature not found at end of archive",
     "comment of 40,312 bytes: the end record lies beyond the 32,768-byte backward search"},
    {"rar/rar5-subdirs.rar", "RAR Marker block not found in : \r{path}", "RAR5 block format is not read"},
    {"rar/test_read_format_rar_encryption_header.rar", "RAR archive with encrypted headers cannot be listed : \r{path}",
     "headers encrypted; no tool lists it"},
    {"zip/test_read_format_zip_7075_utf8_paths.zip", nullptr,
     "names made on MS-DOS without flag bit 11 are CP437 (0x94 -> o-umlaut); the manifest keeps the raw bytes, "
     "zipinfo prints ISO-8859-1; the 0x7075 Unicode path extra is not used"},
    {"rar/ctime4.rar", nullptr, "7z prints the extended time (:47.899); the DOS time field (:46) is what is held"},
    {"generated/arj_tree.arj", nullptr,
     "host UNIX: lsar prints odd-seconds.txt at :31; the DOS form rounds down to :30; 7z misreads the time_t"},
    {"arj/Arj.method1.arj", nullptr, "arj v does not flag EXE and JPG as directories; file type 3 / attribute 0x10 does"},
    {"rar/test_read_format_rar_invalid1.rar", "Error in RAR file, archive damaged or truncated",
     "the packed data of its only file runs past the end of the file: a cut archive"},
};

// ZIP members whose extended-timestamp (0x5455) or NTFS (0x000a) time, in UTC, is not
// what their DOS fields say: the UT times as `zipinfo -v` prints them ("UT extra field
// modtime ... UTC"), the NTFS times decoded from the field (zipinfo does not print them).
// The DOS fields hold the writer's local time, or an odd second rounded up (:32 for a
// file of :31, which the held form rounds down to :30 as for the file on disk).
struct ExtendedTime {
  const char* archive;
  const char* path;  // as the manifest writes it
  const char* utc;   // yyyy-mm-dd hh:mm:ss
};
const ExtendedTime kExtendedTimes[] = {
    {"generated/zip_7z_tree.zip", "tree/odd-seconds.txt", "2024-03-15 10:20:31"},
    {"generated/zip_infozip_comment.zip", "tree/odd-seconds.txt", "2024-03-15 10:20:31"},
    {"generated/zip_infozip_dosnames_k.zip", "TREE/ODD-SECO.TXT", "2024-03-15 10:20:31"},
    {"generated/zip_infozip_tree.zip", "tree/odd-seconds.txt", "2024-03-15 10:20:31"},
    {"generated/zip_sfx_adjusted.exe", "tree/odd-seconds.txt", "2024-03-15 10:20:31"},
    {"generated/zip_sfx_noadjust.exe", "tree/odd-seconds.txt", "2024-03-15 10:20:31"},
    {"zip/Zip.LongComment.zip", "A Text File.txt", "2020-12-13 10:01:24"},
    {"zip/Zip.zip64.zip", "тест.txt", "2017-01-19 06:40:54"},
    {"zip/Zip.zip64.zip", "exe/test.exe", "2017-01-19 06:40:54"},
    {"zip/Zip.zip64.zip", "jpg/test.jpg", "2017-01-19 06:40:54"},
    {"zip/test_read_format_zip_7075_utf8_paths.zip", "File 1.txt", "2014-11-06 06:54:03"},
    {"zip/test_read_format_zip_7075_utf8_paths.zip", "File 2 - \\x94.txt", "2014-11-06 06:54:03"},
    {"zip/test_read_format_zip_7075_utf8_paths.zip", "File 3 - \\x84.txt", "2014-11-06 06:54:03"},
    {"zip/test_read_format_zip_7075_utf8_paths.zip", "File 4 - \\x86.txt", "2014-11-06 06:54:03"},
    {"zip/test_read_format_zip_filename_utf8_jp.zip", "表だよ/", "2011-03-20 01:38:18"},
    {"zip/test_read_format_zip_filename_utf8_jp.zip", "表だよ/一覧表.txt", "2011-03-20 01:39:42"},
    {"zip/test_read_format_zip_filename_utf8_jp.zip", "表だよ/漢字.txt", "2011-03-20 01:37:44"},
    {"zip/test_read_format_zip_length_at_end.zip", "hello.txt", "2011-09-19 04:22:22"},
    {"zip/test_read_format_zip_msdos.zip", "abc", "2016-04-03 01:16:32"},
    {"zip/test_read_format_zip_msdos.zip", "def", "2016-04-03 01:39:31"},
    {"zip/test_read_format_zip_msdos.zip", "def/foo", "2016-04-03 01:39:30"},
    {"zip/test_read_format_zip_msdos.zip", "ghi/", "2016-04-03 01:16:44"},
    {"zip/test_read_format_zip_msdos.zip", "jkl", "2016-04-03 01:40:41"},
    {"zip/test_read_format_zip_msdos.zip", "mno/", "2016-04-03 01:16:44"},
    {"zip/test_read_format_zip_padded3.zip", "file0", "2013-11-23 23:15:45"},
    {"zip/test_read_format_zip_padded3.zip", "file1", "2013-11-23 23:15:48"},
    {"zip/test_read_format_zip_sfx.exe", "file0", "2012-11-06 07:07:02"},
    {"zip/test_read_format_zip_sfx.exe", "build.sh", "2012-11-06 06:29:55"},
};

struct Member {
  std::string path;
  std::uint64_t size = 0;
  std::uint32_t crc = 0;
  std::uint32_t time = 0;
  bool directory = false;
};

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, '\t')) out.push_back(field);
  while (out.size() < 7) out.emplace_back();
  return out;
}

// "\xNN" escapes back to bytes.
std::string unescape(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
      out.push_back(static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16)));
      i += 3;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

// The held form: the manifest's bytes read by the OEM rule (valid UTF-8 stays), "\" separators.
std::string heldPath(const std::string& manifestPath) {
  std::string path = platform::oemToUtf8(unescape(manifestPath));
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::uint32_t dosOf(int year, int month, int day, int hour, int minute, int second) {
  return platform::packDosTime({year, month, day, hour, minute, second - second % 2});
}

// The DOS time of a member: the raw DOS header field when the manifest gives it, else the
// time the tool printed (TZ=UTC, as the tests run), rounded down to even seconds.
std::uint32_t expectedTime(const std::string& printed, const std::string& note) {
  std::smatch m;
  if (std::regex_search(note, m, std::regex("dostime=0x([0-9A-Fa-f]{8})"))) return std::stoul(m[1], nullptr, 16);
  // ARJ: a DOS time field is followed by its decoded date; a Unix time_t (host UNIX) is
  // checked against the time the tool printed.
  if (std::regex_search(note, m, std::regex("ts=0x([0-9A-Fa-f]{8})\\(\\d"))) return std::stoul(m[1], nullptr, 16);
  static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  if (std::regex_search(printed, m, std::regex("^(\\d{4}) (\\w{3}) (\\d+) (\\d\\d):(\\d\\d):(\\d\\d)"))) {
    int month = 0;
    for (int i = 0; i < 12; ++i)
      if (m[2] == months[i]) month = i + 1;
    return dosOf(std::stoi(m[1]), month, std::stoi(m[3]), std::stoi(m[4]), std::stoi(m[5]), std::stoi(m[6]));
  }
  if (std::regex_search(printed, m, std::regex("^(\\d{4})-(\\d\\d)-(\\d\\d) (\\d\\d):(\\d\\d):(\\d\\d)")))
    return dosOf(std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4]), std::stoi(m[5]), std::stoi(m[6]));
  EXPECT_EQ(printed, "") << "unreadable time";
  return 0;  // the tool printed none (placeholder rows of unreadable archives)
}

std::map<std::string, std::vector<Member>> readManifest() {
  std::map<std::string, std::vector<Member>> archives;
  std::ifstream in(kRealWorld + "/MANIFEST.tsv");
  std::string line;
  std::getline(in, line);  // column names
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    const std::vector<std::string> f = splitTabs(line);
    std::vector<Member>& members = archives[f[0]];
    if (f[1].empty() || f[1] == "*") continue;  // the archive's own row
    Member m;
    m.path = heldPath(f[1]);
    m.size = std::stoull(f[2]);
    m.crc = static_cast<std::uint32_t>(std::stoul(f[3], nullptr, 16));
    m.time = expectedTime(f[4], f[6]);
    for (const ExtendedTime& e : kExtendedTimes)
      if (f[0] == e.archive && f[1] == e.path) m.time = expectedTime(e.utc, "");
    m.directory = f[5] == "yes";
    members.push_back(m);
  }
  return archives;
}

SetKind kindOf(const std::string& file) {
  const SetKind kind = SetKindOf(std::string(kExtensionOnlyMarker) + file.substr(file.rfind('.') + 1));
  return kind;
}

TEST(RealWorldArchives, ListAsTheirManifestSays) {
  const auto archives = readManifest();
  ASSERT_GT(archives.size(), 30u) << "manifest not found under " << kRealWorld;
  for (const auto& [file, expected] : archives) {
    SCOPED_TRACE(file);
    const std::string path = kRealWorld + "/" + file;
    const Disagreement* known = nullptr;
    for (const Disagreement& d : kDisagreements)
      if (file == d.archive) known = &d;

    std::vector<Member> listed;
    std::string error;
    try {
      std::unique_ptr<TArchiveFile> archive = OpenArchiveOfKind(kindOf(file), path);
      TArchiveItem item;
      for (int i = archive->FindFirst("*.*", 0xFF, item); i != -1; i = archive->FindNext(item)) {
        const bool directory = (item.Attr & 0x10) != 0 || item.Name.back() == '\\';
        listed.push_back({item.Name, item.Size, item.CRC, item.Time, directory});
      }
    } catch (const Exception& e) {
      error = e.what();
    }

    if (known && known->expectedError) {
      std::string message = known->expectedError;
      if (const std::size_t at = message.find("{path}"); at != std::string::npos) message.replace(at, 6, path);
      EXPECT_EQ(error, message) << known->why;
      continue;
    }
    ASSERT_EQ(error, "");
    ASSERT_EQ(listed.size(), expected.size());
    auto byPath = [](const Member& a, const Member& b) { return a.path < b.path; };
    std::vector<Member> want = expected;
    std::sort(want.begin(), want.end(), byPath);
    std::sort(listed.begin(), listed.end(), byPath);
    for (std::size_t i = 0; i < want.size(); ++i) {
      EXPECT_EQ(listed[i].path, want[i].path);
      EXPECT_EQ(listed[i].size, want[i].size) << want[i].path;
      EXPECT_EQ(listed[i].crc, want[i].crc) << want[i].path;
      EXPECT_EQ(listed[i].time, want[i].time) << want[i].path;
      EXPECT_EQ(listed[i].directory, want[i].directory) << want[i].path;
    }
  }
}

}  // namespace
}  // namespace quorvane
