#include "view/grid_cell.h"

#include "engine/value_text.h"

namespace quorvane::view {

namespace {

enum class CellSide : std::uint8_t { New, Old };

// The text "(." + extension + ")" of an alias index; empty for -1 or an index outside
// the list.
std::string aliasTextOf(const TAliasList& aliases, std::int32_t index) {
  if (index < 0 || index >= aliases.Count()) return {};
  return "(." + aliases.Extension(index) + ")";
}

void directoryCell(const GridSource& source, const FileEntry& entry, CellPaint& cell) {
  cell.text = DirectoryPart(entry.Directory());
  const std::int32_t partner = entry.MovedPartner;
  if (source.snapshotMode || partner < 0 || partner >= source.files.Count()) return;
  const std::string_view partnerDirectory = source.files.ItemAt(partner).Directory();
  cell.movedArrow = true;
  cell.partnerText = partnerDirectory.empty() ? std::string("(root)") : std::string(partnerDirectory);
}

CellPaint snapshotCell(const GridSource& source, const FileEntry& entry, int column, CellPaint cell) {
  cell.fore = source.colours.SnapshotFore;
  cell.back = source.colours.SnapshotBack;
  switch (column) {
    case 1: cell.text = entry.Name(); break;
    case 2:
      cell.text = std::to_string(entry.NewSize);
      cell.align = CellAlign::Right;
      break;
    case 3: cell.text = DateTimeText(entry.NewTime, source.dateFormat); break;
    case 4: cell.text = HexWord(entry.Status); break;
    case 5: cell.text = HexLong(entry.NewCRC); break;
    case 6: directoryCell(source, entry, cell); break;
    default: cell.empty = true; break;
  }
  return cell;
}

}  // namespace

std::string_view FileNamePart(std::string_view path) {
  const std::size_t at = path.rfind('\\');
  return at == std::string_view::npos ? path : path.substr(at + 1);
}

std::string_view DirectoryPart(std::string_view path) {
  const std::size_t at = path.rfind('\\');
  return at == std::string_view::npos ? std::string_view() : path.substr(0, at);
}

CellPaint EntryCell(const GridSource& source, const FileEntry& entry, int column, bool selected) {
  CellPaint cell;
  cell.selected = selected;
  if (source.snapshotMode) return snapshotCell(source, entry, column, std::move(cell));
  if (column < 1 || column > 9) {
    cell.empty = true;
    cell.back = source.colours.SnapshotBack;
    return cell;
  }

  cell.fore = source.colours.ForeOf(entry.Status, column);
  cell.back = source.colours.BackOf(entry.Status, column);
  cell.leftSeparator = column == 5 || column == 9;
  if (column == 9) {
    directoryCell(source, entry, cell);
    return cell;
  }

  const CellSide side = column <= 4 ? CellSide::New : CellSide::Old;
  const bool absent = side == CellSide::New ? (entry.Status & stDeleted) != 0 : (entry.Status & stInserted) != 0;
  const int part = side == CellSide::New ? column : column - 4;  // 1 name, 2 size, 3 time, 4 CRC
  if (absent) {
    if (part == 2 && entry.MovedPartner >= 0) {
      cell.text = "(moved)";
      cell.fore = kBlue;
      if (!selected) cell.back = kWhite;
      return cell;
    }
    cell.empty = true;
    cell.back = source.colours.SnapshotBack;
    return cell;
  }
  switch (part) {
    case 1:
      cell.text = entry.Name();
      cell.aliasText = aliasTextOf(source.aliases, side == CellSide::New ? entry.NewAlias : entry.OldAlias);
      break;
    case 2:
      cell.text = std::to_string(side == CellSide::New ? entry.NewSize : entry.OldSize);
      cell.align = CellAlign::Right;
      break;
    case 3: cell.text = DateTimeText(side == CellSide::New ? entry.NewTime : entry.OldTime, source.dateFormat); break;
    default:
      cell.text = HexLong(side == CellSide::New ? entry.NewCRC : entry.OldCRC);
      cell.align = CellAlign::Right;
      break;
  }
  return cell;
}

CellPaint DataCell(const GridSource& source, int row, int column, bool selected) {
  if (row < 0 || row >= source.display.Count()) {
    CellPaint cell;
    cell.empty = true;
    cell.selected = selected;
    cell.back = source.colours.SnapshotBack;
    return cell;
  }
  return EntryCell(source, *source.display.ItemAt(row), column, selected);
}

CellPaint RowNumberCell(int row, bool trackSelection, int selectionTop, int selectionBottom) {
  CellPaint cell;
  cell.text = std::to_string(row + 1);
  const bool tracked = trackSelection && row >= selectionTop && row <= selectionBottom;
  cell.fore = tracked ? kBlack : kGrey;
  cell.back = tracked ? kGrey : kSilver;
  return cell;
}

HeaderPaint HeaderCell(const ColumnLayout& layout, const TDisplayIndex& display, int column) {
  HeaderPaint header;
  if (column <= 0 || column >= layout.count) return header;
  header.title = layout.titles[static_cast<std::size_t>(column)];
  const bool sortColumn = column == display.SortKind ||
                          (column == layout.directoryColumn() && display.SortType == SortType::FullPath);
  if (sortColumn) header.sortImage = display.Descending ? kSortImageDescending : kSortImageAscending;
  return header;
}

MovedArrow MovedArrowAt(int x, int y, int w) {
  return {x + w + 6, y + 6, x + w + 15, y + 6, x + w + 11, y + 4, x + w + 15, y + 6, x + w + 10, y + 9, x + w + 18};
}

std::string AccessibleText(const CellPaint& cell) {
  if (cell.empty) return {};
  std::string text = cell.text;
  if (!cell.aliasText.empty()) text += " " + cell.aliasText;
  if (cell.movedArrow) text += (text.empty() ? "" : " ") + std::string("-> ") + cell.partnerText;
  return text;
}

}  // namespace quorvane::view
