#include "sources/archive/archive_file.h"

#include "platform/code_page.h"
#include "platform/directory_listing.h"

namespace quorvane {

TArchiveFile::TArchiveFile(std::unique_ptr<ByteSource> source, std::string path, bool strict)
    : source_(std::move(source)), cursor_(*source_), path_(std::move(path)), strict_(strict) {}

void TArchiveFile::Open() {
  if (Size() < 8) throw eArchiveError("Archive too small to contain any Signature");
  try {
    ReadSignature();
  } catch (const eArchiveError&) {
    throw;
  } catch (const std::exception&) {
    throw eArchiveError("Error reading archive");
  }
}

int TArchiveFile::FindFirst(std::string_view mask, std::uint8_t attributes, TArchiveItem& item) {
  attributeMask_ = attributes != 0 ? attributes : 0xE7;
  nameMask_.SetMask(mask.empty() ? std::string_view("*.*") : mask);
  index_ = -1;
  ended_ = false;
  cursor_.Seek(directoryStart_);
  return FindNext(item);
}

void TArchiveFile::NormaliseName(std::string_view raw, bool oem, std::string& out) {
  std::size_t end = raw.size();
  while (end > 0 && (raw[end - 1] == ' ' || raw[end - 1] == '.')) --end;
  raw = raw.substr(0, end);
  if (oem)
    out = platform::oemToUtf8(raw);
  else
    out.assign(raw);
  for (char& ch : out)
    if (ch == '/') ch = '\\';
  const std::size_t first = out.find_first_not_of('\\');
  out.erase(0, first == std::string::npos ? out.size() : first);
}

bool TArchiveFile::Matches(const TArchiveItem& item) const {
  return !item.Name.empty() && (item.Attr & ~attributeMask_) == 0 && nameMask_.Matches(item.Name);
}

std::unique_ptr<ByteSource> OpenArchiveSource(const std::string& path) {
  if (!platform::fileExists(path)) throw eArchiveFileNotFound("Archive file not found");
  auto source = std::make_unique<FileByteSource>();
  if (!source->Open(path)) throw eArchiveOpen("Error opening archive file");
  return source;
}

}  // namespace quorvane
