#include "reports/preview_dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace reports {

namespace {

class TQtPreviewDialogs : public TPreviewDialogs {
 public:
  std::optional<TSaveChoice> AskSaveFile(QWidget* parent, const QString& title, const QStringList& filters, int selected,
                                         const QString& proposedName, const QString& defaultSuffix) override {
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    if (selected >= 0 && selected < filters.size()) dialog.selectNameFilter(filters[selected]);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return TSaveChoice{dialog.selectedFiles().first(), static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
  }

  QString AskOpenFile(QWidget* parent, const QString& title, const QString& filter) override {
    return QFileDialog::getOpenFileName(parent, title, {}, filter);
  }

  std::optional<QString> InputQuery(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& value) override {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &ok);
    if (!ok) return std::nullopt;
    return text;
  }

  bool PrintSetup(QWidget* parent, QPrinter& printer, int pageCount) override {
    QPrintDialog dialog(&printer, parent);
    // Without an installed printer the dialog offers Qt's PDF printer only.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) dialog.setWindowTitle(QStringLiteral("Als PDF drucken"));
    dialog.setMinMax(1, std::max(1, pageCount));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
  }
};

TPreviewDialogs* gInstalled = nullptr;

}  // namespace

TPreviewDialogs& PreviewDialogs() {
  static TQtPreviewDialogs qtDialogs;
  return gInstalled ? *gInstalled : qtDialogs;
}

TPreviewDialogs* SetPreviewDialogs(TPreviewDialogs* dialogs) { return std::exchange(gInstalled, dialogs); }

}  // namespace reports
