// Small files read many at a time: whole files, what is left to the ordinary reader, no
// waiting on a FIFO, nothing left open, and the switch that turns batches off.
#include "platform/batch_file_reader.h"

#include <gtest/gtest.h>

#include <dirent.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/directory_handle.h"
#include "platform/file_reader.h"
#include "support/temp_tree.h"

namespace quorvane::platform {
namespace {

std::string contentOf(std::size_t size, unsigned seed) {
  std::string s(size, '\0');
  for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>((i * 131 + seed * 7) >> 3);
  return s;
}

int openDescriptors() {
  int count = 0;
  DIR* d = opendir("/proc/self/fd");
  while (d && readdir(d)) ++count;
  if (d) closedir(d);
  return count;
}

class BatchFileReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reader = BatchFileReader::Create();
    if (!reader) GTEST_SKIP() << "this system cannot read files in batches (no io_uring)";
  }
  std::unique_ptr<BatchFileReader> reader;
  test::TempTree tree;
};

TEST_F(BatchFileReaderTest, ReadsEachFileWholeOrSaysWhyNot) {
  tree.file("grown", contentOf(5000, 1));
  tree.file("target", contentOf(777, 2));
  tree.symlink("target", "link");
  tree.symlink("nowhere", "dangling");
  tree.dir("subdirectory");
  tree.fifo("pipe");
  struct Case {
    std::string name;
    std::size_t capacity;
    std::int64_t read;    // what ReadAll gives
    std::string content;  // the bytes it read, when it read some
  };
  std::vector<Case> cases;
  for (const std::size_t size : {0, 1, 4095, 4096, 4097, 65536, 131071}) {
    const std::string name = "file-" + std::to_string(size);
    cases.push_back({name, size + 1, static_cast<std::int64_t>(size), contentOf(size, static_cast<unsigned>(size))});
    tree.file(name, cases.back().content);
  }
  cases.push_back({"grown", 4001, 4001, contentOf(5000, 1).substr(0, 4001)});  // longer than listed: cut at capacity
  cases.push_back({"link", 778, 777, contentOf(777, 2)});                       // a link to a file is followed
  cases.push_back({"missing", 10, -1, ""});
  cases.push_back({"dangling", 10, -1, ""});
  cases.push_back({"subdirectory", 10, -1, ""});
  cases.push_back({"pipe", 10, -1, ""});  // no writer: nothing to read, and no waiting for one

  int error = 0;
  const std::unique_ptr<DirectoryHandle> dir = DirectoryHandle::Open(tree.root(), error);
  ASSERT_TRUE(dir);
  std::vector<std::vector<std::uint8_t>> buffers;
  std::vector<BatchFileReader::File> files;
  for (const Case& k : cases) {
    buffers.emplace_back(k.capacity);
    files.push_back({dir.get(), k.name.c_str(), buffers.back().data(), k.capacity, 12345});
  }
  const int before = openDescriptors();
  reader->ReadAll(files);
  EXPECT_EQ(openDescriptors(), before);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& k = cases[i];
    if (k.name == "pipe") {
      EXPECT_LE(files[i].read, 0) << k.name;  // an empty read or a refusal: either leaves it to the ordinary reader
      continue;
    }
    EXPECT_EQ(files[i].read, k.read) << k.name;
    if (k.read > 0) {
      EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffers[i].data()), static_cast<std::size_t>(k.read)),
                k.content)
          << k.name;
    }
  }
}

TEST_F(BatchFileReaderTest, ManyBatchesInARowReuseTheRingAndLeaveNothingOpen) {
  constexpr int kFiles = 300;  // several batches, each up to the most one takes
  for (int i = 0; i < kFiles; ++i) tree.file("d/f" + std::to_string(i), contentOf(static_cast<std::size_t>(i * 13), i));
  int error = 0;
  const std::unique_ptr<DirectoryHandle> dir = DirectoryHandle::Open(tree.path("d"), error);
  ASSERT_TRUE(dir);
  const int before = openDescriptors();
  std::vector<std::string> names;
  for (int i = 0; i < kFiles; ++i) names.push_back("f" + std::to_string(i));
  for (int first = 0; first < kFiles; first += static_cast<int>(BatchFileReader::kMaxFiles)) {
    const int count = std::min<int>(BatchFileReader::kMaxFiles, kFiles - first);
    std::vector<std::vector<std::uint8_t>> buffers;
    std::vector<BatchFileReader::File> files;
    for (int i = first; i < first + count; ++i) {
      buffers.emplace_back(static_cast<std::size_t>(i * 13 + 1));
      files.push_back({dir.get(), names[i].c_str(), buffers.back().data(), buffers.back().size()});
    }
    reader->ReadAll(files);
    for (int k = 0; k < count; ++k) {
      const int i = first + k;
      ASSERT_EQ(files[k].read, i * 13) << names[i];
      EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffers[k].data()), static_cast<std::size_t>(i * 13)),
                contentOf(static_cast<std::size_t>(i * 13), i))
          << names[i];
    }
  }
  EXPECT_EQ(openDescriptors(), before);
}

TEST(BatchFileReaderSwitch, OffMeansNoReaderAndOnlyThePlainReaderReadsInBatches) {
  BatchFileReader::SetEnabled(false);
  EXPECT_EQ(BatchFileReader::Create(), nullptr);
  BatchFileReader::SetEnabled(true);

  struct Derived : FileReader {};  // as the tests' readers that fail on cue
  EXPECT_TRUE(FileReader().ReadsInBatches());
  EXPECT_FALSE(Derived().ReadsInBatches());
}

}  // namespace
}  // namespace quorvane::platform
