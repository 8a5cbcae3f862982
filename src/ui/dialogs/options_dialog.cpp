#include "ui/dialogs/options_dialog.h"

#include <algorithm>
#include <string>

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_texts.h"
#include "ui/dialogs/scrolling_pages.h"
#include "config/colour_sets.h"
#include "program/options_samples.h"
#include "program/options_templates.h"

namespace quorvane::ui {

namespace {

std::string S(const QString& text) { return text.toStdString(); }

QColor ColourOf(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
std::uint32_t BgrOf(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

constexpr const char* kStatusNames[kStatusCount] = {"Identical", "CRC diff", "Inserted", "Deleted",
                                                    "Newer",     "Older",    "Bigger",   "Smaller"};
constexpr const char* kPrinterStatusNames[kStatusCount] = {"Identical", "CRC Diff", "Inserted", "Deleted",
                                                           "Newer",     "Older",    "Bigger",   "Smaller"};

QVBoxLayout* Page(QTabWidget* tabs, const char* group) {
  auto* page = new QWidget;
  auto* outer = new QVBoxLayout(page);
  auto* box = new QGroupBox(QString::fromLatin1(group), page);
  outer->addWidget(box);
  outer->addStretch();
  tabs->addTab(page, QString());
  return new QVBoxLayout(box);
}

QVBoxLayout* Group(QVBoxLayout* parent, const char* name, const char* caption, QGroupBox** out = nullptr) {
  auto* box = new QGroupBox(QString::fromLatin1(caption));
  box->setObjectName(QString::fromLatin1(name));
  parent->addWidget(box);
  if (out) *out = box;
  return new QVBoxLayout(box);
}

}  // namespace

OptionsDialog::OptionsDialog(Comparison& comparison, QWidget* parent) : QDialog(parent), model_(comparison) {
  setObjectName(QStringLiteral("OptionsDlg"));
  setWindowTitle(QStringLiteral("Options"));
  pushing_ = true;  // filling the lists raises change signals before every control exists
  tabs_ = new QTabWidget(this);
  tabs_->setTabPosition(QTabWidget::South);
  buildScanning();
  buildFilters();
  buildUser();
  buildDisplay();
  buildLayout();
  buildPrinting();
  buildBatch();
  buildTools();
  for (int i = 0; i < kOptionsPageCount; ++i) tabs_->setTabText(i, FromUtf8(kOptionsPageNames[static_cast<std::size_t>(i)]));
  MakePagesScroll(tabs_);
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (pushing_) return;
    run([this, index] { model_.SetPage(static_cast<OptionsPage>(index)); });
  });

  auto* okButton = new QPushButton(QStringLiteral("&OK"), this);
  okButton->setObjectName(QStringLiteral("bnOK"));
  okButton->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("bnCancel"));
  auto* saveButton = new QPushButton(QStringLiteral("&Save"), this);
  saveButton->setObjectName(QStringLiteral("bnSave"));
  auto* help = new QPushButton(QStringLiteral("Help"), this);
  help->setObjectName(QStringLiteral("bnHelp"));
  switch_ = new QPushButton(QStringLiteral("Switch"), this);
  switch_->setObjectName(QStringLiteral("bnSwitch"));
  switch_->setCheckable(true);
  connect(okButton, &QPushButton::clicked, this, &OptionsDialog::ok);
  connect(saveButton, &QPushButton::clicked, this, &OptionsDialog::save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(FromUtf8(model_.HelpTopic())); });
  connect(switch_, &QPushButton::clicked, this, [this] { run([this] { model_.Switch(); }); });
  auto* help1 = new QAction(this);
  help1->setShortcut(Qt::Key_F1);
  connect(help1, &QAction::triggered, help, &QPushButton::click);
  addAction(help1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(okButton);
  buttons->addWidget(cancel);
  buttons->addWidget(saveButton);
  buttons->addWidget(help);
  buttons->addWidget(switch_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);
  pushing_ = false;
}

