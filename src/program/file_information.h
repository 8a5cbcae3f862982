#pragma once
// "Get &information..." and "&Informations...": the texts of the file information dialog
// ("File information") for one entry, and which of its value labels are bold. The window
// shows them and places the dialog.
#include <string>

#include "engine/comparison.h"

namespace quorvane {

// One side's column under "New" or "Old".
struct FileInfoColumn {
  bool enabled = true;  // false when the side's file is absent: every value is "<n/a>"
  std::string date;       // "Date :"
  std::string time;       // "Time :"
  std::string size;       // "Size :"
  std::string crc;        // "32-bit CRC :"
  std::string attribute;  // "Attribute :"
  std::string timeStamp;  // "TimeStamp :" (the diagnostic panel), 8 hexadecimal digits
};

struct FileInformation {
  std::string name;     // LName, the file-name part of the path
  std::string status;   // LStatus
  std::string movedTo;  // LMovedTo: the partner's directory, "(root)", or "<n/a>"
  FileInfoColumn newSide;
  FileInfoColumn oldSide;
  // Bold value labels; each applies to both columns' labels.
  bool crcBold = false;
  bool dateBold = false;
  bool timeBold = false;
  bool sizeBold = false;
  bool attributeBold = false;
};

// The information of an entry of the comparison's file list. In snapshot mode the entry
// counts as Inserted (its status word holds a checksum) and status and moved-to are n/a.
FileInformation FileInformationOf(Comparison& comparison, const FileEntry& entry, int dateFormat);

}  // namespace quorvane
