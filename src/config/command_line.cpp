#include "config/command_line.h"

#include <algorithm>

#include "config/text_lists.h"
#include "engine/path_key.h"
#include "engine/set_kind.h"
#include "platform/text_file.h"

namespace quorvane {

namespace {

std::string upper(std::string s) {
  for (char& ch : s)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 32);
  return s;
}

// The letter alone or followed by anything but exactly "-" turns a setting on.
bool onOff(const std::string& text) { return text.size() != 2 || text[1] != '-'; }

std::vector<std::string> splitList(const std::string& value) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (;;) {
    const std::size_t semi = value.find(';', start);
    out.push_back(value.substr(start, semi - start));
    if (semi == std::string::npos) break;
    start = semi + 1;
  }
  return out;
}

// "<list>" or "@<file>": the entries of the list or the lines of the file.
bool listValue(const std::string& value, std::vector<std::string>& entries) {
  if (!value.empty() && value[0] == '@') return platform::readLines(value.substr(1), entries);
  entries = splitList(value);
  return true;
}

class Parser {
 public:
  Parser(Settings& s, Comparison& c) : s_(s), c_(c) {}

  CommandLine Run(const std::vector<std::string>& args) {
    for (const std::string& p : args) {
      if (line_.HelpRequested || line_.VersionRequested) break;
      if (!IsSwitch(p)) {
        if (line_.Positional.size() == 4) throw CommandLineError("Too many filenames/wildcards");
        line_.Positional.push_back(p);
        continue;
      }
      Switch(p);
    }
    if (line_.HelpRequested || line_.VersionRequested) return line_;
    // An empty set name (an unset shell variable) would read as the current or the root
    // directory: the whole file system compared instead of the set meant.
    const std::size_t sets = std::min<std::size_t>(line_.SnapshotMode ? 1 : 2, line_.Positional.size());
    for (std::size_t i = 0; i < sets; ++i) {
      if (line_.Positional[i].empty())
        throw CommandLineError(std::string("The ") + sideWordUpper(i == 0 ? Side::New : Side::Old) +
                               " set name (parameter " + std::to_string(i + 1) +
                               ") is empty.\rName a directory, an archive or a snapshot.");
    }
    if (line_.Sync.Requested() && !s_.AutoMode)
      throw CommandLineError("--Sync: synchronizes without the window: use it with -A and the NEW and OLD directories");
    if (s_.AutoMode && s_.OutputFile.empty() && !line_.Sync.Requested())
      throw CommandLineError(
          "Automode (/A) : You didn't specify an output file for saving results,\rand no default output file is "
          "specified in Options|Batch dialog.\ruse /O[A]:<filename> to specify an output file, or /OP to print");
    return line_;
  }

