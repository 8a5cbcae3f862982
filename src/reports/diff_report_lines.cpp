#include "reports/diff_report_lines.h"

#include <cstdio>

#include "engine/line_safe_text.h"
#include "engine/program_version.h"
#include "engine/run_state.h"
#include "engine/status_index.h"
#include "engine/value_text.h"

namespace quorvane {

namespace {

constexpr std::string_view kGap = "  ";

std::string rightAligned(std::string_view text, std::size_t width) {
  std::string out;
  if (text.size() < width) out.assign(width - text.size(), ' ');
  out += text;
  return out;
}

std::string number(std::uint64_t value, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%*llu", width, static_cast<unsigned long long>(value));
  return text;
}

// Directory part of a held path: up to and including the last backslash; empty at the root.
std::string_view directoryOf(std::string_view path) {
  const std::size_t slash = path.find_last_of('\\');
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash + 1);
}

class LineParts {
 public:
  explicit LineParts(std::vector<TextPart>& parts) : parts_(parts) { parts_.clear(); }

  void Add(std::string_view text, std::uint8_t style = tsPlain) {
    if (text.empty()) return;
    if (!parts_.empty() && parts_.back().style == style) {
      parts_.back().text += text;
    } else {
      parts_.push_back({std::string(text), style});
    }
  }

  // A padded field, then the gap: only the value itself carries the style, so that an
  // underline or a strikeout runs under the name and not under the padding.
  void Field(std::string_view padded, std::uint8_t style) {
    const std::size_t start = padded.find_first_not_of(' ');
    if (start == std::string_view::npos) {
      Add(padded);
    } else {
      Add(padded.substr(0, start));
      Add(padded.substr(start), style);
    }
    Add(kGap);
  }

 private:
  std::vector<TextPart>& parts_;
};

std::string checksumText(std::uint32_t crc, ChecksumKind kind) {
  switch (kind) {
    case ChecksumKind::Crc32: return HexLong(crc);
    case ChecksumKind::Crc16: return "    " + HexWord(static_cast<std::uint16_t>(crc));
    case ChecksumKind::None: break;
  }
  return "00000000";
}

}  // namespace

ReportMasks ReportMasks::For(bool filtering, std::uint16_t iFilter, std::uint16_t xFilter) {
  if (!filtering) return {};
  return {static_cast<std::uint16_t>(iFilter & xFilter), iFilter};
}

std::string DiffColumnTitles(const Settings& s) {
  std::string t;
  if (s.DiffShortStatus) {
    if (s.DiffDatimStatus && s.DiffSizeStatus) {
      t = "Stat ";
    } else {
      t = "St ";
      if (s.DiffDatimStatus) t += ' ';
      if (s.DiffSizeStatus) t += ' ';
    }
  } else {
    t = "Diff status";
    if (s.DiffDatimStatus) t += std::string(7, ' ');
    if (s.DiffSizeStatus) t += std::string(9, ' ');
    t += "  ";
  }
  for (const char* side : {"New", "Old"}) {
    const bool isNew = side[0] == 'N';
    if (s.DiffDblColumn) t += std::string(side) + " name      ";
    if (s.DiffSize) t += isNew ? "New size    " : "Old Size    ";
    if (s.DiffDate) t += std::string(side) + " Date/time     " + "   ";
    if (s.DiffCRC) t += std::string(side) + " CRC   ";
  }
  t += s.DiffDblColumn ? "Directory" : "Full filename";
  return t;
}

std::string DiffUnderline(const Settings& s) {
  std::string u;
  if (s.DiffShortStatus) {
    u = "-";
    if (s.DiffDatimStatus) u += '-';
    if (s.DiffSizeStatus) u += '-';
  } else {
    u = std::string(11, '-');
    if (s.DiffDatimStatus) u += "  " + std::string(5, '-');
    if (s.DiffSizeStatus) u += "  " + std::string(7, '-');
  }
  u += "  ";
  for (int side = 0; side < 2; ++side) {
    if (s.DiffDblColumn) u += std::string(12, '-') + "  ";
    if (s.DiffSize) u += std::string(10, '-') + "  ";
    if (s.DiffDate) u += std::string(19, '-') + "  ";
    if (s.DiffCRC) u += std::string(8, '-') + "  ";
  }
  u += std::string(13, '-');
  return u;
}