QCheckBox* OptionsDialog::check(QVBoxLayout* layout, const char* name, const char* caption, bool& field,
                                std::function<void()> event) {
  auto* box = new QCheckBox(QString::fromLatin1(caption));
  box->setObjectName(QString::fromLatin1(name));
  layout->addWidget(box);
  checks_.push_back({box, &field});
  connect(box, &QCheckBox::clicked, this, [this, event] {
    if (!pushing_) run(event ? event : [] {});
  });
  return box;
}

QLineEdit* OptionsDialog::edit(QVBoxLayout* layout, const char* name, const char* caption, std::string& field,
                               std::function<void()> event) {
  auto* label = new QLabel(QString::fromLatin1(caption));
  auto* line = new QLineEdit;
  line->setObjectName(QString::fromLatin1(name));
  label->setBuddy(line);
  layout->addWidget(label);
  layout->addWidget(line);
  texts_.push_back({line, &field});
  connect(line, &QLineEdit::textEdited, this, [this, event] {
    if (!pushing_) run(event ? event : [] {});
  });
  return line;
}

QComboBox* OptionsDialog::fontCombo(QVBoxLayout* layout, const char* name, std::string& field,
                                    std::function<void()> event) {
  auto* combo = new QComboBox;
  combo->setObjectName(QString::fromLatin1(name));
  combo->setEditable(true);
  layout->addWidget(combo);
  comboTexts_.push_back({combo, &field});
  connect(combo, &QComboBox::currentTextChanged, this, [this, event] {
    if (!pushing_) run(event);
  });
  return combo;
}

void OptionsDialog::buildScanning() {
  OptionsDialogModel& m = model_;
  QVBoxLayout* l = Page(tabs_, "Scanning options");
  wildInclude_ = edit(l, "WildInclude", "&Include filemask :", m.scanning.WildInclude);
  wildExclude_ = edit(l, "WildExclude", "E&xclude filemask :", m.scanning.WildExclude);
  check(l, "CheckSubDir", "Scan &Subdirectories", m.scanning.CheckSubDir, [&m] { m.CheckSubDirClick(); });
  check(l, "CheckCRC", "Calculate C&RC", m.scanning.CheckCRC);
  check(l, "CheckSys", "Syste&m files", m.scanning.CheckSys);
  check(l, "CheckHid", "&Hidden files", m.scanning.CheckHid);
  check(l, "CheckHidDirs", "Hidden &directories", m.scanning.CheckHidDirs);
  check(l, "CheckAlsoArc", "Apply also to archi&ves", m.scanning.CheckAlsoArc);
  ignorePath_ = check(l, "CheckIgnorePath", "Ignore &Path", m.scanning.CheckIgnorePath);
  check(l, "CheckStrip83", "Strip &filenames to 8.3", m.scanning.CheckStrip83, [&m] { m.CheckStrip83Click(); });
  check(l, "CheckSFN", "Use short file&names", m.scanning.CheckSFN, [&m] { m.CheckSFNClick(); });
  check(l, "CheckWarnDup", "&Warn on duplicates", m.scanning.CheckWarnDup);
  check(l, "CheckPause", "Pause &before start", m.scanning.CheckPause);
  check(l, "CheckSkipAll", "S&kip file errors", m.scanning.CheckSkipAll);
  check(l, "CheckErrExclude", "Excl&ude error files", m.scanning.CheckErrExclude);
  // The time tolerance: one row, so the page grows by one line only.
  auto* times = new QHBoxLayout;
  l->addLayout(times);
  const auto spin = [this, times](const char* name, const char* caption, int high, int& field) {
    auto* label = new QLabel(QString::fromLatin1(caption));
    auto* box = new QSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, high);
    label->setBuddy(box);
    times->addWidget(label);
    times->addWidget(box);
    spins_.push_back({box, &field});
    connect(box, &QSpinBox::valueChanged, this, [this] {
      if (!pushing_) run([] {});
    });
  };
  spin("SpinTimeTolerance", "&Time tolerance (s) :", 3600, m.scanning.SpinTimeTolerance);
  spin("SpinHourShift", "H&our shifts :", 2, m.scanning.SpinHourShift);
  times->addStretch();
  QCheckBox* vol = check(l, "CheckVol", "Volume label", m.scanning.CheckVol);
  vol->setEnabled(false);
  vol->hide();
}