 private:
  void Switch(const std::string& parameter) {
    const std::string text = upper(parameter.substr(1));
    const char letter = text.empty() ? ' ' : text[0];
    const std::string rest = text.size() > 1 ? text.substr(1) : std::string();
    std::uint16_t& xFilter = c_.Files.XFilter;
    std::uint16_t& iFilter = c_.Files.IFilter;
    switch (letter) {
      case 'A':
        if (text != "A-") {
          s_.AutoMode = s_.SkipAllFiles = s_.StartIfCmdLine = s_.CloseProgressDlg = true;
          s_.ShowStatusDlg = false;
        }
        break;
      case 'B': s_.Batch = onOff(text); break;
      case 'C':
        if (rest.size() != 1 || rest[0] < '0' || rest[0] > '2')
          throw CommandLineError("Country Date format must be 0, 1 or 2 : /C0 or /C1 or C2");
        s_.DateFormat = rest[0] - '0';
        break;
      case 'D': xFilter &= static_cast<std::uint16_t>(~0x01); break;
      case 'E':
        if (rest.empty()) {
          s_.SkipAllFiles = true;
        } else if (rest == "X") {
          s_.SkipAllFiles = s_.ExcludeErrFiles = true;
        } else {
          throw CommandLineError("/E : incorrect value specified : /E" + rest + "\rUse /E or /EX");
        }
        break;
      case 'F':
        if (rest.empty()) throw CommandLineError("/F : You must specify what file attributes to add (any of \"HSVDA\").");
        for (const char f : rest) {
          switch (f) {
            case 'H': s_.SpecialAttr |= 0x02; break;
            case 'S': s_.SpecialAttr |= 0x04; break;
            case 'V': s_.SpecialAttr |= 0x08; break;
            case 'D': s_.HiddenDirs = true; break;
            case 'A': s_.SpecialAlsoArc = true; break;
            default: throw CommandLineError(std::string("/F : Incorrect value specified : ") + f);
          }
        }
        break;
      case 'H':
      case '?': line_.HelpRequested = true; break;
      case 'I':
        if (rest.empty()) throw CommandLineError("/I : You must specify what to ignore (one of \"-CDS\").");
        for (const char f : rest) {
          switch (f) {
            case '-': iFilter = 0xFFFF; break;
            case 'C': iFilter &= static_cast<std::uint16_t>(~0x02); break;
            case 'D': iFilter &= static_cast<std::uint16_t>(~0x30); break;
            case 'S': iFilter &= static_cast<std::uint16_t>(~0xC0); break;
            default: throw CommandLineError(std::string("/I : Incorrect value specified : ") + f);
          }
        }
        break;
      case 'L': line_.SnapshotMode = true; break;
      case 'M':
        if (rest.size() >= 1 && rest[0] == 'O')
          s_.CheckMovedFiles = true;
        else if (text != "M-")
          xFilter &= static_cast<std::uint16_t>(~0x0C);
        break;
      case 'N':
        if (text == "NOLOGO")
          line_.NoLogo = true;
        else
          s_.NoPath = onOff(text);
        break;
      case 'O': Output(parameter, text); break;
      case 'P': s_.Pause = onOff(text); break;
      case 'Q': s_.Quick = onOff(text); break;
      case 'R': s_.Recurse = onOff(text); break;
      case 'V': s_.Verbose = s_.DiffAppendStatus = true; break;
      case 'W': s_.WarnDup = onOff(text); break;
      case 'X':
        if (rest.empty()) throw CommandLineError("/X : You must specify what to exclude (NOBSIDC=-).");
        for (const char f : rest) {
          static const std::string letters = "=CIDNOBS";
          if (f == '-') {
            xFilter = 0xFFFF;
            continue;
          }
          const std::size_t bit = letters.find(f);
          if (bit == std::string::npos) throw CommandLineError(std::string("/X : Incorrect value specified : ") + f);
          xFilter &= static_cast<std::uint16_t>(~(1u << bit));
        }
        break;
      case 'Z': line_.DiagnosticMode = onOff(text); break;
      case '8': s_.Strip83 = onOff(text); break;
      case '1':
      case '2': KindOverride(letter == '1' ? Side::New : Side::Old, parameter.substr(2, 4)); break;
      case '-': LongOption(parameter); break;
      default: throw CommandLineError(std::string("Unknown switch : /") + letter);
    }
  }

  void Output(const std::string& parameter, const std::string& text) {
    static const char* const kSyntax =
        "Error for Output filename (/O)\r\rSyntax:\r   /O:<filename> to send to output file.\r   /OA:<filename> to "
        "append to output file.\r   /OP to send to current printer.\r";
    if (text.rfind("OA:", 0) == 0) {
      if (parameter.size() <= 4) throw CommandLineError(kSyntax);
      s_.OutputFile = parameter.substr(4);
      line_.AppendOutput = true;
    } else if (text.rfind("O:", 0) == 0) {
      if (parameter.size() <= 3) throw CommandLineError(kSyntax);
      s_.OutputFile = parameter.substr(3);
      line_.AppendOutput = false;
    } else if (text == "OP") {
      s_.OutputFile = "[Printer]";
      line_.AppendOutput = false;
    } else {
      throw CommandLineError(kSyntax);
    }
  }

  void KindOverride(Side side, const std::string& extension) {
    ChecksumKind width = ChecksumKind::Crc32;
    const SetKind kind = SetKindOf(std::string(kExtensionOnlyMarker) + extension, &width);
    if (kind == SetKind::Directory)
      throw CommandLineError(std::string("Bad Archive type override for ") + sideWordUpper(side) +
                             " archive : " + extension);
    (side == Side::New ? line_.NewKindOverride : line_.OldKindOverride) = kind;
    c_.Set(side).Checksum = width;
  }

