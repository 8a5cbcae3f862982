#pragma once
// The search dialog ("Search in displayed list"): the text to find, the progress strip
// Bar2, "&Search" (from the first entry, then closes), "&Next" (from the search position,
// then closes) and Cancel; Enter in the edit field searches from the first entry and
// stays open. The search itself is DoSearch of the program layer; a found entry's row is
// handed to found, which makes it the grid's current row.
#include <QDialog>
#include <QWidget>
#include <functional>

#include "engine/display_index.h"
#include "platform/user_interface.h"
#include "program/search_command.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvane::ui {

// Bar2: from the left edge to the fraction a bright green bar under a 2-pixel dark green
// band; the rest in the button face colour.
class SearchStrip : public QWidget {
  Q_OBJECT
 public:
  explicit SearchStrip(QWidget* parent = nullptr);
  void setPercent(int percent);
  int percent() const { return percent_; }
  QSize sizeHint() const override { return {240, 12}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int percent_ = 0;
};

class TSearchDlg : public QDialog {
  Q_OBJECT
 public:
  // How "&Search" and "&Next" close the dialog (Cancel and Escape reject it).
  static constexpr int kSearchResult = QDialog::Accepted;
  static constexpr int kNextResult = 2;

  TSearchDlg(const TDisplayIndex& display, platform::UserInterface& ui, QWidget* parent = nullptr);

  // Gets the grid row (1 = the first display-index entry) of each entry found.
  std::function<void(std::int32_t row)> found;

  // "&Search..." of the menu and the popup: shows the dialog modally.
  void showSearch();
  // "Search &next" (F3) with the grid's current row (1 = the first entry).
  void searchNext(std::int32_t currentRow);

  const SearchState& state() const { return state_; }
  QLineEdit* edit() const { return edit_; }
  SearchStrip* strip() const { return strip_; }
  QPushButton* searchButton() const { return searchBtn_; }
  QPushButton* nextButton() const { return nextBtn_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Searches from the first entry or from the search position; true when found.
  bool search(bool fromStart);
  void activated();

  const TDisplayIndex& display_;
  platform::UserInterface& ui_;
  SearchState state_;
  bool searching_ = false;
  QLabel* label_;
  QLineEdit* edit_;
  SearchStrip* strip_;
  QPushButton* searchBtn_;
  QPushButton* nextBtn_;
};

}  // namespace quorvane::ui
