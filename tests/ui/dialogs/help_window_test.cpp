// The help window shows every topic the program opens, the usage text of --help in
// "Syntax", and a short page for a topic it does not have.
#include <gtest/gtest.h>

#include <QTextBrowser>

#include "config/command_line.h"
#include "ui/help/help_window.h"

namespace quorvane::ui {
namespace {

// Every topic a window or the program asks for.
const char* const kTopics[] = {
    "Syntax",           "Legend",           "Quick_start",      "WhatsNew",
    "Comparison_status", "Open_directory",  "IncludeExcludeDirectories", "FileOperations",
    "File_information", "File_operation_status", "Synchronization", "Options_Scanning",
    "Options_Filters",  "Options_User",     "Options_Display",  "Options_Layout",
    "Options_Printing", "Options_Batch",    "Options_Tools",    "Choose_file_type",
    "Main_window",
};

TEST(HelpWindowTest, EveryTopicShowsWithItsTitle) {
  HelpWindow help;
  for (const char* topic : kTopics) {
    EXPECT_TRUE(help.showTopic(topic)) << topic;
    EXPECT_EQ(help.currentTopic(), topic);
    EXPECT_FALSE(help.browser()->documentTitle().isEmpty()) << topic;
    EXPECT_NE(help.browser()->documentTitle(), "Topic not found") << topic;
    EXPECT_GT(help.browser()->toPlainText().size(), 100) << topic;
  }
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(HelpWindow::TopicNames().size(), static_cast<qsizetype>(std::size(kTopics)));
}

TEST(HelpWindowTest, SyntaxHoldsTheUsageTextOfTheCommandLine) {
  HelpWindow help;
  ASSERT_TRUE(help.showTopic("Syntax"));
  const QString shown = help.browser()->toPlainText();
  for (const QString& line : QString::fromUtf8(UsageText()).split('\n', Qt::SkipEmptyParts))
    EXPECT_TRUE(shown.contains(line)) << line.toStdString();
}

TEST(HelpWindowTest, AnUnknownTopicShowsAShortPage) {
  HelpWindow help;
  for (const char* topic : {"No_such_topic", "", "../Syntax", "Syntax.html"}) {
    EXPECT_FALSE(help.showTopic(topic)) << topic;
    EXPECT_EQ(help.browser()->documentTitle(), "Topic not found") << topic;
  }
}

TEST(HelpWindowTest, ALinkOpensTheTopicItNames) {
  HelpWindow help;
  help.showTopic("Main_window");
  emit help.browser()->anchorClicked(QUrl("Legend"));
  EXPECT_EQ(help.currentTopic(), "Legend");
}

}  // namespace
}  // namespace quorvane::ui
