#pragma once
// The seam through which the preview asks for file names, a page number and
// the print set-up. The program uses the Qt dialogs; tests install their own.
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

namespace reports {

struct TSaveChoice {
  QString path;
  int filterIndex = 0;  // into the offered filters
};

class TPreviewDialogs {
 public:
  virtual ~TPreviewDialogs() = default;
  // filters: "description (*.ext)" each; selected: the one preselected.
  virtual std::optional<TSaveChoice> AskSaveFile(QWidget* parent, const QString& title, const QStringList& filters,
                                                 int selected, const QString& proposedName,
                                                 const QString& defaultSuffix) = 0;
  virtual QString AskOpenFile(QWidget* parent, const QString& title, const QString& filter) = 0;
  // The text entered, or none when cancelled.
  virtual std::optional<QString> InputQuery(QWidget* parent, const QString& caption, const QString& prompt,
                                            const QString& value) = 0;
  // Printer, page range and copies; false when cancelled.
  virtual bool PrintSetup(QWidget* parent, QPrinter& printer, int pageCount) = 0;
};

TPreviewDialogs& PreviewDialogs();
// Installs dialogs (null: the Qt ones) and answers the ones replaced.
TPreviewDialogs* SetPreviewDialogs(TPreviewDialogs* dialogs);

}  // namespace reports
