#pragma once
// The two exception families of the set readers, and the fatal stop.
//  - EQuorvane: directories (eDirError) and snapshots (eSnpError);
//  - eArchiveError (sources/archive): archives.
// Each carries only its message; the catcher shows it. FatalStop is not an Exception:
// it unwinds to the program's top, which ends the process through Termine.
#include <stdexcept>
#include <string>

namespace quorvane {

class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EQuorvane : public Exception {
 public:
  using Exception::Exception;
};
class eDirError : public EQuorvane {
 public:
  using EQuorvane::EQuorvane;
};
class EDirNotFound : public eDirError {
 public:
  using eDirError::eDirError;
};
class EDirEmpty : public eDirError {
 public:
  using eDirError::eDirError;
};
class eSnpError : public EQuorvane {
 public:
  using EQuorvane::EQuorvane;
};
class eSnpOpen : public eSnpError {
 public:
  using eSnpError::eSnpError;
};
class eSnpHeader : public eSnpError {
 public:
  using eSnpError::eSnpError;
};

// Exit kinds of Termine: 1 error, 2 normal end, 4 quiet end.
enum class ExitKind { Error = 1, Normal = 2, Quiet = 4 };

struct FatalStop {
  std::string message;
  ExitKind kind = ExitKind::Error;
};

// Ends the program: the core raises FatalStop; the program's top catches it and runs
// the real Termine (message box, storage release, exit code). Never returns.
[[noreturn]] inline void Termine(std::string message, ExitKind kind) { throw FatalStop{std::move(message), kind}; }

}  // namespace quorvane
