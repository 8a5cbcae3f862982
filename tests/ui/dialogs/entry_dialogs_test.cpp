// The search dialog, the file information dialog, the user tool dialog borrowing the
// options dialog's group, and the input box, on the offscreen platform.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "ui/dialogs/dialog_user_interface.h"
#include "ui/dialogs/file_info_dialog.h"
#include "ui/dialogs/modal_answer.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/dialogs/search_dialog.h"
#include "ui/dialogs/user_tool_dialog.h"
#include "support/comparison_fixture.h"
#include "support/temp_ini.h"

namespace quorvane::ui {
namespace {

class SearchDialogTest : public ::testing::Test, protected test::ComparisonFixture {
 protected:
  SearchDialogTest() : test::ComparisonFixture(nullptr), dialog(c.Display, ui) {
    for (const char* path : {"alpha.c", "sub\\read.me.TXT", "beta.c", "gamma.txt"}) {
      ScanRecord r;
      r.Path = path;
      c.Display.Items().push_back(c.Files.CreateEntry(r, Side::New));
    }
    dialog.found = [this](std::int32_t row) { rows.push_back(row); };
  }
  TSearchDlg dialog;
  std::vector<std::int32_t> rows;
};

TEST_F(SearchDialogTest, EnterSearchesFromTheTopAndKeepsTheDialogOpen) {
  EXPECT_EQ(dialog.windowTitle(), "Search in displayed list");
  EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "&Filename (or part of name) to find :");
  EXPECT_FALSE(dialog.nextButton()->isEnabled());
  EXPECT_TRUE(dialog.searchButton()->isDefault());
  dialog.show();
  QTest::keyClicks(dialog.edit(), "TxT");
  QTest::keyClick(dialog.edit(), Qt::Key_Return);
  EXPECT_EQ(rows, std::vector<std::int32_t>{2});
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.nextButton()->isEnabled());
  EXPECT_EQ(dialog.strip()->percent(), 50);  // stopped after the second of four entries
  QTest::keyClick(dialog.edit(), Qt::Key_Return);
  EXPECT_EQ(rows, (std::vector<std::int32_t>{2, 2}));  // again from the top
  EXPECT_TRUE(ui.asked().empty());
  dialog.hide();
}

TEST_F(SearchDialogTest, SearchAndNextCloseTheDialogAndNextNeverWraps) {
  dialog.edit()->setText("txt");
  test::WhenModal<TSearchDlg>([](TSearchDlg* d) { d->searchButton()->click(); });
  dialog.showSearch();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(rows, std::vector<std::int32_t>{2});
  test::WhenModal<TSearchDlg>([](TSearchDlg* d) { d->nextButton()->click(); });
  dialog.showSearch();
  EXPECT_EQ(rows, (std::vector<std::int32_t>{2, 4}));
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_TRUE(dialog.nextButton()->isEnabled());
  test::WhenModal<TSearchDlg>([](TSearchDlg* d) { d->nextButton()->click(); });
  dialog.showSearch();
  EXPECT_EQ(rows.size(), 2u);
  ASSERT_EQ(ui.asked().size(), 1u);
  EXPECT_EQ(ui.asked()[0].text, "\"txt\" :\rNot found");
  EXPECT_FALSE(dialog.nextButton()->isEnabled());

  // F3: from the entry after the grid's current row; nothing on the last row.
  dialog.searchNext(1);
  EXPECT_EQ(rows.back(), 2);
  dialog.searchNext(4);
  EXPECT_EQ(rows.size(), 3u);
  EXPECT_EQ(ui.asked().size(), 1u);
}

TEST_F(SearchDialogTest, ShowingTheDialogResetsTheStripAndSelectsTheText) {
  dialog.edit()->setText("beta");
  dialog.show();
  QTest::keyClick(dialog.edit(), Qt::Key_Return);
  EXPECT_EQ(dialog.strip()->percent(), 75);
  dialog.hide();
  dialog.show();
  EXPECT_EQ(dialog.strip()->percent(), 0);
  EXPECT_EQ(dialog.edit()->selectedText(), "beta");
  // The strip: bright green under a dark green band up to the fraction, button face after.
  dialog.strip()->resize(200, 12);
  dialog.strip()->setPercent(50);
  const QImage strip = dialog.strip()->grab().toImage();
  EXPECT_EQ(strip.pixelColor(10, 0), QColor(0, 0x80, 0));
  EXPECT_EQ(strip.pixelColor(10, 6), QColor(0, 0xFF, 0));
  EXPECT_EQ(strip.pixelColor(150, 6), dialog.strip()->palette().color(QPalette::Button));
  dialog.hide();
}

