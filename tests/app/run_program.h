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
inline std::string programCommand(const std::string& directory, const std::vector<std::string>& args) {
  std::string command = "cd " + shellQuote(directory) + " && TZ=UTC QUORVANE_INI=" +
                        shellQuote(directory + "Quorvane.ini") + " QT_QPA_PLATFORM=offscreen " +
                        shellQuote(QUORVANE_BINARY);
  for (const std::string& a : args) command += " " + shellQuote(a);
  return command;
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
