// TQRStandardPreview: the text search and the "Suchergebnisse" page.
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "reports/page_store.h"
#include "reports/preview.h"
#include "ui/page_control.h"

namespace reports {

namespace {

constexpr int kMatchRole = Qt::UserRole;  // index into the matches; -1 on a page node

// The close mark "x": grey, in the highlight colour while the mouse is over it.
class TCloseMark : public QLabel {
 public:
  TCloseMark(QWidget* parent, std::function<void()> onClick) : QLabel(QStringLiteral("x"), parent), fOnClick(std::move(onClick)) {
    setObjectName(QStringLiteral("lbCloseMark"));
    setToolTip(QStringLiteral("Suchergebnisse schließen"));
    setCursor(Qt::PointingHandCursor);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    Paint(false);
  }

 protected:
  void enterEvent(QEnterEvent*) override { Paint(true); }
  void leaveEvent(QEvent*) override { Paint(false); }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && fOnClick) fOnClick();
  }

 private:
  void Paint(bool hot) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, hot ? colours.color(QPalette::Highlight) : QColor(128, 128, 128));
    setPalette(colours);
  }
  std::function<void()> fOnClick;
};

}  // namespace

void TQRStandardPreview::BuildSearchPage() {
  tsSearch = new QWidget(pcLeft);
  tsSearch->setObjectName(QStringLiteral("tsSearch"));
  auto* layout = new QVBoxLayout(tsSearch);
  layout->setContentsMargins(2, 2, 2, 2);
  gbSearchText = new QGroupBox(QStringLiteral("Suchtext"), tsSearch);
  auto* header = new QHBoxLayout(gbSearchText);
  lbSearchText = new QLabel(gbSearchText);
  lbSearchText->setObjectName(QStringLiteral("lbSearchText"));
  lbCloseMark = new TCloseMark(gbSearchText, [this] { CloseSearch(); });
  header->addWidget(lbSearchText, 1);
  header->addWidget(lbCloseMark);
  layout->addWidget(gbSearchText);
  tvResults = new QTreeWidget(tsSearch);
  tvResults->setObjectName(QStringLiteral("tvResults"));
  tvResults->setHeaderHidden(true);
  tvResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
  layout->addWidget(tvResults, 1);
  connect(tvResults, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { ShowMatch(item); });
  connect(tvResults, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { ShowMatch(item); });
}

bool TQRStandardPreview::GetTextSearch(bool& matchCase, QString& text) const {
  matchCase = acMatchCase->isChecked();
  text = edSearch->text();
  return !text.isEmpty();
}

void TQRStandardPreview::DoSearch() {
  bool matchCase = false;
  QString text;
  if (!GetTextSearch(matchCase, text)) return;
  const int searchIndex = pcLeft->indexOf(tsSearch);
  pcLeft->setTabVisible(searchIndex, true);
  pcLeft->setVisible(true);
  pcLeft->setCurrentIndex(searchIndex);
  lbSearchText->setText(text);
  fBlinkTimer.stop();
  qrView->SetHighlights({});
  {
    const QSignalBlocker blocker(tvResults);
    tvResults->clear();
  }
  fMatches.clear();
  tvResults->setEnabled(true);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QTreeWidgetItem* firstMatch = nullptr;
  for (int page = 0; page < fStore->PageCount(); ++page) {
    const auto found = FindOnPage(fStore->Page(page), page, text, matchCase);
    if (found.empty()) continue;
    auto* pageNode = new QTreeWidgetItem(tvResults, {QStringLiteral("Seite %1").arg(page + 1)});
    pageNode->setData(0, kMatchRole, -1);
    for (const TSearchMatch& match : found) {
      auto* node = new QTreeWidgetItem(pageNode, {match.found});
      node->setData(0, kMatchRole, static_cast<int>(fMatches.size()));
      fMatches.push_back(match);
      if (!firstMatch) firstMatch = node;
    }
    pageNode->setExpanded(true);
    QCoreApplication::processEvents();
  }
  QApplication::restoreOverrideCursor();
  if (firstMatch) {
    tvResults->setCurrentItem(firstMatch);
  } else {
    new QTreeWidgetItem(tvResults, {QStringLiteral("Suchtext nicht gefunden")});
    tvResults->setEnabled(false);
  }
}

void TQRStandardPreview::ShowMatch(QTreeWidgetItem* item) {
  if (!item) return;
  // A page node stands for its first match.
  if (item->data(0, kMatchRole).toInt() < 0 && item->childCount() > 0) item = item->child(0);
  bool ok = false;
  const int index = item->data(0, kMatchRole).toInt(&ok);
  if (!ok || index < 0 || index >= static_cast<int>(fMatches.size())) return;
  const TSearchMatch& match = fMatches[index];
  SelectPage(match.page + 1);
  qrView->SetHighlights({match.rect});
  qrView->EnsureVisible(match.rect);
  fBlinkTimer.start();
}

void TQRStandardPreview::BlinkHighlight() { qrView->SetHighlightVisible(!qrView->HighlightVisible()); }

void TQRStandardPreview::CloseSearch() {
  fBlinkTimer.stop();
  qrView->SetHighlights({});
  pcLeft->setTabVisible(pcLeft->indexOf(tsSearch), false);
  UpdateThumbTab();
}

}  // namespace reports
