#include "ui/dialogs/directory_chooser_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_texts.h"

namespace quorvane::ui {
namespace {

constexpr int kIndentRole = Qt::UserRole + 1;
constexpr int kSubdirectoryRole = Qt::UserRole + 2;
constexpr int kPictureSize = 16;
constexpr int kPictureGap = 4;  // between the picture and the name

class DirectoryItemDelegate : public QStyledItemDelegate {
 public:
  explicit DirectoryItemDelegate(TMultiDirectoryListBox* list) : QStyledItemDelegate(list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool subdirectory = index.data(kSubdirectoryRole).toBool();
    const bool selected = option.state & QStyle::State_Selected;
    QColor text = option.palette.color(QPalette::Text);
    painter->save();
    if (selected && subdirectory && list_->multiSelect()) {
      painter->fillRect(option.rect, QColor(0, 100, 0));
      text = Qt::white;
    } else if (selected) {
      painter->fillRect(option.rect, option.palette.color(QPalette::Highlight));
      text = option.palette.color(QPalette::HighlightedText);
    }
    const int x = option.rect.left() + index.data(kIndentRole).toInt();
    const QIcon picture =
        list_->style()->standardIcon(subdirectory ? QStyle::SP_DirClosedIcon : QStyle::SP_DirOpenIcon, nullptr, list_);
    const QRect pictureRect(x, option.rect.top() + (option.rect.height() - kPictureSize) / 2, kPictureSize,
                            kPictureSize);
    picture.paint(painter, pictureRect);
    painter->setPen(text);
    const QRect textRect(pictureRect.right() + 1 + kPictureGap, option.rect.top(),
                         option.rect.right() - pictureRect.right() - kPictureGap, option.rect.height());
    painter->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
      QStyleOptionFocusRect focus;
      focus.rect = option.rect;
      focus.palette = option.palette;
      list_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, list_);
    }
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const QSize base = QStyledItemDelegate::sizeHint(option, index);
    const int width = index.data(kIndentRole).toInt() + kPictureSize + kPictureGap +
                      option.fontMetrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 4;
    return {width, std::max(base.height(), kPictureSize + 2)};
  }

 private:
  TMultiDirectoryListBox* list_;
};

}  // namespace

TMultiDirectoryListBox::TMultiDirectoryListBox(QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("DirectoryListBox"));
  setItemDelegate(new DirectoryItemDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
}

void TMultiDirectoryListBox::showItems(const std::vector<DirectoryItem>& items, bool multiSelect) {
  const QSignalBlocker quiet(this);
  multiSelect_ = multiSelect;
  setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
  clear();
  int current = -1;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const DirectoryItem& d = items[i];
    auto* item = new QListWidgetItem(FromUtf8(d.Name), this);
    item->setData(kIndentRole, d.Indent);
    item->setData(kSubdirectoryRole, d.Subdirectory);
    if (multiSelect && !d.Subdirectory) item->setFlags(item->flags() & ~Qt::ItemIsSelectable);
    if (!d.Subdirectory) current = static_cast<int>(i);
  }
  // The current directory (the last ancestor) has the focus; in multi-select mode the
  // model's selection is shown.
  if (current >= 0) setCurrentRow(current, multiSelect ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect);
  if (multiSelect)
    for (std::size_t i = 0; i < items.size(); ++i)
      if (items[i].Selected) item(static_cast<int>(i))->setSelected(true);
}

std::vector<std::size_t> TMultiDirectoryListBox::selectedRows() const {
  std::vector<std::size_t> rows;
  for (int i = 0; i < count(); ++i)
    if (item(i)->isSelected()) rows.push_back(static_cast<std::size_t>(i));
  return rows;
}

