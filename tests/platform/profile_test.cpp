#include "platform/profile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>

#include <gtest/gtest.h>

#include "platform/file_replace.h"
#include "platform/profile_text.h"
#include "support/temp_ini.h"

namespace quorvane::platform {
namespace {

constexpr std::string_view kRulesText =
      "; comment=not a key\n"
      "orphan=before any section\n"
      "[Display]\n"
      "DateFormat=1\n"
      "  datEformat = 2  \n"
      "Empty=\n"
      "Spaced =  a b  \n"
      "NoEquals\n"
      "[  quorvane ]\n"
      "Recurse=0\n"
      "[DISPLAY]\n"
      "Later=only in the second Display section\n"
      "[Tail] junk after the bracket\n"
      "[unclosed\n"
      "Key=still in Tail\n";

TEST(ProfileText, FindFollowsTheWindowsRules) {
  // The same rules hold for the text, for its index, and for a file loaded once, with LF
  // and with CR LF line ends.
  std::string crlf;
  for (char c : kRulesText) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  struct Case {
    const char* section;
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"Display", "DateFormat", "1"},     // first match wins
      {"display", "DATEFORMAT", "1"},     // names fold ASCII case
      {"Display", "Empty", ""},           // present, empty
      {"Display", "Spaced", "a b"},       // blanks around name and value dropped
      {"Display", "NoEquals", std::nullopt},
      {"Quorvane", "Recurse", "0"},       // blanks inside the brackets dropped
      {"Display", "Later", std::nullopt}, // only the first section of a name counts
      {"Display", "orphan", std::nullopt},
      {"Missing", "Recurse", std::nullopt},
      {"Display", "; comment", std::nullopt},
      {"tail", "key", "still in Tail"},   // "[unclosed" is no section header
      {"unclosed", "Key", std::nullopt},
  };
  for (const std::string_view text : {kRulesText, std::string_view(crlf)}) {
    const ProfileText p(text);
    const ProfileIndex index(text);
    const LoadedProfile loaded(ProfileState::Readable, text);
    for (const Case& c : cases) {
      const std::string where = std::string(c.section) + "/" + c.key + (text == kRulesText ? " (LF)" : " (CR LF)");
      EXPECT_EQ(p.find(c.section, c.key), c.value) << where;
      EXPECT_EQ(index.find(c.section, c.key), c.value) << where;
      EXPECT_EQ(loaded.readString(c.section, c.key, "<default>"), c.value.value_or("<default>")) << where;
    }
  }
}

TEST(Profile, ALoadedFileAnswersAsSingleReadsDo) {
  const std::string text = "[Quorvane]\nRecurse=0\nBad=12x\nBig=99999999999\nNeg= -5 \nPlus=+7\nBoth=+-3\nEmpty=\n";
  test::TempIni ini(text);
  const LoadedProfile loaded = LoadedProfile::read();
  EXPECT_EQ(loaded.state(), ProfileState::Readable);
  for (const char* key : {"recurse", "Bad", "Big", "Neg", "Plus", "Both", "Empty", "Missing"}) {
    EXPECT_EQ(loaded.readInt("QUORVANE", key, 5), readProfileInt("QUORVANE", key, 5)) << key;
    EXPECT_EQ(loaded.readString("QUORVANE", key, "$!$"), readProfileString("QUORVANE", key, "$!$")) << key;
  }
  ini.write("[Quorvane]\nRecurse=1\n");  // a loaded file keeps what it read
  EXPECT_EQ(loaded.readInt("Quorvane", "Recurse", 5), 0);

  // Missing and unreadable files hold no key, whatever text is handed in.
  for (const ProfileState state : {ProfileState::Missing, ProfileState::Unreadable}) {
    const LoadedProfile empty(state, text);
    EXPECT_EQ(empty.state(), state);
    EXPECT_EQ(empty.readInt("Quorvane", "Recurse", 5), 5) << static_cast<int>(state);
  }
  test::TempIni none;
  EXPECT_EQ(LoadedProfile::read().state(), ProfileState::Missing);
  none.tree().dir("config/Quorvane.ini");
  EXPECT_EQ(LoadedProfile::read().state(), ProfileState::Unreadable);
}

TEST(ProfileText, SetReplacesAppendsOrAddsTheSection) {
  struct Case {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
  } cases[] = {
      {"", "A", "k", "v", "[A]\nk=v\n"},
      {"[A]\nk=1\nj=2\n", "a", "K", "9", "[A]\nK=9\nj=2\n"},
      {"[A]\nk=1\n\n[B]\nx=1\n", "A", "new", "v", "[A]\nk=1\nnew=v\n\n[B]\nx=1\n"},
      {"[A]\nk=1\n", "B", "x", "2", "[A]\nk=1\n\n[B]\nx=2\n"},
      {"[A]\nk=1\n[A]\nk=2\n", "A", "k", "3", "[A]\nk=3\n[A]\nk=2\n"},
      {"[A]\r\nk=1\r\n", "A", "j", "2", "[A]\r\nk=1\r\nj=2\r\n"},
      {"[A]\n; note\nk=1", "A", "k", "", "[A]\n; note\nk=\n"},
  };
  for (const Case& c : cases) {
    ProfileText p(c.before);
    p.set(c.section, c.key, c.value);
    EXPECT_EQ(p.text(), c.after) << testing::PrintToString(c.before) << " set [" << c.section << "] " << c.key << "="
                                 << c.value;
  }
}

// Sets variables for one test and restores them after.
class ScopedEnvironment {
 public:
  ~ScopedEnvironment() {
    for (const auto& [name, value] : saved_) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      else unsetenv(name.c_str());
    }
  }
  void set(const std::string& name, const char* value) {
    if (!saved_.count(name)) {
      const char* old = std::getenv(name.c_str());
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    if (value) setenv(name.c_str(), value, 1);
    else unsetenv(name.c_str());
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

TEST(Profile, FileLocationFromTheEnvironment) {
  ScopedEnvironment env;
  env.set("QUORVANE_INI", "/tmp/x/Q.ini");
  env.set("XDG_CONFIG_HOME", "/cfg");
  EXPECT_EQ(profileFilePath(), "/tmp/x/Q.ini");
  env.set("QUORVANE_INI", nullptr);
  EXPECT_EQ(profileFilePath(), "/cfg/Quorvane.ini");
  env.set("XDG_CONFIG_HOME", "relative");  // the XDG rules ignore a relative path
  env.set("HOME", "/home/someone");
  EXPECT_EQ(profileFilePath(), "/home/someone/.config/Quorvane.ini");
  env.set("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(profileFilePath(), "/home/someone/.config/Quorvane.ini");
}

TEST(Profile, ReadsAndWritesTheFileAfreshEachCall) {
  test::TempIni ini("[Quorvane]\nRecurse=0\nBad=12x\nBig=99999999999\nNeg= -5 \nPlus=+7\nBoth=+-3\n");
  EXPECT_EQ(profileState(), ProfileState::Readable);
  EXPECT_EQ(readProfileInt("quorvane", "recurse", 5), 0);
  EXPECT_EQ(readProfileInt("Quorvane", "Bad", 5), 5);
  EXPECT_EQ(readProfileInt("Quorvane", "Big", 5), 5);
  EXPECT_EQ(readProfileInt("Quorvane", "Neg", 5), -5);
  EXPECT_EQ(readProfileInt("Quorvane", "Plus", 5), 7);
  EXPECT_EQ(readProfileInt("Quorvane", "Both", 5), 5);
  EXPECT_EQ(readProfileInt("Quorvane", "Missing", 5), 5);

  ini.write("[Quorvane]\nRecurse=1\n");  // changed behind the module's back
  EXPECT_EQ(readProfileInt("Quorvane", "Recurse", 5), 1);

  EXPECT_TRUE(writeProfileString("Batch", "OutputFile", "/tmp/out.txt"));
  EXPECT_TRUE(writeProfileInt("Quorvane", "Recurse", 0));
  EXPECT_EQ(ini.read(), "[Quorvane]\nRecurse=0\n\n[Batch]\nOutputFile=/tmp/out.txt\n");
}

TEST(Profile, MissingFileGivesDefaultsAndTheFirstWriteCreatesIt) {
  test::TempIni ini;
  EXPECT_EQ(profileState(), ProfileState::Missing);
  EXPECT_EQ(readProfileString("A", "k", "$!$"), "$!$");
  ini.tree().dir("config");
  std::filesystem::remove_all(ini.tree().path("config"));  // even the folder is missing
  EXPECT_TRUE(writeProfileString("A", "k", "v"));
  EXPECT_EQ(ini.read(), "[A]\nk=v\n");
}

TEST(Profile, LineBreaksAreRefusedInsteadOfCorruptingTheFile) {
  test::TempIni ini("[A]\nk=1\n");
  EXPECT_FALSE(writeProfileString("A", "k", "two\nlines"));
  EXPECT_FALSE(writeProfileString("A", "k\r", "x"));
  EXPECT_EQ(ini.read(), "[A]\nk=1\n");
}

TEST(Profile, AFolderInPlaceOfTheFileIsUnreadable) {
  test::TempIni ini;
  ini.tree().dir("config/Quorvane.ini");
  EXPECT_EQ(profileState(), ProfileState::Unreadable);
  EXPECT_EQ(readProfileString("A", "k", "dflt"), "dflt");
  EXPECT_FALSE(writeProfileString("A", "k", "v"));
}

TEST(Profile, UnreadableFileIsNeitherReadNorOverwritten) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  test::TempIni ini("[A]\nk=1\n");
  chmod(ini.path().c_str(), 0200);
  EXPECT_EQ(profileState(), ProfileState::Unreadable);
  EXPECT_EQ(readProfileInt("A", "k", 7), 7);
  EXPECT_FALSE(writeProfileInt("A", "k", 2));
  chmod(ini.path().c_str(), 0600);
  EXPECT_EQ(ini.read(), "[A]\nk=1\n");
}

TEST(FileReplace, KeepsModeAndSymlinkAndLeavesNoTemporaryFile) {
  test::TempTree tree;
  tree.file("real/target.ini", "old");
  chmod(tree.path("real/target.ini").c_str(), 0640);
  tree.symlink("real/target.ini", "link.ini");
  ASSERT_TRUE(replaceFileContents(tree.path("link.ini"), "new"));
  struct stat st {};
  ASSERT_EQ(lstat(tree.path("link.ini").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(stat(tree.path("real/target.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  std::string text;
  ASSERT_TRUE(readWholeFile(tree.path("real/target.ini"), text));
  EXPECT_EQ(text, "new");
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(tree.path("real"))) ++files;
  EXPECT_EQ(files, 1);
}

TEST(FileReplace, FailureLeavesNoTemporaryFile) {
  test::TempTree tree;
  tree.dir("target.ini");  // a folder cannot be replaced by a file
  std::string error;
  EXPECT_FALSE(replaceFileContents(tree.path("target.ini"), "new", &error));
  EXPECT_FALSE(error.empty());
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(tree.root())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(FileReplace, FailureLeavesTheTargetIntact) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  test::TempTree tree;
  tree.file("ro/target.ini", "old");
  chmod(tree.path("ro").c_str(), 0500);
  std::string error;
  EXPECT_FALSE(replaceFileContents(tree.path("ro/target.ini"), "new", &error));
  EXPECT_FALSE(error.empty());
  std::string text;
  ASSERT_TRUE(readWholeFile(tree.path("ro/target.ini"), text));
  EXPECT_EQ(text, "old");
}

}  // namespace
}  // namespace quorvane::platform