  void LongOption(const std::string& parameter) {
    const std::string option = parameter.substr(2);
    const auto named = [&](std::string_view name) { return startsWithFolded(option, name); };
    if (named("IncludeDirs:") || named("ExcludeDirs:")) {
      const bool include = named("IncludeDirs:");
      const std::string value = option.substr(12);
      std::vector<std::string> entries;
      if (value.empty())
        throw CommandLineError(
            "IncludeDirs: and ExcludeDirs: must be immediately followed by a\r\ndirectory list separated by commas, or "
            "by a filename preceded by \"@\",\r\nwhich contains the directory names");
      if (!listValue(value, entries)) throw CommandLineError("Error loading include/exclude list :\r\n" + value.substr(1));
      SortedTextList& list = include ? c_.IncludeDirs : c_.ExcludeDirs;
      list.Clear();
      for (const std::string& e : entries)
        if (const std::string held = HeldDirectoryName(e); !held.empty()) list.Add(held);
    } else if (named("Alias:")) {
      const std::string value = option.substr(6);
      std::vector<std::string> entries;
      if (value.empty()) throw CommandLineError("Alias: must be followed by an alias : Ext1=Alias1\r\n(exemple : --Alias:ZIP;RAR)");
      if (!listValue(value, entries)) throw CommandLineError("Error loading Alias list :\r\n" + value.substr(1));
      for (std::size_t i = 0; i + 1 < entries.size(); i += 2) c_.Aliases.Add(entries[i], entries[i + 1]);
    } else if (named("TimeTolerance:")) {
      s_.TimeTolerance = NumberIn(option.substr(14), 0, 3600, "TimeTolerance: must be followed by a number of seconds from 0 to 3600");
    } else if (named("HourShift:")) {
      s_.IgnoreHourShift = NumberIn(option.substr(10), 0, 2, "HourShift: must be followed by a number of hours from 0 to 2");
    } else if (named("Format:")) {
      const std::optional<ReportFormat> format = ReportFormatNamed(option.substr(7));
      if (!format) throw CommandLineError("Format: must be followed by text, csv, json or html");
      line_.Format = *format;
    } else if (ParseSyncSwitch(option, line_.Sync, s_)) {
    } else if (sameFolded(option, "Test1")) {
      line_.Test1 = true;
    } else if (sameFolded(option, "help")) {
      line_.HelpRequested = true;
    } else if (sameFolded(option, "version")) {
      line_.VersionRequested = true;
    }
    // Any other "--" option is ignored.
  }

  // A whole decimal number from low to high, else the message.
  static int NumberIn(const std::string& value, int low, int high, const char* message) {
    if (value.empty() || value.size() > 5 || value.find_first_not_of("0123456789") != std::string::npos)
      throw CommandLineError(message);
    const int number = std::stoi(value);
    if (number < low || number > high) throw CommandLineError(message);
    return number;
  }

  Settings& s_;
  Comparison& c_;
  CommandLine line_;
};

// Whether a parameter written with "/" is one of the switches of the table as a whole.
// A letter that is on/off or stands alone must come alone or with "-" only; a letter
// that takes a value is a switch in its valid forms, and with any value holding no
// further "/" (so that /C3 still gets its message). Anything else ("/data", "/Rx",
// "/opt/x") is a mistyped path and stays one: it fails as a missing set instead of
// quietly changing a setting.
bool isCompleteSwitch(const std::string& parameter) {
  const std::string text = upper(parameter.substr(1));
  if (text.empty()) return false;
  const std::string rest = text.substr(1);
  const bool alone = rest.empty();
  const bool aloneOrOff = alone || rest == "-";
  const bool oneWord = parameter.find('/', 1) == std::string::npos;
  switch (text[0]) {
    case 'A': case 'B': case 'P': case 'Q': case 'R': case 'W': case 'Z': case '8': return aloneOrOff;
    case 'D': case 'L': case 'V': case 'H': case '?': return alone;
    case 'M': return aloneOrOff || rest == "O";
    case 'N': return aloneOrOff || rest == "OLOGO";
    case 'C': case 'E': case 'F': case 'I': case 'X': case '1': case '2': return oneWord;
    case 'O': return oneWord || (text.rfind("O:", 0) == 0 && text.size() > 2) || (text.rfind("OA:", 0) == 0 && text.size() > 3);
    case '-': {
      const std::string option = parameter.substr(2);
      const auto valued = [&](std::string_view name) { return startsWithFolded(option, name); };
      return valued("IncludeDirs:") || valued("ExcludeDirs:") || valued("Alias:") || valued("TimeTolerance:") ||
             valued("HourShift:") || valued("Format:") || sameFolded(option, "Test1") ||
             sameFolded(option, "help") || sameFolded(option, "version") || IsSyncSwitch(option);
    }
    default: return false;
  }
}

}  // namespace

bool IsSwitch(const std::string& parameter) {
  if (parameter.empty()) return false;
  if (parameter[0] == '-') return true;
  if (parameter[0] != '/') return false;
  if (platform::pathExists(parameter)) return false;
  return isCompleteSwitch(parameter);
}

