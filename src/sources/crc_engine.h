#pragma once
// Which implementation the CRC update routines use. Both give the same values; the
// carry-less multiply one folds 64 bytes per step on x86-64 CPUs with PCLMULQDQ and is
// chosen at start-up when the CPU has it. The table one (one look-up per byte) runs
// everywhere. Tests switch between them to check both.
namespace quorvane {

enum class CrcEngine { Table, CarrylessMultiply };

// True when this CPU can run the carry-less multiply engine.
bool CarrylessMultiplyAvailable();

CrcEngine ActiveCrcEngine();

// Switches the engine used by Crc32Update and Crc16Update. Returns false (and changes
// nothing) when the CPU cannot run the engine asked for.
bool UseCrcEngine(CrcEngine engine);

}  // namespace quorvane
