#pragma once
#include "engine/set_reading.h"

namespace quorvane {

// Reads a side by its set kind: 8 directory tree, 9 snapshot, 1..7 archives.
class SetSourceReaders : public SetReaders {
 public:
  void ReadSet(Comparison& c, Side side) override;
};

}  // namespace quorvane
