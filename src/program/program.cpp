#include "program/program.h"

namespace quorvane {

Program::Program(platform::UserInterface& u, SetReaders& r, ResultWriters& w)
    : ui(u), readers(r), writers(w), comparison(settings, u), selection(comparison) {}

}  // namespace quorvane