void OptionsDialog::buildFilters() {
  OptionsDialogModel& m = model_;
  QVBoxLayout* l = Page(tabs_, "Filters");
  snapshotPanel_ = new QLabel(QStringLiteral("Filters are not available for Snapshots"));
  snapshotPanel_->setObjectName(QStringLiteral("pnSnapshot"));
  l->addWidget(snapshotPanel_);
  QVBoxLayout* ex = Group(l, "gbExcludeFilters", "Exclude filter", &gbExcludeFilters_);
  const char* names[kStatusCount] = {"OIdentical", "OCRCDifferent", "OInserted", "ODeleted",
                                     "ONewer",     "OOlder",        "OBigger",   "OSmaller"};
  const char* captions[kStatusCount] = {"&All identical files", "&CRC Different", "&Inserted", "&Deleted",
                                        "&Newer",               "&Older",         "&Bigger",   "&Smaller"};
  for (std::size_t i = 0; i < kStatusCount; ++i)
    statusBoxes_[i] = check(ex, names[i], captions[i], m.filters.*kStatusBoxes[i],
                            [&m, i] { m.StatusBoxClick(static_cast<int>(i)); });
  auto* label = new QLabel(QStringLiteral("&Templates:"));
  cbTemplates_ = new QComboBox;
  cbTemplates_->setObjectName(QStringLiteral("cbTemplates"));
  label->setBuddy(cbTemplates_);
  for (const FilterTemplate& t : kFilterTemplates) cbTemplates_->addItem(FromUtf8(t.name));
  ex->addWidget(label);
  ex->addWidget(cbTemplates_);
  connect(cbTemplates_, &QComboBox::activated, this, [this](int entry) {
    run([this, entry] { model_.cbTemplatesChange(entry); });
  });

  QVBoxLayout* ig = Group(l, "gbIgnoreFilters", "When applying filters, ignore diffs on :", &gbIgnoreFilters_);
  check(ig, "iDate", "Date and ti&me", m.filters.iDate);
  check(ig, "iSize", "Si&ze", m.filters.iSize);
  check(ig, "iCRC", "C&RC", m.filters.iCRC);
  QVBoxLayout* op = Group(l, "gbFilterOptions", "Filter options", &gbFilterOptions_);
  check(op, "OptFilterClear", "Clear &filter when new comparison", m.filters.OptFilterClear);
  op->addWidget(new QLabel(QStringLiteral("Filter active for :")));
  check(op, "optFilterSave", "Saved Diff fil&es", m.filters.optFilterSave);
  check(op, "OptFilterPrint", "&Printer", m.filters.OptFilterPrint);
  check(op, "cbSaveFilters", "Sa&ve filters (use with caution)", m.filters.cbSaveFilters);
}

void OptionsDialog::buildUser() {
  OptionsDialogModel& m = model_;
  UserControls& u = m.user;
  QVBoxLayout* l = Page(tabs_, "User options");
  check(l, "OptShowHelpBubbles", "Show &help bubbles", u.OptShowHelpBubbles);
  check(l, "cbConfirmOverwrite", "Confirm before overwriting existing files", u.cbConfirmOverwrite)->hide();
  check(l, "cbSyncWarning", "Warn user of potential ris&ks after file synchronization", u.cbSyncWarning);
  check(l, "OptStartCmdLine", "Start comparison if files in command &line", u.OptStartCmdLine);
  check(l, "cbWin95Dirs", "Win 95 directory &dialogs", u.cbWin95Dirs);
  check(l, "cbTrackSelection", "Track grid selection", u.cbTrackSelection);
  check(l, "cbClearIncludeDirs", "Clear Include dirs", u.cbClearIncludeDirs);
  QVBoxLayout* after = Group(l, "gbAfterReading", "After reading");
  check(after, "OptShowStatus", "Sho&w status dialog", u.OptShowStatus);
  check(after, "OptCheckMovedFiles", "Check &moved files:", u.OptCheckMovedFiles);
  check(after, "OptCloseProgress", "&Close progress dialogs", u.OptCloseProgress);
  check(after, "cbCRC", "C&RC", u.cbCRC, [&m] { m.cbCRCClick(); });
  check(after, "cbFilename", "&Name", u.cbFilename, [&m] { m.cbFilenameClick(); });
  check(after, "cbIgnoreArcExt", "Ignore Arch", u.cbIgnoreArcExt);
  QVBoxLayout* exit = Group(l, "gbOnExit", "On exit");
  check(exit, "OptSaveHistory", "Save directory/archive h&istory list", u.OptSaveHistory);
  check(exit, "OptSaveWindowPos", "Save window &position and size", u.OptSaveWindowPos);
  check(exit, "cbQuitSave", "Prompt for save on e&xit", u.cbQuitSave);
}

