#include "platform/program_starter.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/desktop_entry.h"
#include "platform/text_file.h"

extern char** environ;

namespace quorvane::platform {

namespace {

std::vector<char*> ArgumentVector(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 1);
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  return argv;
}

// The spawn's set-up: standard input (and, without an output pipe, standard output and
// error) from /dev/null, a new session, default signal handling.
class SpawnSetUp {
 public:
  SpawnSetUp() {
    posix_spawn_file_actions_init(&actions_);
    posix_spawnattr_init(&attributes_);
    sigset_t all;
    sigfillset(&all);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes_, &all);
    posix_spawnattr_setsigmask(&attributes_, &none);
    posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
  }
  ~SpawnSetUp() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attributes_);
  }
  SpawnSetUp(const SpawnSetUp&) = delete;
  SpawnSetUp& operator=(const SpawnSetUp&) = delete;

  posix_spawn_file_actions_t* actions() { return &actions_; }
  posix_spawnattr_t* attributes() { return &attributes_; }

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

// Spawns; the child's pid, or -1. glibc reports a failed exec as the spawn's error.
pid_t Spawn(const std::vector<std::string>& arguments, bool searchPath, SpawnSetUp& setUp) {
  if (arguments.empty() || arguments.front().empty()) return -1;
  std::vector<char*> argv = ArgumentVector(arguments);
  pid_t pid = -1;
  const int error = searchPath ? posix_spawnp(&pid, argv[0], setUp.actions(), setUp.attributes(), argv.data(), environ)
                               : posix_spawn(&pid, argv[0], setUp.actions(), setUp.attributes(), argv.data(), environ);
  return error == 0 ? pid : -1;
}

void ReapWhenEnded(pid_t pid) {
  std::thread([pid] {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

}  // namespace

bool LocalProgramStarter::start(const std::vector<std::string>& arguments, bool searchPath) {
  SpawnSetUp setUp;
  const pid_t pid = Spawn(arguments, searchPath, setUp);
  if (pid < 0) return false;
  ReapWhenEnded(pid);
  return true;
}

std::optional<std::string> RunForOutput(const std::vector<std::string>& arguments, int timeoutMs) {
  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) return std::nullopt;
  SpawnSetUp setUp;
  posix_spawn_file_actions_adddup2(setUp.actions(), pipeEnds[1], 1);
  posix_spawn_file_actions_addopen(setUp.actions(), 2, "/dev/null", O_WRONLY, 0);
  const pid_t pid = Spawn(arguments, true, setUp);
  close(pipeEnds[1]);
  if (pid < 0) {
    close(pipeEnds[0]);
    return std::nullopt;
  }
  std::string output;
  bool timedOut = false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      timedOut = true;
      break;
    }
    pollfd fd{pipeEnds[0], POLLIN, 0};
    const int ready = poll(&fd, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) {
      timedOut = ready == 0;
      break;
    }
    char buffer[4096];
    const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    output.append(buffer, static_cast<std::size_t>(got));
    if (output.size() > (1u << 20)) {  // nothing we ask for says that much
      timedOut = true;
      break;
    }
  }
  close(pipeEnds[0]);
  if (timedOut) kill(pid, SIGKILL);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (timedOut || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return output;
}

namespace {

std::string FirstLine(const std::string& text) {
  std::string line = text.substr(0, text.find('\n'));
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.pop_back();
  return line;
}

constexpr int kQueryTimeoutMs = 5000;

}  // namespace

std::optional<std::string> LocalProgramStarter::associatedProgram(const std::string& path) {
  const std::optional<std::string> type = RunForOutput({"xdg-mime", "query", "filetype", path}, kQueryTimeoutMs);
  if (!type) return std::nullopt;
  const std::string mime = FirstLine(*type);
  if (mime.empty()) return std::nullopt;
  const std::optional<std::string> entry = RunForOutput({"xdg-mime", "query", "default", mime}, kQueryTimeoutMs);
  if (!entry) return std::nullopt;
  const std::string id = FirstLine(*entry);
  const std::optional<std::string> file = FindDesktopEntry(id, DesktopEntryFolders());
  if (!file) return std::nullopt;
  std::vector<std::string> lines;
  if (!readLines(*file, lines)) return std::nullopt;
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return DesktopEntryProgram(text);
}

}  // namespace quorvane::platform
