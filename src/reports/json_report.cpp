// The diff report as one JSON object: the header's fields, an "entries" array with the
// fields of the CSV records (sizes, times and checksums null for a side without the
// file, statusBits a number), and the statistics. One entry per line; each entry is
// held until the next one comes, to know whether a comma follows it.
#include "engine/program_version.h"
#include "reports/report_entry_facts.h"
#include "reports/report_escapes.h"
#include "reports/structured_report.h"

#include <cstdio>

namespace quorvane {

namespace {

void member(std::string& out, std::string_view name) {
  out += '"';
  out += name;
  out += "\": ";
}

void stringList(std::string& out, const std::vector<std::string>& items, bool paths = false) {
  out += '[';
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i) out += ", ";
    AppendJsonString(out, paths ? SlashPath(items[i]) : items[i]);
  }
  out += ']';
}

std::string isoOf(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return text;
}

class JsonReport : public StructuredReport {
 public:
  JsonReport(TextOutput& out, const StructuredReportFormat& f) : StructuredReport(out), format_(f) {}

  bool Begin(const DiffHeaderFacts& f) override {
    const Settings& s = format_.settings;
    std::string& o = line_;
    o = "{\n  \"report\": \"Quorvane DIFF report\",\n  \"version\": ";
    AppendJsonString(o, kProgramVersion);
    for (int side = 0; side < 2; ++side) {
      o += side ? ",\n  \"old\": {\"kind\": " : ",\n  \"new\": {\"kind\": ";
      const SetKind kind = side ? f.oldKind : f.newKind;
      o += kind == SetKind::Directory ? "\"directory\"" : "\"archive/snapshot\"";
      o += ", \"path\": ";
      AppendJsonString(o, side ? f.oldPath : f.newPath);
      o += ", \"note\": ";
      const std::string& note = side ? f.oldNote : f.newNote;
      AppendJsonString(o, note.rfind("  ", 0) == 0 ? note.substr(2) : note);
      o += '}';
    }
    o += ",\n  ";
    member(o, "filePattern");
    AppendJsonString(o, f.includeMask);
    o += ",\n  ";
    member(o, "excludePatterns");
    stringList(o, f.excludeMasks);
    o += ",\n  ";
    member(o, "filenameFormat");
    o += s.Strip83 ? "\"Stripped to 8.3\"" : "\"Long filenames\"";
    o += ",\n  ";
    member(o, "recursed");
    o += s.Recurse ? "true" : "false";
    o += ", ";
    member(o, "pathStripped");
    o += s.Recurse && s.NoPath ? "true" : "false";
    o += ", ";
    member(o, "subdirectoriesSkipped");
    o += f.subdirectoriesWarning ? "true" : "false";
    o += ",\n  ";
    member(o, "includedDirs");
    stringList(o, f.includeDirs, true);
    o += ",\n  ";
    member(o, "excludedDirs");
    stringList(o, f.excludeDirs, true);
    o += ",\n  ";
    member(o, "excludeOptions");
    AppendJsonString(o, ExcludeOptionLetters(f));
    o += ", ";
    member(o, "ignoreOptions");
    AppendJsonString(o, IgnoreOptionLetters(f));
    o += ",\n  ";
    member(o, "timeTolerance");
    o += std::to_string(s.TimeTolerance);
    o += ", ";
    member(o, "hourShift");
    o += std::to_string(s.IgnoreHourShift);
    o += ", ";
    member(o, "quick");
    o += s.Quick ? "true" : "false";
    o += ",\n  ";
    member(o, "generatedOn");
    AppendJsonString(o, isoOf(f.generatedOn));
    o += ",\n  ";
    member(o, "filesListed");
    o += std::to_string(f.filesListed);
    o += ", ";
    member(o, "fileCount");
    o += std::to_string(f.fileCount);
    o += ",\n  \"entries\": [";
    return Write(o);
  }

  bool Entry(const FileEntry& e, std::uint16_t shown, const FileEntry* partner) override {
    if (!pending_.empty()) {
      pending_ += ',';
      if (!Write(pending_)) return false;
    }
    const bool hasNew = NewSideHolds(e), hasOld = OldSideHolds(e);
    const ChecksumKind kind = format_.settings.Quick ? ChecksumKind::None : format_.checksumKind;
    std::string& o = pending_;
    o = "    {\"status\": \"";
    o += StatusWord(shown, format_.settings.Quick);
    o += "\", \"dateStatus\": \"";
    o += DateStatusWord(shown);
    o += "\", \"sizeStatus\": \"";
    o += SizeStatusWord(shown);
    o += "\", \"statusBits\": ";
    o += std::to_string(shown);
    o += ", \"path\": ";
    AppendJsonString(o, SlashPath(e));
    const auto number = [&](std::string_view name, bool present, std::uint64_t value) {
      o += ", \"";
      o += name;
      o += "\": ";
      o += present ? std::to_string(value) : std::string("null");
    };
    const auto text = [&](std::string_view name, bool present, const std::string& value) {
      o += ", \"";
      o += name;
      o += "\": ";
      if (present && !value.empty())
        AppendJsonString(o, value);
      else
        o += "null";
    };
    number("newSize", hasNew, e.NewSize);
    number("oldSize", hasOld, e.OldSize);
    text("newTime", hasNew, hasNew ? IsoLocalTime(e.NewTime) : std::string());
    text("oldTime", hasOld, hasOld ? IsoLocalTime(e.OldTime) : std::string());
    text("newCrc", hasNew, ChecksumText(e.NewCRC, kind));
    text("oldCrc", hasOld, ChecksumText(e.OldCRC, kind));
    text("movedPartner", partner != nullptr, partner ? SlashPath(*partner) : std::string());
    o += '}';
    return true;
  }

  bool End(const std::array<std::uint32_t, 8>& n, std::uint64_t filesCompared) override {
    if (!pending_.empty() && !Write(pending_)) return false;
    std::string& o = line_;
    o = "  ],\n  \"statistics\": {";
    static constexpr const char* kNames[8] = {"identical", "crcDiffers", "inserted", "deleted",
                                              "newer",     "older",      "bigger",   "smaller"};
    for (const StatusIndex i : kStatusIndices) {
      member(o, kNames[Slot(i)]);
      o += std::to_string(n[Slot(i)]);
      o += ", ";
    }
    member(o, "filesCompared");
    o += std::to_string(filesCompared);
    o += "}\n}";
    return Write(o);
  }

 private:
  StructuredReportFormat format_;
  std::string line_;
  std::string pending_;
};

}  // namespace

std::unique_ptr<StructuredReport> MakeJsonReport(TextOutput& out, const StructuredReportFormat& format) {
  return std::make_unique<JsonReport>(out, format);
}

}  // namespace quorvane
