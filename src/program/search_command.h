#pragma once
// "&Search..." and "Search &next": finding the displayed entry whose relative path holds a
// text, letter case aside, from a position of the display index onwards (no wrap). The
// search dialog keeps a SearchState and draws the progress strip; the search is here.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/display_index.h"
#include "platform/user_interface.h"

namespace quorvane {

// The text upper-cased for the search, UTF-8 in and out: ASCII letters and the letters of
// Latin-1, Latin Extended-A, Greek and Cyrillic that have a same-length upper case; every
// other byte unchanged. Paths and the searched text are folded alike.
std::string SearchFold(std::string_view text);

struct SearchState {
  std::int32_t position = 0;  // the next display-index position to test
  bool nextEnabled = false;   // "&Next"
};

// Draws the progress strip at a percentage (0..100).
using SearchBar = std::function<void(int percent)>;

// Searches for text from state.position: every 200 ms the strip is drawn at position x 100
// / count and the user interface pumped; when the search stops the strip is drawn at the
// position reached. Found: returns the grid row of the entry (1 = the first
// display-index entry; state.position is that row, the entry after the found one) and
// enables Next. Not found: the information '"<text>" :' / "Not found", Next disabled,
// nothing returned. An empty text does nothing. The display index must not change while it
// pumps (the dialog is modal).
std::optional<std::int32_t> DoSearch(SearchState& state, const TDisplayIndex& display, std::string_view text,
                                     platform::UserInterface& ui, const SearchBar& bar);

// "Search &next" (F3) with the grid's current row (1 = the first entry): searches from
// the entry after it when that one exists; otherwise does nothing.
std::optional<std::int32_t> SearchNext(SearchState& state, const TDisplayIndex& display, std::string_view text,
                                       std::int32_t currentRow, platform::UserInterface& ui, const SearchBar& bar);

}  // namespace quorvane
