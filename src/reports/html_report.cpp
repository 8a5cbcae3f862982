// The diff report as one self-contained HTML page: inline CSS and no script, the
// header block and the statistics as the text report writes them, and the entries as a
// table whose cells take the colours of the grid's current colour set.
#include <cstdio>

#include "config/cell_colours.h"
#include "config/colour_sets.h"
#include "engine/value_text.h"
#include "reports/report_entry_facts.h"
#include "reports/report_escapes.h"
#include "reports/structured_report.h"

namespace quorvane {

namespace {

// The grid's ten columns: 1..4 New name, size, date, checksum; 5..8 the Old ones; 9 the directory.
constexpr int kGridColumns = 10;

std::string cssColour(std::uint32_t bgr) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
  return text;
}

std::string directoryOf(std::string_view path) {
  const std::size_t slash = path.find_last_of('\\');
  return slash == std::string_view::npos ? std::string() : SlashPath(path.substr(0, slash + 1));
}

class HtmlReport : public StructuredReport {
 public:
  HtmlReport(TextOutput& out, const StructuredReportFormat& f) : StructuredReport(out), format_(f) {
    // The distinct colour pairs of the set become classes c0, c1, ...; class c0 is the
    // identical colours every cell has unless its status colours it.
    const ColourSet& set = ColoursOfSet(f.settings, f.settings.ColorSet);
    const CellColour identical = CellColourOf(set, stIdentical, 0);
    pairs_.push_back(identical);
    for (int s = 0; s < 256; ++s) {
      for (int c = 0; c < kGridColumns; ++c) {
        const CellColour cell = CellColourOf(set, static_cast<std::uint8_t>(s), c);
        std::size_t k = 0;
        while (k < pairs_.size() && (pairs_[k].fore != cell.fore || pairs_[k].back != cell.back)) ++k;
        if (k == pairs_.size()) pairs_.push_back(cell);
        classes_[static_cast<std::size_t>(s)][static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(k);
      }
    }
  }

  bool Begin(const DiffHeaderFacts& f) override {
    std::string& o = line_;
    o = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Quorvane DIFF report</title>\n"
        "<style>\n"
        "body{font-family:sans-serif;margin:1em;color:#000;background:#fff}\n"
        "h1{font-size:1.3em}\n"
        "pre{font-family:monospace;font-size:0.9em}\n"
        "table{border-collapse:collapse;font-size:0.85em}\n"
        "th{background:#c0c0c0;text-align:left;border:1px solid #808080;padding:2px 6px}\n"
        "td{border:1px solid #d0d0d0;padding:1px 6px;white-space:nowrap}\n"
        "td.n{text-align:right}\n"
        "@media print{body{margin:0}table{font-size:7pt}"
        "*{-webkit-print-color-adjust:exact;print-color-adjust:exact}thead{display:table-header-group}}\n";
    // Cells without a class take the identical colours.
    for (std::size_t k = 0; k < pairs_.size(); ++k) {
      o += (k ? "td.c" + std::to_string(k) : std::string("tbody td")) + "{color:" + cssColour(pairs_[k].fore) +
           ";background:" + cssColour(pairs_[k].back) + "}\n";
    }
    o += "</style>\n</head>\n<body>\n<h1>Quorvane DIFF report</h1>\n<pre class=\"header\">";
    // The text report's header without its last three lines (empty line, column titles, underline).
    const std::vector<std::string> lines = DiffHeaderLines(f, format_.settings);
    for (std::size_t i = 0; i + 3 < lines.size(); ++i) {
      AppendHtmlText(o, lines[i]);
      o += '\n';
    }
    o += "</pre>\n<table>\n<thead><tr><th>Status</th><th>New name</th><th>New size</th><th>New date/time</th>"
         "<th>New CRC</th><th>Old name</th><th>Old size</th><th>Old date/time</th><th>Old CRC</th>"
         "<th>Directory</th><th>Moved partner</th></tr></thead>\n<tbody>";
    return Write(o);
  }

  bool Entry(const FileEntry& e, std::uint16_t shown, const FileEntry* partner) override {
    const Settings& s = format_.settings;
    const bool hasNew = NewSideHolds(e), hasOld = OldSideHolds(e);
    const ChecksumKind kind = s.Quick ? ChecksumKind::None : format_.checksumKind;
    const auto& classes = classes_[shown & 0xFF];
    std::string& o = line_;
    const auto cell = [&](int column, bool number) {
      const std::uint8_t k = classes[static_cast<std::size_t>(column)];
      o += "<td";
      if (k || number) {
        o += " class=\"";
        if (number) o += k ? "n " : "n";
        if (k) o += "c" + std::to_string(k);
        o += '"';
      }
      o += '>';
    };
    o = "<tr>";
    cell(1, false);
    o += StatusWord(shown, s.Quick);
    for (std::string_view word : {DateStatusWord(shown), SizeStatusWord(shown)}) {
      if (!word.empty()) {
        o += ' ';
        o += word;
      }
    }
    o += "</td>";
    const std::string_view name = e.Name();
    for (int side = 0; side < 2; ++side) {
      const bool present = side ? hasOld : hasNew;
      const int base = side ? 5 : 1;
      cell(base, false);
      if (present) AppendHtmlText(o, name);
      o += "</td>";
      cell(base + 1, true);
      if (present) o += std::to_string(side ? e.OldSize : e.NewSize);
      o += "</td>";
      cell(base + 2, false);
      if (present) o += DateTimeText(side ? e.OldTime : e.NewTime, s.DateFormat);
      o += "</td>";
      cell(base + 3, false);
      if (present) o += ChecksumText(side ? e.OldCRC : e.NewCRC, kind);
      o += "</td>";
    }
    cell(9, false);
    AppendHtmlText(o, directoryOf(e.Directory()));
    o += "</td><td>";
    if (partner) AppendHtmlText(o, SlashPath(*partner));
    o += "</td></tr>";
    return Write(o);
  }

  bool End(const std::array<std::uint32_t, 8>& counts, std::uint64_t filesCompared) override {
    std::string& o = line_;
    o = "</tbody>\n</table>\n<pre class=\"statistics\">";
    for (const std::string& text : DiffStatisticsLines(counts, filesCompared)) {
      AppendHtmlText(o, text);
      o += '\n';
    }
    o += "</pre>\n</body>\n</html>";
    return Write(o);
  }

 private:
  StructuredReportFormat format_;
  std::vector<CellColour> pairs_;
  std::array<std::array<std::uint8_t, kGridColumns>, 256> classes_{};
  std::string line_;
};

}  // namespace

std::unique_ptr<StructuredReport> MakeHtmlReport(TextOutput& out, const StructuredReportFormat& format) {
  return std::make_unique<HtmlReport>(out, format);
}

}  // namespace quorvane