CommandLine ParseCommandLine(const std::vector<std::string>& args, Settings& settings, Comparison& c) {
  return Parser(settings, c).Run(args);
}

const char* UsageText() {
  return R"(Usage: quorvane [switches] [NEW [OLD [INCLUDE-MASK [EXCLUDE-MASKS]]]]
       quorvane -L [switches] NEW [INCLUDE-MASK [EXCLUDE-MASKS]]

Compares the NEW set of files with the OLD set. A set is a directory, an archive
(.zip .jar .exe .rar .arj) or a snapshot (.snp .lst) written by Quorvane earlier.
INCLUDE-MASK is one file mask (default *.*); EXCLUDE-MASKS are masks separated by ";".

Switches begin with "-" (or with "/" when the parameter names no existing path and is
one of the switches below as a whole); letters are case-insensitive. "-X-" turns an on/off switch off.
  -A            automatic mode: compare, write the result to the output file, end
  -B            bare report: one file name per line
  -C0 -C1 -C2   date format: USA MM/DD/YY, Europe DD/MM/YY, Japan YY/MM/DD
  -D            hide identical files
  -E  -EX       skip files that cannot be read (EX: also exclude them)
  -F<HSVDA>     also read Hidden, System, Volume-label files; D: hidden directories;
                A: apply these to archives too
  -H  -?  --help  print this text
  -I<-CDS>      ignore differences: C checksum, D date, S size ("-" resets)
  -L            snapshot: list the NEW set only, write it as a snapshot
  -M            hide inserted and deleted files;  -MO  look for moved files
  -N            ignore paths (compare file names only);  -NOLOGO  no splash window
  -O:<file>     write the result to <file>;  -OA:<file>  append;  -OP  print it
  -P            pause before reading each set
  -Q            quick: compare sizes and times only, no checksums
  -R            recurse into subdirectories (default on; -R- off)
  -V            verbose report (status appended to each line)
  -W            warn about duplicate names
  -X<NOBSIDC=-> hide Newer Older Bigger Smaller Inserted Deleted Crc-differs
                =identical; "-" shows all again
  -Z            diagnostic mode
  -8            cut names to 8.3 form
  -1<ext> -2<ext>  read the NEW / OLD set as the kind of archive <ext> (-1ZIP, -2SNP)
  --IncludeDirs:<a;b|@file>  read only these subdirectories
  --ExcludeDirs:<a;b|@file>  skip these subdirectories
  --Alias:<ext;alias;...|@file>  compare files with extension ext as if named .alias
  --TimeTolerance:<s>  times at most <s> seconds apart (0..3600) count as equal
  --HourShift:<h>      times whole hours apart, up to <h> (0..2), count as equal
                       (within the tolerance): daylight-saving shifts
  --Format:<text|csv|json|html>  the form of the report written with -O: or -OA:
  --version     print the version

Synchronization without the window (NEW and OLD are directories; masks, -Q, filters and
the directory lists choose the rows as in the window, and every row shown is synchronized):
  -A --Sync:NewMaster|NoMaster|OldMaster NEW OLD
                the preset of the synchronization dialog: New is master (Old becomes a
                copy of New), No master (each side gets the other's newer and added
                files), Old is master; -O:<file> still writes the comparison's report
  --Simulate    do nothing on disk, log what would be done
  --Log:<file>  write the operation log to <file> (default: the standard output)
  --OverwriteReadOnly  replace and delete read-only files (default: skipped)
  --MaxDelete:<n>  refuse the run (exit 1) when it would delete more than n files
  --AllowEmpty  accept a set directory that is empty while the other held files (a
                first copy); without it the run is refused, as for an unmounted drive
  --Trash-      delete and replace for good (default: the former files go to the trash)
  Every confirmation is answered "all", every error "Skip all"; a file changed on disk
  since the comparison is left alone. Exit code 0: every file synchronized; 1: a file
  failed or was skipped, or the run was refused (the reason on standard error).

Exit codes: 0 no difference shown (or a snapshot written), 2 differences shown,
1 the run did not complete (bad command line, a set that cannot be read, an aborted
run, output not written: nothing is written, an existing output file is left as it
was), or it completed but could not compare everything (the output is written, each
problem gets a line on standard error).
Settings: $QUORVANE_INI, else $XDG_CONFIG_HOME/Quorvane.ini (~/.config/Quorvane.ini).
)";
}

}  // namespace quorvane
