#include "sources/crc_engine.h"

namespace quorvane {

namespace {

CrcEngine& activeEngine() {
  static CrcEngine engine = CarrylessMultiplyAvailable() ? CrcEngine::CarrylessMultiply : CrcEngine::Table;
  return engine;
}

}  // namespace

bool CarrylessMultiplyAvailable() {
#if defined(__x86_64__) || defined(__i386__)
  static const bool available = __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1");
  return available;
#else
  return false;
#endif
}

CrcEngine ActiveCrcEngine() { return activeEngine(); }

bool UseCrcEngine(CrcEngine engine) {
  if (engine == CrcEngine::CarrylessMultiply && !CarrylessMultiplyAvailable()) return false;
  activeEngine() = engine;
  return true;
}

}  // namespace quorvane
