#include "ui/help/help_window.h"

#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "config/command_line.h"

// A static library's resources are registered by hand once.
static void initHelpResources() {
  static bool done = false;
  if (done) return;
  done = true;
  Q_INIT_RESOURCE(help_topics);
}

namespace quorvane::ui {

namespace {

const QString kTopicDir = QStringLiteral(":/help/topics/");
// The Syntax topic holds this marker where the usage text of --help goes, so that the
// text has one source.
const QString kUsageMarker = QStringLiteral("<!--USAGE-->");

QString notFoundPage(const QString& name) {
  return QStringLiteral("<html><head><title>Topic not found</title></head><body><h2>Topic not found</h2>"
                        "<p>There is no help topic named \"%1\".</p>"
                        "<p>See <a href=\"Main_window\">The main window</a> or "
                        "<a href=\"Quick_start\">Quick start</a>.</p></body></html>")
      .arg(name.toHtmlEscaped());
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  initHelpResources();
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Quorvane Help"));
  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme().isEmpty() && !url.path().isEmpty()) showTopic(url.path());
  });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(640, 520);
}

QString HelpWindow::TopicHtml(const QString& name) {
  initHelpResources();
  if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('.'))) return {};
  QFile file(kTopicDir + name + QStringLiteral(".html"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QString html = QString::fromUtf8(file.readAll());
  if (html.contains(kUsageMarker)) html.replace(kUsageMarker, QString::fromUtf8(UsageText()).toHtmlEscaped());
  return html;
}

QStringList HelpWindow::TopicNames() {
  initHelpResources();
  QStringList names;
  for (const QString& file : QDir(kTopicDir).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name))
    names << file.chopped(5);
  return names;
}

bool HelpWindow::showTopic(const QString& name) {
  QString html = TopicHtml(name);
  const bool found = !html.isEmpty();
  if (!found) html = notFoundPage(name);
  current_ = name;
  browser_->setHtml(html);
  show();
  raise();
  activateWindow();
  return found;
}

}  // namespace quorvane::ui