TOpenDirectoryDlg::TOpenDirectoryDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("OpenDirectoryDlg"));
  setWindowTitle(FromUtf8(DirectoryChooserModel::kCaption));

  DirectoryName = new QComboBox(this);
  DirectoryName->setObjectName(QStringLiteral("DirectoryName"));
  DirectoryName->setEditable(true);
  DirectoryName->setInsertPolicy(QComboBox::NoInsert);
  DirectoryName->setMaxVisibleItems(DirectoryChooserModel::kDropDownCount);
  auto* nameLabel = new QLabel(QStringLiteral("Directory &name :"), this);
  nameLabel->setBuddy(DirectoryName);

  DriveComboBox1 = new QComboBox(this);
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
  auto* driveLabel = new QLabel(QStringLiteral("Dri&ves :"), this);
  driveLabel->setBuddy(DriveComboBox1);

  pnDirs = new QWidget(this);
  pnDirs->setObjectName(QStringLiteral("pnDirs"));
  list = new TMultiDirectoryListBox(pnDirs);
  auto* dirsLayout = new QVBoxLayout(pnDirs);
  dirsLayout->setContentsMargins(0, 0, 0, 0);
  dirsLayout->addWidget(list);
  auto* dirsLabel = new QLabel(QStringLiteral("&Directories :"), this);
  dirsLabel->setBuddy(list);

  cbInclude = new QCheckBox(QStringLiteral("Single-click includes only selected subdirs"), this);
  cbInclude->setObjectName(QStringLiteral("cbInclude"));
  cbInclude->setToolTip(
      QStringLiteral("Double-click to select base dir.\nSingle click on sub-directories\nto restrict to these "
                     "directories.\nThey appear green when selected.\nCtrl-click to select several directories"));
  bnRefresh = new QPushButton(QStringLiteral("Refresh drives"), this);
  bnRefresh->setObjectName(QStringLiteral("bnRefresh"));

  pnDirIndicator = new QFrame(this);
  pnDirIndicator->setObjectName(QStringLiteral("pnDirIndicator"));
  pnDirIndicator->setFrameShape(QFrame::StyledPanel);
  pnDirIndicator->setAutoFillBackground(true);
  bnDirs = new QPushButton(pnDirIndicator);
  bnDirs->setObjectName(QStringLiteral("bnDirs"));
  auto* indicatorLayout = new QHBoxLayout(pnDirIndicator);
  indicatorLayout->setContentsMargins(4, 4, 4, 4);
  indicatorLayout->addWidget(bnDirs);

  bnOK = new QPushButton(QStringLiteral("&OK"), this);
  bnOK->setObjectName(QStringLiteral("bnOK"));
  bnOK->setDefault(true);
  bnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
  bnCancel->setObjectName(QStringLiteral("bnCancel"));
  bnHelp = new QPushButton(QStringLiteral("&Help"), this);
  bnHelp->setObjectName(QStringLiteral("bnHelp"));

  connect(DirectoryName, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (!model_) return;
    model_->EditDirectoryName(text.toStdString());
    setWindowTitle(FromUtf8(model_->Caption));
    showList();
    showDrives();
    showIndicator();
  });
  const auto directoryChanged = [this] {
    {
      const QSignalBlocker quiet(DirectoryName);
      DirectoryName->setEditText(FromUtf8(model_->DirectoryName));
    }
    setWindowTitle(FromUtf8(model_->Caption));
    showList();
    showDrives();
    showIndicator();
  };
  connect(list, &QListWidget::itemDoubleClicked, this, [this, directoryChanged](QListWidgetItem* item) {
    if (!model_ || !item) return;
    model_->OpenItem(static_cast<std::size_t>(list->row(item)));
    directoryChanged();
  });
  connect(list, &QListWidget::itemSelectionChanged, this, [this] {
    if (!model_) return;
    model_->SelectRows(list->selectedRows());
    showIndicator();
  });
  connect(DriveComboBox1, &QComboBox::activated, this, [this, directoryChanged](int index) {
    if (!model_ || index < 0) return;
    model_->ChooseDrive(static_cast<std::size_t>(index));
    directoryChanged();
  });
  connect(cbInclude, &QCheckBox::clicked, this, [this](bool ticked) {
    if (!model_) return;
    model_->IncludeClicked(ticked);
    showList();
    showIndicator();
  });
  connect(bnRefresh, &QPushButton::clicked, this, [this] {
    if (!model_) return;
    model_->RefreshDrives();
    showDrives();
  });
  connect(bnDirs, &QPushButton::clicked, this, [this] {
    if (!model_) return;
    model_->bnDirsClick();
    showList();
    showIndicator();
  });
  connect(bnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(bnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(bnHelp, &QPushButton::clicked, this,
          [this] { emit helpRequested(FromUtf8(DirectoryChooserModel::kHelpTopic)); });

  auto* left = new QVBoxLayout;
  left->addWidget(nameLabel);
  left->addWidget(DirectoryName);
  left->addWidget(dirsLabel);
  left->addWidget(pnDirs, 1);
  left->addWidget(cbInclude);
  auto* right = new QVBoxLayout;
  right->addWidget(driveLabel);
  right->addWidget(DriveComboBox1);
  right->addWidget(bnRefresh);
  right->addSpacing(12);
  right->addWidget(pnDirIndicator);
  right->addStretch();
  right->addWidget(bnOK);
  right->addWidget(bnCancel);
  right->addWidget(bnHelp);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(right);
  resize(520, 380);
}

void TOpenDirectoryDlg::showList() {
  if (!model_) return;
  list->showItems(model_->Items, model_->MultiSelect());
}

void TOpenDirectoryDlg::showDrives() {
  if (!model_) return;
  const QSignalBlocker quiet(DriveComboBox1);
  DriveComboBox1->clear();
  for (const std::string& drive : model_->Drives) DriveComboBox1->addItem(FromUtf8(drive));
  DriveComboBox1->setCurrentIndex(model_->DriveIndex);
}

void TOpenDirectoryDlg::showIndicator() {
  if (!model_) return;
  bnDirs->setText(FromUtf8(model_->bnDirs));
  QPalette palette = pnDirIndicator->palette();
  palette.setColor(QPalette::Window, model_->IndicatorLit ? QColor(0, 255, 0) : QColor(192, 192, 192));
  pnDirIndicator->setPalette(palette);
}

void TOpenDirectoryDlg::showModel(DirectoryChooserModel& model) {
  model_ = nullptr;
  {
    const QSignalBlocker quiet(DirectoryName);
    DirectoryName->clear();
    for (const std::string& name : model.DirectoryNames) DirectoryName->addItem(FromUtf8(name));
    DirectoryName->setEditText(FromUtf8(model.DirectoryName));
  }
  cbInclude->setVisible(model.cbIncludeVisible);
  cbInclude->setChecked(model.cbInclude);
  setWindowTitle(FromUtf8(model.Caption));
  model_ = &model;
  showList();
  showDrives();
  showIndicator();
}

platform::DialogChoice TOpenDirectoryDlg::choose(DirectoryChooserModel& model) {
  showModel(model);
  list->setFocus();
  const int result = exec();
  model_ = nullptr;
  return result == QDialog::Accepted ? platform::DialogChoice::Run : platform::DialogChoice::Cancel;
}

}  // namespace quorvane::ui
