// Every failing step of a copy over an existing destination, as a table: the prompt
// asked (text, path, buttons, reason), the outcome and the log word, and on disk the
// source intact, the former destination intact or the complete new copy, no staged
// file left and no directory made after a skip.
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "fileops/fileops_fixture.h"
#include "fileops/prompt_texts.h"
#include "platform/os_error_text.h"

namespace quorvane::test {
namespace {

using fileops::OperationCode;
using fileops::OutcomeCode;
using platform::FileAction;
namespace texts = fileops::texts;

constexpr std::size_t kSourceSize = 300'000;  // five chunks and a part
constexpr std::size_t kFormerSize = 70'000;

enum class Where { Source, Destination, Directory };
enum class Expect { Former, NewCopy };

struct FaultCase {
  const char* name;
  std::function<void(FaultyFileSystem&, TempTree&)> arrange;
  std::vector<FileAction> answers;
  std::string_view prompt;  // the first question asked
  Where promptPath;
  std::string_view primary;
  std::string_view all;
  std::string reason;  // the system's text shown, empty to leave unchecked
  OutcomeCode outcome;
  std::string_view word;
  Expect destination;
  bool destinationDirectoryMissing = false;  // the destination's directory did not exist
};

Fault always(int error, std::uint64_t atByte = 0) { return Fault{-1, error, atByte}; }
Fault once(int error, std::uint64_t atByte = 0) { return Fault{1, error, atByte}; }

std::string reasonOf(int error) { return platform::osErrorText(error); }

const std::vector<FaultCase>& faultCases() {
  static const std::vector<FaultCase> cases = {
      {"SourceOpenFailsOnceRetried", [](FaultyFileSystem& fs, TempTree&) { fs.openFault = once(EACCES); },
       {FileAction::Primary}, texts::kOpenSourceError, Where::Source, texts::kRetry, "", reasonOf(EACCES),
       OutcomeCode::Ok, texts::kWordOk, Expect::NewCopy},
      {"SourceOpenFailsAlwaysSkipped", [](FaultyFileSystem& fs, TempTree&) { fs.openFault = always(EACCES); },
       {FileAction::Skip}, texts::kOpenSourceError, Where::Source, texts::kRetry, "", reasonOf(EACCES),
       OutcomeCode::Skip, texts::kWordSkipped, Expect::Former},
      {"ReadFailsOnceRetried", [](FaultyFileSystem& fs, TempTree&) { fs.readFault = once(EIO); },
       {FileAction::Primary}, texts::kReadError, Where::Source, texts::kRetry, "", reasonOf(EIO), OutcomeCode::Ok,
       texts::kWordOk, Expect::NewCopy},
      {"ReadFailsAlwaysSkipped", [](FaultyFileSystem& fs, TempTree&) { fs.readFault = always(EIO); },
       {FileAction::Skip}, texts::kReadError, Where::Source, texts::kRetry, "", reasonOf(EIO),
       OutcomeCode::ReadError, texts::kWordSkipped, Expect::Former},
      {"ReadFailsMidwaySkipped", [](FaultyFileSystem& fs, TempTree&) { fs.readFault = always(EIO, 200'000); },
       {FileAction::Primary, FileAction::Skip}, texts::kReadError, Where::Source, texts::kRetry, "", reasonOf(EIO),
       OutcomeCode::ReadError, texts::kWordSkipped, Expect::Former},
      {"ReadFailsMidwayOnceRetried", [](FaultyFileSystem& fs, TempTree&) { fs.readFault = once(EIO, 200'000); },
       {FileAction::Primary}, texts::kReadError, Where::Source, texts::kRetry, "", reasonOf(EIO), OutcomeCode::Ok,
       texts::kWordOk, Expect::NewCopy},
      {"ReadFailsMidwayAborted", [](FaultyFileSystem& fs, TempTree&) { fs.readFault = always(EIO, 131'070); },
       {FileAction::Abort}, texts::kReadError, Where::Source, texts::kRetry, "", reasonOf(EIO), OutcomeCode::Abort,
       texts::kWordAborted, Expect::Former},
      {"DestinationCannotBeCreated", [](FaultyFileSystem& fs, TempTree&) { fs.stageFault = always(EROFS); },
       {FileAction::Skip}, texts::kOpenDestinationError, Where::Destination, texts::kRetry, "", reasonOf(EROFS),
       OutcomeCode::Skip, texts::kWordSkipped, Expect::Former},
      {"DestinationCreatedAfterRetry", [](FaultyFileSystem& fs, TempTree&) { fs.stageFault = once(EMFILE); },
       {FileAction::Primary}, texts::kOpenDestinationError, Where::Destination, texts::kRetry, "", reasonOf(EMFILE),
       OutcomeCode::Ok, texts::kWordOk, Expect::NewCopy},
      {"WriteFailsMidwaySkipped", [](FaultyFileSystem& fs, TempTree&) { fs.writeFault = always(EIO, 150'000); },
       {FileAction::Skip}, texts::kWriteError, Where::Destination, texts::kRetry, "", reasonOf(EIO),
       OutcomeCode::WriteError, texts::kWordSkipped, Expect::Former},
      {"DiskFullMidwaySkipped", [](FaultyFileSystem& fs, TempTree&) { fs.writeFault = always(ENOSPC, 150'000); },
       {FileAction::Primary, FileAction::Skip}, texts::kWriteError, Where::Destination, texts::kRetry, "",
       "No space left on device", OutcomeCode::WriteError, texts::kWordSkipped, Expect::Former},
      {"DiskFullMidwayThenRoomRetried", [](FaultyFileSystem& fs, TempTree&) { fs.writeFault = once(ENOSPC, 150'000); },
       {FileAction::Primary}, texts::kWriteError, Where::Destination, texts::kRetry, "", reasonOf(ENOSPC),
       OutcomeCode::Ok, texts::kWordOk, Expect::NewCopy},
      {"DiskFullMidwayAborted", [](FaultyFileSystem& fs, TempTree&) { fs.writeFault = always(ENOSPC, 150'000); },
       {FileAction::Abort}, texts::kWriteError, Where::Destination, texts::kRetry, "", reasonOf(ENOSPC),
       OutcomeCode::Abort, texts::kWordAborted, Expect::Former},
      {"RenameFailsSkipped", [](FaultyFileSystem& fs, TempTree&) { fs.commitFault = always(EXDEV); },
       {FileAction::Skip}, texts::kWriteError, Where::Destination, texts::kRetry, "", reasonOf(EXDEV),
       OutcomeCode::WriteError, texts::kWordSkipped, Expect::Former},
      {"RenameFailsOnceRetried", [](FaultyFileSystem& fs, TempTree&) { fs.commitFault = once(EBUSY); },
       {FileAction::Primary}, texts::kWriteError, Where::Destination, texts::kRetry, "", reasonOf(EBUSY),
       OutcomeCode::Ok, texts::kWordOk, Expect::NewCopy},
      {"DestinationDirectoryCannotBeCreated",
       [](FaultyFileSystem& fs, TempTree&) { fs.mkdirFault = always(EACCES); }, {FileAction::Skip},
       texts::kCreateDirError, Where::Directory, texts::kRetry, "", reasonOf(EACCES), OutcomeCode::Skip,
       texts::kWordSkipped, Expect::Former, true},
      {"DestinationDirectoryMadeAfterRetry",
       [](FaultyFileSystem& fs, TempTree&) { fs.mkdirFault = once(ENOSPC); }, {FileAction::Primary},
       texts::kCreateDirError, Where::Directory, texts::kRetry, "", reasonOf(ENOSPC), OutcomeCode::Ok,
       texts::kWordOk, Expect::NewCopy, true},
      {"ReadOnlyDestinationSkipped", [](FaultyFileSystem&, TempTree& t) { t.chmod("old/sub/f.bin", 0444); },
       {FileAction::Skip}, texts::kDestinationReadOnly, Where::Destination, texts::kOverwrite, texts::kOverwriteAll,
       "", OutcomeCode::Skip, texts::kWordSkipped, Expect::Former},
      {"ReadOnlyDestinationOverwritten", [](FaultyFileSystem&, TempTree& t) { t.chmod("old/sub/f.bin", 0444); },
       {FileAction::Primary}, texts::kDestinationReadOnly, Where::Destination, texts::kOverwrite,
       texts::kOverwriteAll, "", OutcomeCode::Ok, texts::kWordOk, Expect::NewCopy},
      {"SourceVanishedSinceListing",
       [](FaultyFileSystem& fs, TempTree&) { fs.beforeOpenSource = [](const std::string& p) { unlink(p.c_str()); }; },
       {FileAction::Primary, FileAction::Skip}, texts::kOpenSourceError, Where::Source, texts::kRetry, "",
       reasonOf(ENOENT), OutcomeCode::Skip, texts::kWordSkipped, Expect::Former},
      {"SourceReplacedByDirectory",
       [](FaultyFileSystem& fs, TempTree&) {
         fs.beforeOpenSource = [](const std::string& p) {
           if (unlink(p.c_str()) == 0) mkdir(p.c_str(), 0755);
         };
       },
       {FileAction::Skip}, texts::kOpenSourceError, Where::Source, texts::kRetry, "", reasonOf(EISDIR),
       OutcomeCode::Skip, texts::kWordSkipped, Expect::Former},
  };
  return cases;
}

class CopyFaultTest : public FileOpsTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(CopyFaultTest, PromptOutcomeAndDisk) {
  const FaultCase& c = GetParam();
  const std::string source = patternBytes(kSourceSize, 1);
  const std::string former = patternBytes(kFormerSize, 2);
  tree.file("new/sub/f.bin", source, 1'600'000'000);
  if (!c.destinationDirectoryMissing) tree.file("old/sub/f.bin", former, 1'500'000'000);
  c.arrange(fs, tree);
  const auto formerManifest = manifestOf(tree.path("old"));
  for (FileAction a : c.answers) ui.scriptFileAction(a);
  engine.Options.cbLog = true;
  ASSERT_TRUE(engine.OpenLog(fileops::RunKind::FileOperation));
  startRun();

  const OutcomeCode outcome = engine.CopyEntry(OperationCode::CopyNewToOld, 1, entry("sub\\f.bin", kSourceSize), false);
  engine.CloseLog(fileops::RunKind::FileOperation);

  SCOPED_TRACE(c.name);
  EXPECT_EQ(outcome, c.outcome);
  const auto questions = ui.fileQuestions();
  ASSERT_FALSE(questions.empty());
  EXPECT_EQ(questions.front().text, c.prompt);
  const std::string path = c.promptPath == Where::Source        ? newPath("sub/f.bin")
                           : c.promptPath == Where::Destination ? oldPath("sub/f.bin")
                                                                : oldPath("sub");
  EXPECT_EQ(questions.front().path, path);
  EXPECT_EQ(questions.front().primaryCaption, c.primary);
  EXPECT_EQ(questions.front().allCaption, c.all);
  if (!c.reason.empty()) {
    EXPECT_EQ(questions.front().reason, c.reason);
  }
  EXPECT_EQ(questions.size(), c.answers.size()) << "every scripted answer used, nothing more asked";

  const std::string log = logText();
  const std::string line = "COPY " + newPath("sub/f.bin") + " >> " + tree.path("old/") + " ... " + std::string(c.word) + "\r\n";
  EXPECT_NE(log.find(line), std::string::npos) << log;

  ASSERT_EQ(status.resultCount(), 1u);
  EXPECT_EQ(status.result(0).Outcome, c.outcome);
  EXPECT_EQ(status.Counters().Errors, c.outcome == OutcomeCode::Ok ? 0u : 1u);

  if (pathExists(newPath("sub/f.bin")) && c.name != std::string("SourceReplacedByDirectory")) {
    EXPECT_EQ(contentsOf(newPath("sub/f.bin")), source);
  }
  if (c.destination == Expect::NewCopy) {
    EXPECT_EQ(contentsOf(oldPath("sub/f.bin")), source);
    struct stat st {};
    ASSERT_EQ(stat(oldPath("sub/f.bin").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1'600'000'000);
    EXPECT_TRUE(st.st_mode & S_IWUSR) << "the copy carries the owner's write bit";
  } else if (c.destinationDirectoryMissing) {
    EXPECT_FALSE(pathExists(oldPath("sub"))) << "no directory made after a skip";
  } else {
    EXPECT_EQ(manifestOf(tree.path("old")), formerManifest) << "the former destination is untouched";
  }
  EXPECT_TRUE(stagedFilesUnder(tree.root()).empty());
}

INSTANTIATE_TEST_SUITE_P(Faults, CopyFaultTest, ::testing::ValuesIn(faultCases()),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvane::test
