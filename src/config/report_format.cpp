#include "config/report_format.h"

#include "engine/path_key.h"

namespace quorvane {

std::optional<ReportFormat> ReportFormatNamed(std::string_view name) {
  if (sameFolded(name, "text")) return ReportFormat::Text;
  if (sameFolded(name, "csv")) return ReportFormat::Csv;
  if (sameFolded(name, "json")) return ReportFormat::Json;
  if (sameFolded(name, "html")) return ReportFormat::Html;
  return std::nullopt;
}

}  // namespace quorvane