void OptionsDialog::buildDisplay() {
  OptionsDialogModel& m = model_;
  QVBoxLayout* l = Page(tabs_, "Display options");
  QVBoxLayout* date = Group(l, "CountryGroup1", "Date format");
  countryGroup_ = new QButtonGroup(this);
  const char* formats[3] = {"&USA", "&Europe", "&Japan"};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QRadioButton(QString::fromLatin1(formats[i]));
    countryGroup_->addButton(b, i);
    date->addWidget(b);
  }
  displayFont_ = fontCombo(l, "CFontName", m.display.CFontName, [&m] { m.FontChange(); });
  fontCombo(l, "CFontSize", m.display.CFontSize, [&m] { m.FontChange(); })->addItems([] {
    QStringList sizes;
    for (int s : kFontSizes) sizes << QString::number(s);
    return sizes;
  }());
  cbColorSet_ = new QComboBox;
  cbColorSet_->setObjectName(QStringLiteral("cbColorSet"));
  for (std::string_view name : kColourSetNames) cbColorSet_->addItem(FromUtf8(name));
  auto* setLabel = new QLabel(QStringLiteral("&Preset color set :"));
  setLabel->setBuddy(cbColorSet_);
  l->addWidget(setLabel);
  l->addWidget(cbColorSet_);
  connect(cbColorSet_, &QComboBox::activated, this, [this](int i) { run([this, i] { model_.cbColorSetChange(i); }); });
  lbStyles_ = new QListWidget;
  lbStyles_->setObjectName(QStringLiteral("lbStyles"));
  for (const char* name : kStatusNames) lbStyles_->addItem(QString::fromLatin1(name));
  auto* styleLabel = new QLabel(QStringLiteral("&Choose color :"));
  styleLabel->setBuddy(lbStyles_);
  l->addWidget(styleLabel);
  l->addWidget(lbStyles_);
  connect(lbStyles_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!pushing_ && row >= 0) run([this, row] { model_.lbStylesClick(row); });
  });
  const char* captions[3] = {"&Foreground", "&Background", "&Reset"};
  const char* names[3] = {"bnForeColor", "bnBackColor", "bnResetColor"};
  auto* row = new QHBoxLayout;
  for (int i = 0; i < 3; ++i) {
    colourButtons_[i] = new QPushButton(QString::fromLatin1(captions[i]));
    colourButtons_[i]->setObjectName(QString::fromLatin1(names[i]));
    row->addWidget(colourButtons_[i]);
  }
  l->addLayout(row);
  for (int i = 0; i < 2; ++i) {
    const bool fore = i == 0;
    connect(colourButtons_[i], &QPushButton::clicked, this, [this, fore] {
      pull();
      const auto texts = model_.ColourDialogCustomColours();
      for (int k = 0; k < 16; ++k) {
        const std::string& t = texts[static_cast<std::size_t>(k)];
        QColorDialog::setCustomColor(k, ColourOf(static_cast<std::uint32_t>(std::stoul(t.substr(t.find('=') + 1), nullptr, 16))));
      }
      const QColor chosen = QColorDialog::getColor(ColourOf(model_.CurrentColour(fore)), this);
      if (chosen.isValid()) run([this, fore, chosen] { model_.ColourChosen(fore, BgrOf(chosen)); });
    });
  }
  connect(colourButtons_[2], &QPushButton::clicked, this, [this] { run([this] { model_.bnResetColorClick(); }); });
  fontSample_ = new QLabel(FromUtf8(kFontSampleText));
  fontSample_->setObjectName(QStringLiteral("LFontSample"));
  fontSample_->setAutoFillBackground(true);
  l->addWidget(fontSample_);
  QVBoxLayout* columns = Group(l, "gbColumns", "Columns");
  check(columns, "cbAutoColWidth", "Automatic &width", m.display.cbAutoColWidth);
  check(columns, "cbSetsAboveColumns", "Set &names above columns", m.display.cbSetsAboveColumns);
  check(columns, "cbSaveColWidth", "Save on e&xit", m.display.cbSaveColWidth);
}

