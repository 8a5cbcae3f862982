#pragma once
#include <memory>

#include "engine/set_reading.h"

namespace quorvane {

class OldSetPrefetch;

// Reads a side by its set kind: 8 directory tree, 9 snapshot, 1..7 archives. A directory
// Old set is read ahead on a worker thread while the New set is read.
class SetSourceReaders : public SetReaders {
 public:
  SetSourceReaders();
  ~SetSourceReaders() override;
  void ReadSet(Comparison& c, Side side) override;
  void ReadAhead(Comparison& c, Side side) override;
  void DropReadAhead() noexcept override;

 private:
  std::unique_ptr<OldSetPrefetch> prefetch_;
};

}  // namespace quorvane