std::string DiffStatusText(std::uint16_t shown, const Settings& s) {
  const bool brief = s.DiffShortStatus;
  std::string t;
  if (shown & stCrcDiffers) {
    t = brief ? "X" : "CRC differs";
  } else if (shown & stInserted) {
    t = brief ? "I" : "Inserted   ";
  } else if (shown & stDeleted) {
    t = brief ? "D" : "Deleted    ";
  } else if (s.Quick && (shown & (stNewer | stOlder | stBigger | stSmaller))) {
    t = brief ? "X" : "Differs    ";
  } else {
    t = brief ? "=" : "Same       ";
  }
  if (s.DiffDatimStatus) {
    if (shown & stOlder) t += brief ? "O" : "  Older";
    else if (shown & stNewer) t += brief ? "N" : "  Newer";
    else t += brief ? " " : "       ";
  }
  if (s.DiffSizeStatus) {
    if (shown & stBigger) t += brief ? "B" : "  Bigger ";
    else if (shown & stSmaller) t += brief ? "S" : "  Smaller";
    else t += brief ? " " : "         ";
  }
  return t;
}

std::string DiffNameField(std::string_view path) {
  const std::size_t slash = path.find_last_of('\\');
  const std::string_view fileName = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = fileName.find_last_of('.');
  std::string name(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
  std::string extension(dot == std::string_view::npos ? std::string_view() : fileName.substr(dot));
  if (extension.size() < 4) extension.resize(4, ' ');
  return rightAligned(name + extension, 12);
}

void DiffEntryLine(const FileEntry& e, std::uint16_t shown, const FileEntry* partner, const DiffLineFormat& f,
                   std::vector<TextPart>& out) {
  const Settings& s = f.settings;
  // The style of status i when it is shown, or plain.
  auto styleOf = [&](StatusIndex i) -> std::uint8_t { return f.styles ? (*f.styles)[Slot(i)] : std::uint8_t{tsPlain}; };
  // The style of status i when bit is shown (a side's own status may take its partner's
  // style: the Old side's size shows "Bigger" in the style of "Smaller").
  auto when = [&](std::uint16_t bit, StatusIndex i, std::uint8_t otherwise) -> std::uint8_t {
    return (shown & bit) ? styleOf(i) : otherwise;
  };
  const std::uint8_t crcStyle = when(stCrcDiffers, StatusIndex::CrcDiffers, tsPlain);

  // One entry, one line: control characters of the names are written as "?".
  const std::string path = LineSafeText(e.Path());
  LineParts line(out);
  line.Add(DiffStatusText(shown, s));
  line.Add(e.MovedPartner != -1 ? "* " : "  ");

  struct SideFacts {
    bool present;
    std::uint64_t size;
    std::uint32_t time;
    std::uint32_t crc;
    std::uint8_t nameStyle, sizeStyle, dateStyle;
  };
  const SideFacts sides[2] = {
      {!(shown & stDeleted), e.NewSize, e.NewTime, e.NewCRC,
       when(stCrcDiffers, StatusIndex::CrcDiffers, when(stInserted, StatusIndex::Inserted, tsPlain)),
       when(stBigger, StatusIndex::Bigger, when(stSmaller, StatusIndex::Smaller, tsPlain)),
       when(stNewer, StatusIndex::Newer, when(stOlder, StatusIndex::Older, tsPlain))},
      {!(shown & stInserted), e.OldSize, e.OldTime, e.OldCRC,
       when(stCrcDiffers, StatusIndex::CrcDiffers, when(stDeleted, StatusIndex::Deleted, tsPlain)),
       when(stBigger, StatusIndex::Smaller, when(stSmaller, StatusIndex::Bigger, tsPlain)),
       when(stNewer, StatusIndex::Older, when(stOlder, StatusIndex::Newer, tsPlain))},
  };
  for (const SideFacts& side : sides) {
    if (s.DiffDblColumn) {
      if (side.present)
        line.Field(DiffNameField(path), side.nameStyle);
      else
        line.Add(std::string(14, ' '));
    }
    if (s.DiffSize) {
      if (side.present)
        line.Field(number(side.size, 10), side.sizeStyle);
      else
        line.Add(std::string(12, ' '));
    }
    if (s.DiffDate) {
      if (side.present)
        line.Field(DateTimeText(side.time, s.DateFormat), side.dateStyle);
      else
        line.Add(std::string(21, ' '));
    }
    if (s.DiffCRC) {
      if (side.present)
        line.Field(checksumText(side.crc, f.checksumKind), crcStyle);
      else
        line.Add(std::string(10, ' '));
    }
  }
  if (s.DiffDblColumn) {
    line.Add(directoryOf(path));
  } else {
    line.Add(path, when(stCrcDiffers, StatusIndex::CrcDiffers,
                        when(stInserted, StatusIndex::Inserted, when(stDeleted, StatusIndex::Deleted, tsPlain))));
  }
  if (s.DiffMovedTo && partner) {
    const std::string partnerPath = LineSafeText(partner->Path());
    const std::string_view directory = directoryOf(partnerPath);
    line.Add("  (-> ");
    line.Add(directory.empty() ? std::string_view("<root>") : directory);
    line.Add(")");
  }
}

std::string ExcludeOptionLetters(const DiffHeaderFacts& f) {
  static constexpr const char* kLetters[8] = {"=", "C", "I", "D", "N", "O", "B", "S"};
  std::string excluded;
  if (f.filtering) {
    for (const StatusIndex i : kStatusIndices) {
      if (!(f.xFilter & StatusBitOf(i))) excluded += kLetters[Slot(i)];
    }
  }
  return excluded;
}

std::string IgnoreOptionLetters(const DiffHeaderFacts& f) {
  std::string ignored;
  if (f.filtering) {
    if (!(f.iFilter & stCrcDiffers)) ignored += "C";
    if (!(f.iFilter & (stNewer | stOlder))) ignored += "D";
    if (!(f.iFilter & (stBigger | stSmaller))) ignored += "S";
  }
  return ignored;
}

std::string TimeToleranceText(const Settings& s) {
  return std::to_string(s.TimeTolerance) + " s, hour shifts up to " + std::to_string(s.IgnoreHourShift);
}

std::vector<std::string> DiffHeaderLines(const DiffHeaderFacts& f, const Settings& s) {
  std::vector<std::string> lines;
  lines.emplace_back("[Quorvane DIFF file]");
  lines.push_back(std::string("Version ") + kProgramVersion);
  if (f.subdirectoriesWarning && !s.Recurse) {
    lines.emplace_back("WARNING : Subdirectories in archive were skipped. You should use -R.");
  }
  lines.emplace_back();
  lines.push_back((f.newKind == SetKind::Directory ? "New DIRECTORY    : " : "New ARCHIVE/SNAP : ") + f.newPath + f.newNote);
  lines.push_back((f.oldKind == SetKind::Directory ? "Old DIRECTORY    : " : "Old ARCHIVE/SNAP : ") + f.oldPath + f.oldNote);
  lines.push_back("File Pattern     : " + f.includeMask);
  lines.push_back("Exclude Pattern  : " + JoinedItems(f.excludeMasks, ""));
  lines.push_back(std::string("Filename format  : ") + (s.Strip83 ? "Stripped to 8.3" : "Long filenames"));
  std::string recursed = "Recursed dirs    : ";
  if (s.Recurse) {
    recursed += std::string("Yes      Path stripped : ") + (s.NoPath ? "Yes" : "No");
  } else {
    recursed += "No";
    if (f.subdirectoriesWarning) recursed += " -->  WARNING : PATH information in an archive file was skipped.";
  }
  lines.push_back(std::move(recursed));
  lines.push_back("Included dirs    : " + JoinedItems(f.includeDirs, "<None>"));
  lines.push_back("Excluded dirs    : " + JoinedItems(f.excludeDirs, "<None>"));
  lines.push_back("Exclude options  : [" + ExcludeOptionLetters(f) + "]");
  lines.push_back("Ignore options   : [" + IgnoreOptionLetters(f) + "]");
  if (s.TimeTolerance != 0 || s.IgnoreHourShift != 0) lines.push_back("Time tolerance   : " + TimeToleranceText(s));
  lines.push_back("Generated on     : " + GeneratedOnText(f.generatedOn));
  lines.push_back("Files listed     : " + std::to_string(f.filesListed) + " of " + std::to_string(f.fileCount));
  if (s.Quick) {
    lines.emplace_back();
    lines.emplace_back("Note : \"Same\" files may be binary different (no CRC done)");
  }
  lines.emplace_back();
  lines.push_back(DiffColumnTitles(s));
  lines.push_back(DiffUnderline(s));
  return lines;
}

std::vector<std::string> DiffStatisticsLines(const std::array<std::uint32_t, 8>& n, std::uint64_t filesCompared) {
  return {
      "",
      "Status of comparison       Identical   : " + number(n[Slot(StatusIndex::Identical)], 5) +
          "       Older       : " + number(n[Slot(StatusIndex::Older)], 5),
      "--------------------       CRC differs : " + number(n[Slot(StatusIndex::CrcDiffers)], 5) +
          "       Newer       : " + number(n[Slot(StatusIndex::Newer)], 5),
      "Files compared : " + number(filesCompared, 5) + "     Inserted    : " +
          number(n[Slot(StatusIndex::Inserted)], 5) + "       Bigger      : " + number(n[Slot(StatusIndex::Bigger)], 5),
      "                           Deleted     : " + number(n[Slot(StatusIndex::Deleted)], 5) +
          "       Smaller     : " + number(n[Slot(StatusIndex::Smaller)], 5),
  };
}

}  // namespace quorvane
