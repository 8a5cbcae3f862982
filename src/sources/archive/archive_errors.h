#pragma once
// The exception family of the archive readers. Each carries only its message; the
// comparison run catches them as Exception and shows the text.
#include "engine/errors.h"

namespace quorvane {

class eArchiveError : public Exception {
 public:
  using Exception::Exception;
};
class eArchiveFileNotFound : public eArchiveError {
 public:
  using eArchiveError::eArchiveError;
};
class eArchiveOpen : public eArchiveError {
 public:
  using eArchiveError::eArchiveError;
};
class eZIPError : public eArchiveError {
 public:
  using eArchiveError::eArchiveError;
};
class eRARError : public eArchiveError {
 public:
  using eArchiveError::eArchiveError;
};
class eARJError : public eArchiveError {
 public:
  using eArchiveError::eArchiveError;
};

}  // namespace quorvane
