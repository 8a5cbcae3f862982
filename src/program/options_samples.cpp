#include "program/options_samples.h"

namespace quorvane {

std::array<std::string, 7> LayoutSample(const LayoutSampleChoice& choice) {
  std::string status;
  if (choice.DiffShortStatus) {
    status = "x";
    if (choice.DiffDatimStatus) status += "N";
    if (choice.DiffSizeStatus) status += "B";
    status += " ";
  } else {
    status = "CRC ";
    if (choice.DiffDatimStatus) status += "Newer ";
    if (choice.DiffSizeStatus) status += "Bigger ";
  }

  std::string fields;
  if (choice.DiffSize) fields += "12345 ";
  if (choice.DiffDate) fields += "01/02/96 ";
  if (choice.DiffCRC) fields += "0FA123AB ";

  std::string both, newOnly, oldOnly;
  if (choice.DiffDblColumn) {
    fields += "FILENAME.EXT ";
    const std::string blanks(fields.size(), ' ');
    both = fields + "  " + fields + " \\DIRECTORY";
    newOnly = fields + "  " + blanks + " \\DIRECTORY";
    oldOnly = blanks + "  " + fields + " \\DIRECTORY";
  } else {
    fields += "  \\DIRECTORY\\FILENAME.EXT";
    both = newOnly = oldOnly = fields;
  }
  both += status;
  newOnly += status;
  oldOnly += status;
  return {std::string(kLayoutSampleHeader), both, both, newOnly, both, oldOnly, both};
}

std::string BatchSample(const BatchSampleChoice& choice) {
  std::string line(choice.before);
  line += " ";
  if (choice.drive) line += "X:";
  if (choice.path) line += choice.full ? "\\Full\\Path\\" : "Path\\";
  line += "Filename";
  if (choice.ext) line += ".Ext";
  line += " ";
  line += choice.after;
  return line;
}

namespace {

// Replaces the first "%<lower>" (else the first "%<upper>") of text by name.
void ReplacePlaceholder(std::string& text, char lower, char upper, std::string_view name) {
  std::size_t at = text.find(std::string{'%', lower});
  if (at == std::string::npos) at = text.find(std::string{'%', upper});
  if (at != std::string::npos) text.replace(at, 2, name);
}

}  // namespace

std::string UserToolSample(std::string_view tool, std::string_view parameters) {
  std::string command(parameters);
  // The New name holds no "%": replacing it first cannot create an Old placeholder.
  ReplacePlaceholder(command, 'n', 'N', "NewFile.ext");
  ReplacePlaceholder(command, 'o', 'O', "oldFile.ext");
  return std::string(tool) + " " + command;
}

}  // namespace quorvane
