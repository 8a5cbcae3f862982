#pragma once
// The file type chooser ("Choose file type"), asked when a chosen file's kind is not
// known from its name. The choice made stays selected for the next time.
#include <QDialog>
#include <array>
#include <cstdint>

class QRadioButton;

namespace quorvane::ui {

class FileTypeDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr const char* kHelpTopic = "Choose_file_type";
  static constexpr int kItemCount = 8;

  explicit FileTypeDialog(QWidget* parent = nullptr);

  // Shows it modally: the set kind of the item chosen (its index + 1, the last item 9,
  // a snapshot), 0 for Cancel.
  std::uint8_t choose();
  // The set kind of item index (0..7).
  static std::uint8_t SetKindOfItem(int index);
  int checkedIndex() const;
  QRadioButton* item(int index) const { return items_[static_cast<std::size_t>(index)]; }

 signals:
  void helpRequested(const QString& topic);

 private:
  std::array<QRadioButton*, kItemCount> items_{};
};

}  // namespace quorvane::ui
