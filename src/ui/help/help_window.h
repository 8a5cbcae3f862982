#pragma once
// The help window: one HTML topic at a time from the resource ":/help/topics", chosen by
// name ("Syntax", "Legend", "Comparison_status", ...). Links between topics name the
// topic ("Legend"); an unknown topic shows a short page saying so.
#include <QStringList>
#include <QWidget>

class QTextBrowser;

namespace quorvane::ui {

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the window with the topic; returns whether the topic exists.
  bool showTopic(const QString& name);
  // The topic's HTML as shown, or an empty string when there is none.
  static QString TopicHtml(const QString& name);
  // Every topic the resource holds.
  static QStringList TopicNames();

  const QString& currentTopic() const { return current_; }
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
  QString current_;
};

}  // namespace quorvane::ui
