#pragma once
// Runs the quorvane program through the shell, as a user's script would.
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

namespace quorvane::test {

struct ProgramResult {
  int exitCode = -1;
  std::string out;  // what the command wrote (its redirections decide which streams)
};

inline std::string shellQuote(const std::string& s) {
  std::string q = "'";
  for (const char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// The program with its arguments, quoted for the shell, run in the directory with its own
// settings file and the time zone fixed.
// The program run in the directory with its own settings file. The offscreen platform lets
// the headless program print without a display, and the window run without one.
inline std::string programCommand(const std::string& directory, const std::vector<std::string>& args,
                                  const std::string& platform = "QT_QPA_PLATFORM=offscreen ") {
  std::string command = "cd " + shellQuote(directory) + " && TZ=UTC QUORVANE_INI=" +
                        shellQuote(directory + "Quorvane.ini") + " " + platform + shellQuote(QUORVANE_BINARY);
  for (const std::string& a : args) command += " " + shellQuote(a);
  return command;
}

// The same on a machine without a display: no Qt platform, no X or Wayland display.
inline std::string programCommandWithoutDisplay(const std::string& directory, const std::vector<std::string>& args) {
  return programCommand(directory, args, "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ");
}

inline ProgramResult runShell(const std::string& command) {
  ProgramResult r;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
  const int status = pclose(pipe);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

}  // namespace quorvane::test
