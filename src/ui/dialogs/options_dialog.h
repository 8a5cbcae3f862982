#pragma once
// The Options dialog ("Options"): eight pages on a tab strip at the bottom over
// OptionsDialogModel, which holds every control's value and does what the events do. The
// window only mirrors the model: an edit is read into the model, its event runs, and the
// model is shown again.
#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

#include "program/options_dialog_model.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace quorvane::ui {

class OptionsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit OptionsDialog(Comparison& comparison, QWidget* parent = nullptr);

  // Shows the dialog modally on a page; true for OK and Save. The notices of the store
  // are then in model().lastNotices().
  bool showOn(OptionsPage page);
  // Loads and shows the dialog without running it (showOn without the modal loop).
  void load(OptionsPage page);
  OptionsDialogModel& model() { return model_; }
  QTabWidget* pages() const { return tabs_; }

  // The printer set-up dialog: the printer afterwards, none when there is none. Without
  // it the Setup button is disabled.
  std::function<std::optional<PrinterFacts>()> printerSetup;

  void ok();
  void save();

 signals:
  void helpRequested(const QString& topic);

 private:
  struct CheckBinding {
    QAbstractButton* box;
    bool* field;
  };
  struct TextBinding {
    QLineEdit* edit;
    std::string* field;
  };
  struct ComboTextBinding {
    QComboBox* combo;
    std::string* field;
  };
  struct SpinBinding {
    QSpinBox* spin;
    int* field;
  };

  QCheckBox* check(QVBoxLayout* layout, const char* name, const char* caption, bool& field,
                   std::function<void()> event = {});
  QLineEdit* edit(QVBoxLayout* layout, const char* name, const char* caption, std::string& field,
                  std::function<void()> event = {});
  QComboBox* fontCombo(QVBoxLayout* layout, const char* name, std::string& field, std::function<void()> event);
  // Reads every control into the model, runs event, shows the model again.
  void run(const std::function<void()>& event);
  void pull();
  void push();
  void pickProgram(std::string& field, std::string_view title);

  void buildScanning();
  void buildFilters();
  void buildUser();
  void buildDisplay();
  void buildLayout();
  void buildPrinting();
  void buildBatch();
  void buildTools();

  OptionsDialogModel model_;
  bool pushing_ = false;
  QTabWidget* tabs_ = nullptr;
  QPushButton* switch_ = nullptr;
  std::vector<CheckBinding> checks_;
  std::vector<TextBinding> texts_;
  std::vector<ComboTextBinding> comboTexts_;
  std::vector<SpinBinding> spins_;

  QGroupBox* gbExcludeFilters_ = nullptr;
  QGroupBox* gbIgnoreFilters_ = nullptr;
  QGroupBox* gbFilterOptions_ = nullptr;
  QLabel* snapshotPanel_ = nullptr;
  QComboBox* cbTemplates_ = nullptr;
  QButtonGroup* countryGroup_ = nullptr;
  QCheckBox* statusBoxes_[kStatusCount] = {};
  QComboBox* cbColorSet_ = nullptr;
  QListWidget* lbStyles_ = nullptr;
  QPushButton* colourButtons_[3] = {};
  QLabel* fontSample_ = nullptr;
  QLabel* layoutSample_ = nullptr;
  QLabel* printerName_ = nullptr;
  QLabel* orientation_ = nullptr;
  QPushButton* setup_ = nullptr;
  QButtonGroup* styleSet_ = nullptr;
  QListWidget* lbPStyles_ = nullptr;
  QCheckBox* styleBoxes_[4] = {};
  QPushButton* lbPReset_ = nullptr;
  QLabel* printerSample_ = nullptr;
  QButtonGroup* batchFull_ = nullptr;
  QAbstractButton* batchPathButtons_[2] = {};
  QLabel* batchSample_ = nullptr;
  QLabel* toolSample_ = nullptr;
  QCheckBox* ignorePath_ = nullptr;
  QLineEdit* wildInclude_ = nullptr;
  QLineEdit* wildExclude_ = nullptr;
  QComboBox* displayFont_ = nullptr;
  QComboBox* printerFont_ = nullptr;
};

}  // namespace quorvane::ui
