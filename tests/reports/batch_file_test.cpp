#include "reports/batch_file.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvane {
namespace {

struct Flags {
  bool drive, path, full, extension;
};

std::string flagsText(Flags f) {
  return "drive " + std::to_string(f.drive) + " path " + std::to_string(f.path) + " full " + std::to_string(f.full) +
         " ext " + std::to_string(f.extension);
}

std::string fileText(Flags f, std::string_view root, std::string_view entry) {
  BatchForm form;
  form.drive = f.drive;
  form.path = f.path;
  form.full = f.full;
  form.extension = f.extension;
  return BatchFileText(form, BatchPrefix(form, root), entry);
}

TEST(BatchFileText, FlagTableForDataRootAndSubEntry) {
  struct Case {
    Flags flags;
    const char* text;
  } cases[] = {
      {{false, true, false, true}, "sub/a.txt"},        // the defaults
      {{false, false, false, false}, "a"},              // none
      {{false, false, false, true}, "a.txt"},           // BatchExt
      {{false, true, false, false}, "sub/a"},           // BatchPath
      {{true, true, true, true}, "/data/sub/a.txt"},    // all four
      {{true, true, false, true}, "sub/a.txt"},         // BatchDrive, BatchPath, BatchExt
      {{false, true, true, true}, "/data/sub/a.txt"},   // BatchPath, BatchFull, BatchExt
      {{false, false, true, true}, "a.txt"},            // BatchFull acts only with BatchPath
      {{true, false, false, false}, "a"},               // BatchDrive alone adds nothing
  };
  for (const Case& k : cases) {
    const Flags& f = k.flags;
    EXPECT_EQ(fileText(f, "/data/", "sub\\a.txt"), k.text) << flagsText(f);
  }
}

TEST(BatchFileText, NamesWithoutAnExtensionStayWhole) {
  struct Case {
    const char* entry;
    Flags flags;
    const char* text;
  } cases[] = {
      {"readme", {false, true, false, false}, "readme"},
      {"sub.d\\readme", {false, true, false, false}, "sub.d/readme"},
      {"sub.d\\readme", {false, false, false, false}, "readme"},
      {"a.b.c", {false, true, false, false}, "a.b"},
      {"deep\\er\\x.tar.gz", {false, false, false, false}, "x.tar"},
      {"deep\\er\\x.tar.gz", {false, true, true, false}, "/very long root/deep/er/x.tar"},
  };
  for (const Case& k : cases)
    EXPECT_EQ(fileText(k.flags, "/very long root/", k.entry), k.text) << k.entry << " " << flagsText(k.flags);
}

TEST(BatchLine, BeforeAndAfterTexts) {
  BatchForm form;
  EXPECT_EQ(BatchLine(form, "", "sub\\a.txt"), "sub/a.txt");
  form.before = "cp ";
  form.after = " /backup/";
  EXPECT_EQ(BatchLine(form, "", "sub\\a.txt"), "cp sub/a.txt /backup/");
  form.path = false;  // entries of different directories give identical lines
  EXPECT_EQ(BatchLine(form, "", "one\\a.txt"), BatchLine(form, "", "two\\a.txt"));
}

TEST(BatchPrefix, LongRootsAreNeverCut) {
  BatchForm form;
  form.full = true;
  const std::string root = "/" + std::string(300, 'r') + "/";
  EXPECT_EQ(BatchPrefix(form, root), root);
}

}  // namespace
}  // namespace quorvane
