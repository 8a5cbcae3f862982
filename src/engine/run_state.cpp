#include "engine/run_state.h"

namespace quorvane {

const char* setKindName(std::uint8_t kind) {
  static const char* const names[] = {"N/A", "ZIP", "RAR", "ACE", "ARJ", "LHA", "ZOO", "ARC", "DIR", "SNP"};
  return kind <= skSnapshot ? names[kind] : "N/A";
}

}  // namespace quorvane
