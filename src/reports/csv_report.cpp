// The diff report as CSV (RFC 4180, UTF-8): a header row, then one record per entry.
#include "reports/report_entry_facts.h"
#include "reports/report_escapes.h"
#include "reports/structured_report.h"

namespace quorvane {

namespace {

class CsvReport : public StructuredReport {
 public:
  CsvReport(TextOutput& out, const StructuredReportFormat& f) : StructuredReport(out), format_(f) {}

  bool Begin(const DiffHeaderFacts&) override {
    line_ =
        "Status,Date status,Size status,Status bits,Path,New size,Old size,New time,Old time,New CRC,Old CRC,"
        "Moved partner";
    return Write(line_);
  }

  bool Entry(const FileEntry& e, std::uint16_t shown, const FileEntry* partner) override {
    const bool hasNew = NewSideHolds(e), hasOld = OldSideHolds(e);
    const ChecksumKind kind = format_.settings.Quick ? ChecksumKind::None : format_.checksumKind;
    line_ += StatusWord(shown, format_.settings.Quick);
    line_ += ',';
    line_ += DateStatusWord(shown);
    line_ += ',';
    line_ += SizeStatusWord(shown);
    line_ += ',';
    line_ += StatusBitsText(shown);
    line_ += ',';
    AppendCsvField(line_, SlashPath(e));
    line_ += ',';
    if (hasNew) line_ += std::to_string(e.NewSize);
    line_ += ',';
    if (hasOld) line_ += std::to_string(e.OldSize);
    line_ += ',';
    if (hasNew) line_ += IsoLocalTime(e.NewTime);
    line_ += ',';
    if (hasOld) line_ += IsoLocalTime(e.OldTime);
    line_ += ',';
    if (hasNew) line_ += ChecksumText(e.NewCRC, kind);
    line_ += ',';
    if (hasOld) line_ += ChecksumText(e.OldCRC, kind);
    line_ += ',';
    if (partner) AppendCsvField(line_, SlashPath(*partner));
    return Write(line_);
  }

  bool End(const std::array<std::uint32_t, 8>&, std::uint64_t) override { return true; }

 private:
  StructuredReportFormat format_;
  std::string line_;
};

}  // namespace

std::unique_ptr<StructuredReport> MakeCsvReport(TextOutput& out, const StructuredReportFormat& format) {
  return std::make_unique<CsvReport>(out, format);
}

std::unique_ptr<StructuredReport> MakeStructuredReport(ReportFormat kind, TextOutput& out,
                                                       const StructuredReportFormat& format) {
  switch (kind) {
    case ReportFormat::Csv: return MakeCsvReport(out, format);
    case ReportFormat::Json: return MakeJsonReport(out, format);
    case ReportFormat::Html: return MakeHtmlReport(out, format);
    case ReportFormat::Text: break;
  }
  return nullptr;
}

}  // namespace quorvane
