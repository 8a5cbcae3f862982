// The splash, the about box, the busy window and the message boxes.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "ui/dialogs/about_box.h"
#include "ui/dialogs/busy_window.h"
#include "ui/dialogs/dialog_texts.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/modal_answer.h"
#include "ui/dialogs/splash_window.h"

namespace quorvane::ui {
namespace {

using platform::Answer;
using platform::MessageButtons;
using platform::MessageKind;

TEST(SplashWindowTest, ClosesByItsTimerAfterTwoAndAHalfSeconds) {
  SplashWindow splash;
  EXPECT_EQ(splash.windowTitle(), "Welcome");
  EXPECT_EQ(splash.status(), "Loading...");
  EXPECT_EQ(splash.findChild<QLabel*>("Version")->text(), "Version 1.6  (32 bit)");
  EXPECT_EQ(splash.findChild<QLabel*>("Comments")->text(), "Visual directory synchronization");
  QElapsedTimer clock;
  clock.start();
  splash.show();
  EXPECT_TRUE(splash.timer().isActive());
  EXPECT_EQ(splash.timer().interval(), 2500);
  splash.setStatus("Init Memory");
  EXPECT_EQ(splash.status(), "Init Memory");
  QTest::qWait(300);
  EXPECT_TRUE(splash.isVisible());  // showing it returned at once and it stays up
  EXPECT_TRUE(QTest::qWaitFor([&] { return !splash.isVisible(); }, 8000));
  EXPECT_GE(clock.elapsed(), 2490);  // the clocks are read a moment apart
  EXPECT_FALSE(splash.timer().isActive());
}

TEST(AboutBoxTest, ShowsWhatTheProgramIsAndItsVersion) {
  AboutBox about;
  EXPECT_EQ(about.windowTitle(), "About");
  EXPECT_EQ(about.findChild<QLabel*>("Comments")->text(), "Archive / directory tree comparison");
  EXPECT_EQ(about.findChild<QLabel*>("Version")->text(), "Version 1.6  (32-bit)");
  EXPECT_FALSE(about.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
  test::WhenModal<AboutBox>([](AboutBox* a) { a->findChild<QPushButton*>("OKButton")->click(); });
  EXPECT_EQ(about.exec(), QDialog::Accepted);
}

TEST(BusyWindowTest, TakesNoInputAndFillsItsBarByPercent) {
  BusyWindow busy;
  EXPECT_TRUE(busy.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(busy.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(busy.testAttribute(Qt::WA_TransparentForMouseEvents));
  busy.showText("Checking moved files...");
  EXPECT_TRUE(busy.isVisible());
  EXPECT_EQ(busy.findChild<QLabel*>("Label1")->text(), "Checking moved files...");
  EXPECT_EQ(busy.filledWidth(), 0);
  const std::pair<int, int> bars[] = {{50, BusyWindow::kBarWidth / 2}, {100, BusyWindow::kBarWidth},
                                      {140, BusyWindow::kBarWidth},   {-5, 0}};
  for (const auto& [percent, width] : bars) {
    busy.setBar(percent);
    EXPECT_EQ(busy.filledWidth(), width) << percent;
  }
}

TEST(MessageBoxTest, LineBreaksOfTheCoreBecomeNewlines) {
  EXPECT_EQ(WindowText("a\rb\r\nc\n\rd"), "a\nb\nc\n\nd");
  EXPECT_EQ(WindowText("Error for NEW directory (does not exist ?) :\r/x/"),
            "Error for NEW directory (does not exist ?) :\n/x/");
}

TEST(MessageBoxTest, EachButtonOfEachSetGivesItsAnswer) {
  struct Case {
    MessageButtons buttons;
    QMessageBox::StandardButton pressed;
    Answer answer;
  };
  const Case cases[] = {
      {MessageButtons::Ok, QMessageBox::Ok, Answer::Ok},
      {MessageButtons::OkCancel, QMessageBox::Ok, Answer::Ok},
      {MessageButtons::OkCancel, QMessageBox::Cancel, Answer::Cancel},
      {MessageButtons::YesNo, QMessageBox::Yes, Answer::Yes},
      {MessageButtons::YesNo, QMessageBox::No, Answer::No},
      {MessageButtons::YesNoCancel, QMessageBox::Cancel, Answer::Cancel},
      {MessageButtons::YesCancel, QMessageBox::Yes, Answer::Yes},
      {MessageButtons::AbortRetry, QMessageBox::Abort, Answer::Abort},
      {MessageButtons::AbortRetry, QMessageBox::Retry, Answer::Retry},
      {MessageButtons::RetryCancel, QMessageBox::Retry, Answer::Retry},
  };
  for (const Case& c : cases) {
    QStringList offered;
    QString text;
    test::WhenModal<QMessageBox>([&](QMessageBox* box) {
      for (QAbstractButton* b : box->buttons()) offered << b->text();
      text = box->text();
      box->button(c.pressed)->click();
    });
    EXPECT_EQ(ShowMessage(nullptr, "first\rsecond", MessageKind::Warning, c.buttons), c.answer)
        << static_cast<int>(c.buttons);
    EXPECT_EQ(offered.size(), MessageButtonList(c.buttons).size());
    EXPECT_EQ(text, "first\nsecond");
  }
}

TEST(MessageBoxTest, EscapeGivesTheSafeAnswerAndKindsHaveTheirIcons) {
  const std::pair<MessageButtons, Answer> cases[] = {
      {MessageButtons::OkCancel, Answer::Cancel}, {MessageButtons::YesNo, Answer::No},
      {MessageButtons::AbortRetry, Answer::Abort}, {MessageButtons::Ok, Answer::Ok}};
  for (const auto& [buttons, answer] : cases) {
    test::WhenModal<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(ShowMessage(nullptr, "?", MessageKind::Confirmation, buttons), answer) << static_cast<int>(buttons);
  }
  EXPECT_EQ(MessageIcon(MessageKind::Error), QMessageBox::Critical);
  EXPECT_EQ(MessageIcon(MessageKind::Warning), QMessageBox::Warning);
  EXPECT_EQ(MessageIcon(MessageKind::Information), QMessageBox::Information);
  EXPECT_EQ(MessageIcon(MessageKind::Confirmation), QMessageBox::Question);
  // A result no button of the set gives falls back to the safe answer.
  EXPECT_EQ(AnswerOf(QMessageBox::Yes, MessageButtons::OkCancel), Answer::Cancel);
}

}  // namespace
}  // namespace quorvane::ui
