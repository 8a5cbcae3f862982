#pragma once
// Starting other programs: a file's associated program, the default viewer, the user's
// comparison tool. Programs are started detached (in a session of their own, never waited
// for) from an argument list, never through a shell. LocalProgramStarter is the real one;
// tests put in a recorder.
#include <optional>
#include <string>
#include <vector>

namespace quorvane::platform {

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;

  // Starts arguments[0] with the whole list as its arguments; with searchPath a name
  // without "/" is looked up in PATH, else it names a file from the working directory.
  // False when the program could not be started (not found, not executable, empty list).
  virtual bool start(const std::vector<std::string>& arguments, bool searchPath) = 0;

  // The program text of the application associated with the file (the desktop entry's
  // command without its field codes, e.g. "gedit" or "code --new-window"), or none.
  virtual std::optional<std::string> associatedProgram(const std::string& path) = 0;
};

// The desktop's opener of a file or a URL when no program is named.
inline constexpr const char* kDesktopOpener = "xdg-open";

class LocalProgramStarter : public ProgramStarter {
 public:
  // posix_spawn in a new session; a thread of its own reaps the child when it ends.
  bool start(const std::vector<std::string>& arguments, bool searchPath) override;
  // "xdg-mime query filetype", "xdg-mime query default", then the desktop entry's Exec
  // from the XDG data folders. None when any step fails or gives nothing.
  std::optional<std::string> associatedProgram(const std::string& path) override;
};

// Runs a program to its end and returns what it wrote on standard output (standard input
// and error are /dev/null); none when it could not be started, failed, or ran longer than
// timeoutMs (it is then killed).
std::optional<std::string> RunForOutput(const std::vector<std::string>& arguments, int timeoutMs);

}  // namespace quorvane::platform
