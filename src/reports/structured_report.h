#pragma once
// The diff report in a machine-readable or shareable form: CSV, JSON or a self-contained
// HTML page. The diff report's writer walks the entries as for the text report (same
// filter, same order, same shown statuses) and hands each one over; the forms write as
// they are handed entries, keeping nothing but the line at hand. Lines go to the output
// as they are; the output ends each with LF.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "config/report_format.h"
#include "engine/checksum_kind.h"
#include "engine/file_entry.h"
#include "platform/text_device.h"
#include "reports/diff_report_lines.h"
#include "settings/settings.h"

namespace quorvane {

class StructuredReport {
 public:
  explicit StructuredReport(TextOutput& out) : out_(out) { line_.push_back({{}, tsPlain}); }
  virtual ~StructuredReport() = default;

  // Each returns false once a line could not be written.
  virtual bool Begin(const DiffHeaderFacts& facts) = 0;
  // shown: the entry's status bits the report shows; partner: the moved partner or nullptr.
  virtual bool Entry(const FileEntry& entry, std::uint16_t shown, const FileEntry* partner) = 0;
  // counts: the statistics as the text report's block has them.
  virtual bool End(const std::array<std::uint32_t, 8>& counts, std::uint64_t filesCompared) = 0;

 protected:
  bool Write(std::string& text) {
    line_[0].text.swap(text);
    const bool ok = out_.WriteLine(line_);
    line_[0].text.swap(text);
    text.clear();
    return ok;
  }

 private:
  TextOutput& out_;
  std::vector<TextPart> line_;
};

struct StructuredReportFormat {
  const Settings& settings;
  ChecksumKind checksumKind = ChecksumKind::Crc32;
};

// The writer of a format other than Text.
std::unique_ptr<StructuredReport> MakeCsvReport(TextOutput& out, const StructuredReportFormat& format);
std::unique_ptr<StructuredReport> MakeJsonReport(TextOutput& out, const StructuredReportFormat& format);
std::unique_ptr<StructuredReport> MakeHtmlReport(TextOutput& out, const StructuredReportFormat& format);
std::unique_ptr<StructuredReport> MakeStructuredReport(ReportFormat kind, TextOutput& out,
                                                       const StructuredReportFormat& format);

}  // namespace quorvane
