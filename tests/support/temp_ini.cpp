#include "support/temp_ini.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace quorvane::test {

TempIni::TempIni(std::optional<std::string> contents) : path_(tree_.path("config/Quorvane.ini")) {
  if (const char* old = std::getenv("QUORVANE_INI")) saved_ = old;
  setenv("QUORVANE_INI", path_.c_str(), 1);
  if (contents) tree_.file("config/Quorvane.ini", *contents);
}

TempIni::~TempIni() {
  if (saved_) setenv("QUORVANE_INI", saved_->c_str(), 1);
  else unsetenv("QUORVANE_INI");
}

std::string TempIni::read() const {
  std::ifstream in(path_, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void TempIni::write(const std::string& contents) const { std::ofstream(path_, std::ios::binary) << contents; }

}  // namespace quorvane::test