TEST(FileInfoDialogTest, ShowsTheTextsBoldAndDisabledLabelsAndTheDiagnosticPanel) {
  FileInformation info;
  info.name = "moved.dat";
  info.status = "Deleted   ";
  info.movedTo = "archive\\";
  info.newSide = {false, "<n/a>", "<n/a>", "<n/a>", "<n/a>", "<n/a>", "<n/a>"};
  info.oldSide = {true, "01/03/2024", "12:00:00", "10", "0A1B2C3D", "- - - A", "58612000"};
  info.sizeBold = true;
  TFileInfoDlg dialog;
  EXPECT_EQ(dialog.windowTitle(), "File information");
  dialog.fill(info, false);
  EXPECT_EQ(dialog.label("LName")->text(), "moved.dat");
  EXPECT_EQ(dialog.label("LStatus")->text(), "Deleted   ");
  EXPECT_EQ(dialog.label("LMovedTo")->text(), "archive\\");
  EXPECT_EQ(dialog.label("LOCrc")->text(), "0A1B2C3D");
  EXPECT_FALSE(dialog.label("LNDate")->isEnabled());
  EXPECT_TRUE(dialog.label("LODate")->isEnabled());
  EXPECT_TRUE(dialog.label("LNSize")->font().bold());
  EXPECT_TRUE(dialog.label("LOSize")->font().bold());
  EXPECT_FALSE(dialog.label("LOCrc")->font().bold());
  EXPECT_TRUE(dialog.findChild<QWidget*>("pnDebug")->isHidden());
  dialog.fill(info, true);
  EXPECT_FALSE(dialog.findChild<QWidget*>("pnDebug")->isHidden());
  EXPECT_EQ(dialog.label("LOTimeStamp")->text(), "58612000");

  QSignalSpy help(&dialog, &TFileInfoDlg::helpRequested);
  test::WhenModal<TFileInfoDlg>([](TFileInfoDlg* d) {
    d->findChild<QPushButton*>("bnHelp")->click();
    QTest::keyClick(d, Qt::Key_Escape);
  });
  dialog.showAt(info, false, QPoint(120, 140));
  ASSERT_EQ(help.count(), 1);
  EXPECT_EQ(help.at(0).at(0).toString(), "File_information");
  EXPECT_EQ(dialog.pos(), QPoint(120, 140));
}

TEST(UserToolDialogTest, BorrowsTheOptionsGroupAndGivesItBack) {
  test::TempIni ini;
  test::ComparisonFixture f(nullptr);
  f.settings.DefaultUserTool = "meld";
  f.settings.DefaultUserParms = "%n %o";
  OptionsDialog options(f.c);
  options.load(OptionsPage::Tools);
  auto* group = options.findChild<QGroupBox*>("gbUserTool");
  ASSERT_NE(group, nullptr);
  QWidget* home = group->parentWidget();

  TfrmUserTool dialog;
  EXPECT_EQ(dialog.windowTitle(), "Choose user tool");
  UserToolFields fields{"meld", "%n %o", true};
  QString sample;
  test::WhenModal<TfrmUserTool>([&](TfrmUserTool* d) {
    ASSERT_EQ(d->group(), group);
    EXPECT_EQ(group->parentWidget(), d);
    EXPECT_EQ(group->y(), 8);
    EXPECT_EQ(d->height(), group->height() + 16);
    EXPECT_EQ(group->findChild<QLineEdit*>("edDefaultUserTool")->text(), "meld");
    QLineEdit* parms = group->findChild<QLineEdit*>("edDefaultUserParms");
    parms->selectAll();
    QTest::keyClicks(parms, "%o %n");
    sample = group->findChild<QLabel*>("LSample")->text();
    group->findChild<QCheckBox*>("cbConfirmDefaultUserTool")->click();
    d->okButton()->click();
  });
  EXPECT_TRUE(dialog.choose(options, fields));
  EXPECT_EQ(fields.edDefaultUserTool, "meld");
  EXPECT_EQ(fields.edDefaultUserParms, "%o %n");
  EXPECT_FALSE(fields.cbConfirmDefaultUserTool);
  EXPECT_TRUE(sample.contains("meld")) << sample.toStdString();
  EXPECT_EQ(group->parentWidget(), home);
  EXPECT_EQ(dialog.group(), nullptr);

  test::WhenModal<TfrmUserTool>([](TfrmUserTool* d) { QTest::keyClick(d, Qt::Key_Escape); });
  UserToolFields unchanged{"x", "%n", true};
  EXPECT_FALSE(dialog.choose(options, unchanged));
  EXPECT_EQ(unchanged.edDefaultUserTool, "x");
  EXPECT_EQ(group->parentWidget(), home);
}

TEST(InputBoxTest, ShowsTitlePromptAndTextAndAnswersTheEditedText) {
  DialogUserInterface ui;
  test::WhenModal<QInputDialog>([](QInputDialog* box) {
    EXPECT_EQ(box->windowTitle(), "Please confirm default viewer");
    EXPECT_EQ(box->labelText(), "Viewer program to run:");
    EXPECT_EQ(box->textValue(), "xdg-open");
    box->setTextValue("less");
    box->accept();
  });
  EXPECT_EQ(ui.inputBox("Please confirm default viewer", "Viewer program to run:", "xdg-open"),
            std::optional<std::string>("less"));
  test::WhenModal<QInputDialog>([](QInputDialog* box) { box->reject(); });
  EXPECT_EQ(ui.inputBox("t", "p", "x"), std::nullopt);
}

}  // namespace
}  // namespace quorvane::ui
