// Printing to a PDF file through QUORVANE_PRINT_PDF, without a display. The PDF's text,
// pages and fonts are read back with poppler's tools when they are installed.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/run_comparison.h"
#include "platform/file_replace.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "ui/printing/printer.h"
#include "reports/diff_report.h"
#include "sources/set_readers.h"
#include "support/temp_tree.h"

// Fontconfig keeps its configuration until the process ends (Qt never calls FcFini): not a
// leak of ours. Read by LeakSanitizer in the sanitizer build; unused otherwise.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace quorvane {
namespace {

bool toolInstalled(const char* tool) {
  return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// Standard output of a command, or "" when it failed.
std::string outputOf(const std::string& command) {
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
    if (pclose(pipe) != 0) return {};
  }
  return text;
}

class PdfPrintTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  PdfPrintTest() : ComparisonFixture(nullptr), printer(MakePrinterPort(ui)) {
    setenv("TZ", "UTC", 1);
    tzset();
    pdf = out.path("print.pdf");
    setenv("QUORVANE_PRINT_PDF", pdf.c_str(), 1);
    settings.CloseProgressDlg = true;
    settings.PrinterFontName = "DejaVu Sans Mono";
  }
  ~PdfPrintTest() override { unsetenv("QUORVANE_PRINT_PDF"); }

  void compareTrees(int extraFiles) {
    constexpr std::int64_t T = 1709287200;
    fresh.file("same.txt", "same", T);
    old.file("same.txt", "same", T);
    fresh.file("changed.txt", "abcdef", T + 60);
    old.file("changed.txt", "abc", T);
    fresh.file("sub/inserted.txt", "new", T);
    old.file("gone/deleted.txt", "old", T);
    for (int i = 0; i < extraFiles; ++i) fresh.file("many/file" + std::to_string(1000 + i) + ".txt", "x", T);
    c.State.NewSet = {SetKind::Directory, fresh.root(), ChecksumKind::Crc32};
    c.State.OldSet = {SetKind::Directory, old.root(), ChecksumKind::Crc32};
    SetSourceReaders readers;
    ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed);
  }

  bool print() {
    DiffReportOptions options;
    options.Printer = printer.get();
    options.Now = [] { return LocalDateTime{2026, 1, 2, 3, 4, 5}; };
    return WriteDiffReport(c, "[Printer]", options);
  }

  // The text of the PDF with every run of blanks made one: the extraction places words
  // by their position on the page, so it may widen a gap by a blank.
  std::string pdfText() {
    std::string text;
    for (char ch : outputOf("pdftotext -layout '" + pdf + "' -")) {
      if (!(ch == ' ' && !text.empty() && text.back() == ' ')) text += ch;
    }
    return text;
  }

  test::TempTree fresh, old, out;
  std::unique_ptr<PrinterPort> printer;
  std::string pdf;
};

TEST_F(PdfPrintTest, AReportPrintsToThePdfFileWithItsText) {
  compareTrees(0);
  settings.DiffDblColumn = true;
  settings.DiffSize = true;
  ASSERT_TRUE(print());
  EXPECT_EQ(ui.printProgress().caption, "Printing");
  EXPECT_EQ(ui.printProgress().status, pdf);
  EXPECT_TRUE(ui.asked().empty());
  std::string bytes;
  ASSERT_TRUE(platform::readWholeFile(pdf, bytes));
  ASSERT_EQ(bytes.rfind("%PDF", 0), 0u);

  if (!toolInstalled("pdftotext")) GTEST_SKIP() << "pdftotext is not installed";
  const std::string text = pdfText();
  for (const char* expected :
       {"[Quorvane DIFF file]", "Generated on : 01/02/2026 03:04:05", "Files listed : 4 of 4", "New name New size",
        "CRC differs Newer Bigger changed.txt 6 changed.txt 3", "Deleted deleted.txt 3 gone\\",
        "Inserted inserted.txt 3 sub\\"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
}

TEST_F(PdfPrintTest, LongReportsContinueOnNewPagesWithNoLineLost) {
  compareTrees(150);
  ASSERT_TRUE(print());
  if (!toolInstalled("pdftotext")) GTEST_SKIP() << "pdftotext is not installed";
  const std::string text = pdfText();
  std::size_t pages = 0;
  for (char ch : text) pages += ch == '\f';
  EXPECT_GE(pages, 3u);  // about 70 lines a page in 10 points
  std::size_t at = 0;
  for (int i = 0; i < 150; ++i) {
    const std::string name = "many\\file" + std::to_string(1000 + i) + ".txt";
    const std::size_t found = text.find(name, at);
    ASSERT_NE(found, std::string::npos) << name << " missing or out of order";
    at = found;
  }
}

TEST_F(PdfPrintTest, StylesAndLandscapeReachThePage) {
  compareTrees(0);
  settings.DiffDblColumn = true;
  settings.PrinterStyleSet = 1;
  settings.PrinterOrientation = 1;
  ASSERT_TRUE(print());
  if (!toolInstalled("pdffonts") || !toolInstalled("pdfinfo")) GTEST_SKIP() << "poppler-utils are not installed";
  const std::string fonts = outputOf("pdffonts '" + pdf + "'");
  EXPECT_NE(fonts.find("Bold"), std::string::npos) << fonts;  // CRC differs is bold in the Standard set
  const std::string info = outputOf("pdfinfo '" + pdf + "'");
  const std::size_t size = info.find("Page size:");
  ASSERT_NE(size, std::string::npos) << info;
  double width = 0, height = 0;
  ASSERT_EQ(std::sscanf(info.c_str() + size, "Page size: %lf x %lf", &width, &height), 2) << info;
  EXPECT_GT(width, height) << info;

  // None: one plain font only, portrait.
  settings.PrinterStyleSet = 0;
  settings.PrinterOrientation = 0;
  ASSERT_TRUE(print());
  EXPECT_EQ(outputOf("pdffonts '" + pdf + "'").find("Bold"), std::string::npos);
  const std::string portrait = outputOf("pdfinfo '" + pdf + "'");
  ASSERT_EQ(std::sscanf(portrait.c_str() + portrait.find("Page size:"), "Page size: %lf x %lf", &width, &height), 2);
  EXPECT_LT(width, height);
}

TEST_F(PdfPrintTest, AFontThatCannotBeSetWarnsOnlyOutsideAutomaticMode) {
  compareTrees(0);
  settings.PrinterFontSize = 0;
  ASSERT_TRUE(print());
  ASSERT_EQ(ui.asked().size(), 1u);
  EXPECT_EQ(ui.asked()[0].text, "Error setting printer font size");
  settings.AutoMode = true;
  ASSERT_TRUE(print());
  EXPECT_EQ(ui.asked().size(), 1u);
}

TEST_F(PdfPrintTest, APdfFileThatCannotBeWrittenIsReported) {
  compareTrees(0);
  const std::string bad = out.path("no/such/dir/print.pdf");
  setenv("QUORVANE_PRINT_PDF", bad.c_str(), 1);
  EXPECT_FALSE(print());
  ASSERT_FALSE(ui.asked().empty());
  EXPECT_EQ(ui.asked().back().text, "Error writing to :\r[Printer]");
  EXPECT_FALSE(c.State.ResultsSaved);
}

}  // namespace
}  // namespace quorvane