void OptionsDialog::buildLayout() {
  OptionsDialogModel& m = model_;
  LayoutControls& c = m.layout;
  QVBoxLayout* l = Page(tabs_, "Diff Saving and Printing layout");
  auto sample = [&m] { m.LayoutBoxClick(); };
  check(l, "cbDblColumn", "Filenames on 2 &columns", c.cbDblColumn, sample);
  check(l, "cbIncCRC", "Include C&RC", c.cbIncCRC, sample);
  check(l, "cbIncDate", "Include Date/&time", c.cbIncDate, sample);
  check(l, "cbIncSize", "Include Si&ze", c.cbIncSize, sample);
  check(l, "cbShortStatus", "S&hort format status", c.cbShortStatus, sample);
  check(l, "cbAppendStatus", "Append global stat&us information", c.cbAppendStatus, sample);
  check(l, "cbDatimStatus", "&Date/time status", c.cbDatimStatus, sample);
  check(l, "cbSizeStatus", "S&ize status", c.cbSizeStatus, sample);
  check(l, "cbIncMovedTo", "Include &move location", c.cbIncMovedTo, sample);
  layoutSample_ = new QLabel;
  layoutSample_->setObjectName(QStringLiteral("LLayoutSample"));
  layoutSample_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  l->addWidget(layoutSample_);
}

void OptionsDialog::buildPrinting() {
  OptionsDialogModel& m = model_;
  QVBoxLayout* l = Page(tabs_, "Printing options");
  printerName_ = new QLabel;
  printerName_->setObjectName(QStringLiteral("LPrinterName"));
  orientation_ = new QLabel;
  orientation_->setObjectName(QStringLiteral("LOrientation"));
  setup_ = new QPushButton(QStringLiteral("Set&up"));
  setup_->setObjectName(QStringLiteral("bnSetup"));
  l->addWidget(printerName_);
  l->addWidget(orientation_);
  l->addWidget(setup_);
  connect(setup_, &QPushButton::clicked, this, [this] {
    if (printerSetup) run([this] { model_.PrinterSetupDone(printerSetup()); });
  });
  printerFont_ = fontCombo(l, "CBPFontName", m.printing.CBPFontName, [&m] { m.PrinterFontChange(); });
  fontCombo(l, "CBPFontSize", m.printing.CBPFontSize, [&m] { m.PrinterFontChange(); })->addItems([] {
    QStringList sizes;
    for (int s : kFontSizes) sizes << QString::number(s);
    return sizes;
  }());
  styleSet_ = new QButtonGroup(this);
  const char* captions[3] = {"&None", "St&andard", "&Custom"};
  const char* names[3] = {"rbPNone", "rbPStandard", "rbPCustom"};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QRadioButton(QString::fromLatin1(captions[i]));
    b->setObjectName(QString::fromLatin1(names[i]));
    styleSet_->addButton(b, i);
    l->addWidget(b);
  }
  connect(styleSet_, &QButtonGroup::idClicked, this, [this](int id) { run([this, id] { model_.StyleSetClick(id); }); });
  lbPStyles_ = new QListWidget;
  lbPStyles_->setObjectName(QStringLiteral("lbPStyles"));
  for (const char* name : kPrinterStatusNames) lbPStyles_->addItem(QString::fromLatin1(name));
  l->addWidget(new QLabel(QStringLiteral("Style for differences :")));
  l->addWidget(lbPStyles_);
  connect(lbPStyles_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!pushing_ && row >= 0) run([this, row] { model_.lbPStylesClick(row); });
  });
  auto styleBox = [&m] { m.StyleBoxClick(); };
  styleBoxes_[0] = check(l, "cbBold", "&Bold", m.printing.cbBold, styleBox);
  styleBoxes_[1] = check(l, "cbItalic", "&Italic", m.printing.cbItalic, styleBox);
  styleBoxes_[2] = check(l, "cbUnderline", "Un&derline", m.printing.cbUnderline, styleBox);
  styleBoxes_[3] = check(l, "cbStrikeout", "Stri&ke", m.printing.cbStrikeout, styleBox);
  lbPReset_ = new QPushButton(QStringLiteral("&Reset"));
  lbPReset_->setObjectName(QStringLiteral("lbPReset"));
  l->addWidget(lbPReset_);
  connect(lbPReset_, &QPushButton::clicked, this, [this] { run([this] { model_.lbPResetClick(); }); });
  printerSample_ = new QLabel(FromUtf8(kFontSampleText));
  printerSample_->setObjectName(QStringLiteral("LPFontSample"));
  l->addWidget(printerSample_);
}

