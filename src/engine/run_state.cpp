#include "engine/run_state.h"

namespace quorvane {

const char* setKindName(SetKind kind) {
  switch (kind) {
    case SetKind::Nothing: return "N/A";
    case SetKind::Zip: return "ZIP";
    case SetKind::Rar: return "RAR";
    case SetKind::Ace: return "ACE";
    case SetKind::Arj: return "ARJ";
    case SetKind::Lha: return "LHA";
    case SetKind::Zoo: return "ZOO";
    case SetKind::Arc: return "ARC";
    case SetKind::Directory: return "DIR";
    case SetKind::Snapshot: return "SNP";
  }
  return "N/A";
}

}  // namespace quorvane
