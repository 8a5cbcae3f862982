#pragma once
// The forms a diff report is written in: the text report, or one of the machine-readable
// and shareable forms (CSV, JSON, a self-contained HTML page).
#include <optional>
#include <string_view>

namespace quorvane {

enum class ReportFormat { Text, Csv, Json, Html };

// "text", "csv", "json" or "html", letter case ignored; nullopt for anything else.
std::optional<ReportFormat> ReportFormatNamed(std::string_view name);

}  // namespace quorvane