void OptionsDialog::buildBatch() {
  OptionsDialogModel& m = model_;
  BatchControls& b = m.batch;
  QVBoxLayout* l = Page(tabs_, "Batch options");
  auto sample = [&m] { m.BatchChange(); };
  edit(l, "LOutput", "&Default output file :", b.LOutput, sample);
  edit(l, "OBatchBefore", "&Before :", b.OBatchBefore, sample);
  edit(l, "OBatchAfter", "&After :", b.OBatchAfter, sample);
  check(l, "OBatchDrive", "Dri&ve", b.OBatchDrive, sample);
  check(l, "OBatchPath", "&Path :", b.OBatchPath, sample);
  batchFull_ = new QButtonGroup(this);
  auto* full = new QRadioButton(QStringLiteral("&Full"));
  full->setObjectName(QStringLiteral("OBatchFull"));
  auto* relative = new QRadioButton(QStringLiteral("&Relative"));
  relative->setObjectName(QStringLiteral("OBatchRelative"));
  batchFull_->addButton(full, 1);
  batchFull_->addButton(relative, 0);
  batchPathButtons_[0] = full;
  batchPathButtons_[1] = relative;
  l->addWidget(full);
  l->addWidget(relative);
  connect(batchFull_, &QButtonGroup::idClicked, this, [this](int id) {
    run([this, id] {
      model_.batch.OBatchFull = id == 1;
      model_.BatchChange();
    });
  });
  check(l, "OBatchExt", "&Extension", b.OBatchExt, sample);
  QVBoxLayout* s = Group(l, "gbSample", "Sample");
  batchSample_ = new QLabel;
  batchSample_->setObjectName(QStringLiteral("OBatchSample"));
  s->addWidget(batchSample_);
}

void OptionsDialog::buildTools() {
  OptionsDialogModel& m = model_;
  ToolsControls& t = m.tools;
  QVBoxLayout* l = Page(tabs_, "Tools");
  QVBoxLayout* viewer = Group(l, "gbViewer", "Viewer");
  edit(viewer, "edDefaultViewer", "Default &viewer :", t.edDefaultViewer);
  auto* pickViewer = new QPushButton(QStringLiteral("..."));
  pickViewer->setObjectName(QStringLiteral("bnPickViewer"));
  viewer->addWidget(pickViewer);
  connect(pickViewer, &QPushButton::clicked, this, [this] { pickProgram(model_.tools.edDefaultViewer, kViewerPickerTitle); });
  check(viewer, "cbConfirmAssoc", "Confirm before running &associated program", t.cbConfirmAssoc);
  check(viewer, "cbConfirmDefaultViewer", "&If no association, confirm before using default viewer",
        t.cbConfirmDefaultViewer);
  QVBoxLayout* tool = Group(l, "gbUserTool", "User tool");
  auto sample = [&m] { m.ToolChange(); };
  edit(tool, "edDefaultUserTool", "Default user &tool :", t.edDefaultUserTool, sample);
  auto* pickTool = new QPushButton(QStringLiteral("..."));
  pickTool->setObjectName(QStringLiteral("bnPickUserTool"));
  tool->addWidget(pickTool);
  connect(pickTool, &QPushButton::clicked, this, [this] { pickProgram(model_.tools.edDefaultUserTool, kUserToolPickerTitle); });
  edit(tool, "edDefaultUserParms", "&Parameters :", t.edDefaultUserParms, sample);
  tool->addWidget(new QLabel(QStringLiteral("Parameter placeholders :")));
  tool->addWidget(new QLabel(QStringLiteral("%n = New file, %N = Short filename")));
  tool->addWidget(new QLabel(QStringLiteral("%o = Old file, %O = Short filename")));
  check(tool, "cbConfirmDefaultUserTool", "Confirm before running &user (comparison) tool", t.cbConfirmDefaultUserTool);
  toolSample_ = new QLabel;
  toolSample_->setObjectName(QStringLiteral("LSample"));
  tool->addWidget(new QLabel(QStringLiteral("Sample :")));
  tool->addWidget(toolSample_);
}

