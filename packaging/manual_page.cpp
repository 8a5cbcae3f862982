// Writes the manual page quorvane.1 from the usage text that --help prints and the help
// topic "Syntax" shows, so that the three never disagree.
// Usage: quorvane_manual_page OUTPUT DATE
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "config/command_line.h"
#include "engine/program_version.h"

namespace {

// A text line as roff input: backslashes and minus signs escaped, a leading dot or quote
// kept from being read as a request.
std::string roff(const std::string& text) {
  std::string out;
  for (char ch : text) {
    if (ch == '\\')
      out += "\\e";
    else if (ch == '-')
      out += "\\-";
    else
      out += ch;
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
  return out;
}

std::string trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// An option line "  -X<..>      what it does": the switches fill the columns before the
// description, which starts at column 16 or, after longer switches, at the first word
// past them.
constexpr std::size_t kDescriptionColumn = 16;

void option(std::ostream& out, const std::string& line) {
  std::size_t start = line.size();
  for (std::size_t i = kDescriptionColumn; i < line.size(); ++i) {
    if (line[i] != ' ' && line[i - 1] == ' ') {
      start = i;
      break;
    }
  }
  const std::string names = trimmed(line.substr(0, start));
  const std::string what = start < line.size() ? trimmed(line.substr(start)) : std::string();
  out << ".TP\n.B " << roff(names) << '\n';
  if (!what.empty()) out << roff(what) << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: quorvane_manual_page OUTPUT DATE\n";
    return 2;
  }
  std::ostringstream out;
  out << ".TH QUORVANE 1 \"" << argv[2] << "\" \"Quorvane " << quorvane::kProgramVersion
      << "\" \"User Commands\"\n";
  out << ".SH NAME\nquorvane \\- compare two directory trees, archives or snapshots\n";

  enum class Section { Synopsis, Description, Options, ExitStatus, Files } section = Section::Synopsis;
  out << ".SH SYNOPSIS\n";
  bool paragraphOpen = false;
  for (const std::string& line : lines(quorvane::UsageText())) {
    const std::string text = trimmed(line);
    if (section == Section::Synopsis) {
      if (startsWith(text, "Usage: ")) {
        out << ".B " << roff(text.substr(7)) << "\n.br\n";
        continue;
      }
      if (startsWith(text, "quorvane ")) {
        out << ".B " << roff(text) << '\n';
        continue;
      }
      section = Section::Description;
      out << ".SH DESCRIPTION\n";
    }
    if (text.empty()) {
      paragraphOpen = false;
      continue;
    }
    if (startsWith(text, "Exit codes:")) {
      section = Section::ExitStatus;
      out << ".SH EXIT STATUS\n";
      out << roff(trimmed(text.substr(11))) << '\n';
      continue;
    }
    if (startsWith(text, "Settings:")) {
      section = Section::Files;
      out << ".SH FILES\n" << roff(trimmed(text.substr(9))) << '\n';
      continue;
    }
    if (section == Section::Description && startsWith(line, "  -")) {
      section = Section::Options;
      out << ".SH OPTIONS\n";
    }
    if (section == Section::Options) {
      if (startsWith(line, "  -"))
        option(out, line);
      else
        out << roff(text) << '\n';  // a description's second line
      continue;
    }
    if (!paragraphOpen && section == Section::Description) out << ".PP\n";
    paragraphOpen = true;
    out << roff(text) << '\n';
  }
  out << ".SH SEE ALSO\nThe help window of the program (F1) holds the same syntax and every topic.\n";

  std::ofstream file(argv[1], std::ios::binary);
  file << out.str();
  if (!file) {
    std::cerr << "quorvane_manual_page: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
