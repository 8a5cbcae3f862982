#pragma once
// The two exception families of the set readers, and the fatal error.
//  - EQuorvane: directories (eDirError) and snapshots (eSnpError);
//  - eArchiveError (sources/archive): archives.
// Each carries only its message; the catcher shows it. FatalError is not an Exception:
// no reader's catch takes it, and it travels to the program layer, whose guard ends
// the program (message, exit code) in one place. Nothing in the core ends the process.
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

// A condition after which the program cannot go on (the maximum file count): thrown by
// the core, turned into the program's end by the program layer's guard (RunGuarded).
struct FatalError {
  std::string message;
  ExitKind kind = ExitKind::Error;
};

}  // namespace quorvane