void OptionsDialog::pickProgram(std::string& field, std::string_view title) {
  // "Name|patterns|Name|patterns" becomes Qt's "Name (patterns);;Name (patterns)".
  QStringList parts = FromUtf8(kProgramPickerTypes).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    filters << parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                   QLatin1Char(')');
  const QString chosen = QFileDialog::getOpenFileName(this, FromUtf8(title), QString(), filters.join(QStringLiteral(";;")));
  if (chosen.isEmpty()) return;
  run([this, &field, chosen] {
    field = S(chosen);
    model_.ToolChange();
  });
}

void OptionsDialog::run(const std::function<void()>& event) {
  pull();
  event();
  push();
}

void OptionsDialog::pull() {
  for (const CheckBinding& b : checks_) *b.field = b.box->isChecked();
  for (const TextBinding& b : texts_) *b.field = S(b.edit->text());
  for (const ComboTextBinding& b : comboTexts_) *b.field = S(b.combo->currentText());
  for (const SpinBinding& b : spins_) *b.field = b.spin->value();
  model_.display.CountryGroup1 = std::max(0, countryGroup_->checkedId());
  model_.printing.StyleSet = std::max(0, styleSet_->checkedId());
  model_.batch.OBatchFull = batchFull_->checkedId() == 1;
}

void OptionsDialog::push() {
  pushing_ = true;
  const OptionsDialogModel& m = model_;
  for (const CheckBinding& b : checks_) b.box->setChecked(*b.field);
  for (const TextBinding& b : texts_)
    if (b.edit->text() != FromUtf8(*b.field)) b.edit->setText(FromUtf8(*b.field));
  for (const ComboTextBinding& b : comboTexts_)
    if (b.combo->currentText() != FromUtf8(*b.field)) b.combo->setCurrentText(FromUtf8(*b.field));
  for (const SpinBinding& b : spins_)
    if (b.spin->value() != *b.field) b.spin->setValue(*b.field);
  tabs_->setCurrentIndex(static_cast<int>(m.page()));
  setWindowTitle(FromUtf8(m.Caption()));
  switch_->setVisible(m.SwitchVisible());
  switch_->setEnabled(m.filters.GroupsEnabled);
  switch_->setChecked(m.SwitchPressed());

  ignorePath_->setEnabled(m.scanning.CheckIgnorePathEnabled);
  snapshotPanel_->setVisible(m.filters.SnapshotPanelVisible);
  for (QGroupBox* g : {gbExcludeFilters_, gbIgnoreFilters_, gbFilterOptions_}) g->setEnabled(m.filters.GroupsEnabled);
  gbExcludeFilters_->setTitle(FromUtf8(m.FilterGroupCaption()));
  for (std::size_t i = 0; i < kStatusCount; ++i)
    statusBoxes_[i]->setToolTip(FromUtf8(m.StatusBoxHint(static_cast<int>(i))));
  cbTemplates_->setCurrentIndex(m.filters.cbTemplates);

  if (QAbstractButton* b = countryGroup_->button(m.display.CountryGroup1)) b->setChecked(true);
  cbColorSet_->setCurrentIndex(m.display.cbColorSet);
  lbStyles_->setCurrentRow(m.display.lbStyles);
  for (QPushButton* b : colourButtons_) b->setEnabled(m.display.ColourButtonsEnabled);
  QFont displayFont(FromUtf8(m.display.LFontSample.fontName));
  if (m.display.LFontSample.fontSize > 0) displayFont.setPointSize(m.display.LFontSample.fontSize);
  fontSample_->setFont(displayFont);
  QPalette palette = fontSample_->palette();
  palette.setColor(QPalette::WindowText, ColourOf(m.display.LFontSample.fore));
  palette.setColor(QPalette::Window, ColourOf(m.display.LFontSample.back));
  fontSample_->setPalette(palette);

  QStringList lines;
  for (const std::string& line : m.layout.Sample) lines << FromUtf8(line);
  layoutSample_->setText(lines.join(QLatin1Char('\n')));

  printerName_->setText(QStringLiteral("Printer: ") + FromUtf8(m.printing.LPrinterName));
  orientation_->setText(QStringLiteral("Orientation : ") + FromUtf8(m.printing.LOrientation));
  setup_->setEnabled(static_cast<bool>(printerSetup));
  if (QAbstractButton* b = styleSet_->button(m.printing.StyleSet)) b->setChecked(true);
  lbPStyles_->setCurrentRow(m.printing.lbPStyles);
  lbPStyles_->setEnabled(m.printing.StatusListEnabled());
  for (QCheckBox* b : styleBoxes_) b->setEnabled(m.printing.StyleBoxesEnabled());
  lbPReset_->setEnabled(m.printing.StyleBoxesEnabled());
  QFont printerFont(FromUtf8(m.printing.LPFontSample.fontName));
  if (m.printing.LPFontSample.fontSize > 0) printerFont.setPointSize(m.printing.LPFontSample.fontSize);
  const std::uint8_t style = m.printing.LPFontSample.style;
  printerFont.setBold((style & tsBold) != 0);
  printerFont.setItalic((style & tsItalic) != 0);
  printerFont.setUnderline((style & tsUnderline) != 0);
  printerFont.setStrikeOut((style & tsStrikeOut) != 0);
  printerSample_->setFont(printerFont);

  batchPathButtons_[m.batch.OBatchFull ? 0 : 1]->setChecked(true);
  for (QAbstractButton* b : batchPathButtons_) b->setEnabled(m.batch.FullRelativeEnabled());
  batchSample_->setText(FromUtf8(m.batch.OBatchSample));
  toolSample_->setText(FromUtf8(m.tools.LSample));
  pushing_ = false;
}

void OptionsDialog::load(OptionsPage page) {
  model_.screenFonts.clear();
  for (const QString& family : QFontDatabase::families()) model_.screenFonts.push_back(S(family));
  pushing_ = true;
  displayFont_->clear();
  for (const std::string& name : model_.screenFonts) displayFont_->addItem(FromUtf8(name));
  printerFont_->clear();
  if (model_.printer)
    for (const std::string& name : model_.printer->fontNames) printerFont_->addItem(FromUtf8(name));
  pushing_ = false;
  model_.Open(page);
  // Typing stops at the limits; a longer mask already in force is shown whole.
  wildInclude_->setMaxLength(static_cast<int>(std::max(kWildIncludeMaxLength, model_.scanning.WildInclude.size())));
  wildExclude_->setMaxLength(static_cast<int>(std::max(kWildExcludeMaxLength, model_.scanning.WildExclude.size())));
  push();
  FitToScreenHeight(this);
}

bool OptionsDialog::showOn(OptionsPage page) {
  load(page);
  const int result = exec();
  model_.Deactivate();
  return result == QDialog::Accepted;
}

void OptionsDialog::ok() {
  pull();
  model_.Ok();
  accept();
}

void OptionsDialog::save() {
  pull();
  model_.Save();
  accept();
}

}  // namespace quorvane::ui
