#include "ui/list_view.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

#include <algorithm>

#include "platform/registry.h"
#include "ui/control_scale.h"
#include "ui/save_pos_form.h"

namespace ui {

TQVListView::TQVListView(QWidget* parent)
    : QTreeWidget(parent), fDefaultColumnPrintPM(new QMenu(this)) {
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  header()->setSectionsClickable(true);
  header()->setSortIndicatorShown(false);
  header()->installEventFilter(this);
  fDefaultColumnPrintPM->addAction(QStringLiteral("Drucken ..."), this, &TQVListView::OnDefaultColumnPrint);

  connect(header(), &QHeaderView::sectionClicked, this, &TQVListView::HeaderClicked);
  connect(header(), &QHeaderView::sectionResized, this,
          [this] { fColumnResizing = QGuiApplication::mouseButtons() & Qt::LeftButton; });
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { ShowPopup(false, viewport()->mapToGlobal(pos)); });
  header()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(header(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { ShowPopup(true, header()->mapToGlobal(pos)); });

  const auto countChanged = [this] { UpdateInfoLabel(); };
  connect(model(), &QAbstractItemModel::rowsInserted, this, countChanged);
  connect(model(), &QAbstractItemModel::rowsRemoved, this, countChanged);
  connect(model(), &QAbstractItemModel::modelReset, this, countChanged);
  connect(model(), &QAbstractItemModel::dataChanged, this,
          [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
            if (roles.isEmpty() || roles.contains(Qt::CheckStateRole)) UpdateInfoLabel();
          });
}

QTreeWidgetItem* TQVListView::AddItem(const QString& caption, const QStringList& subItems, bool checked) {
  auto* item = new QTreeWidgetItem(QStringList{caption} + subItems);
  if (fCheckBoxes) item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
  addTopLevelItem(item);
  return item;
}

void TQVListView::setOrder(int column, bool desc) {
  if (column < 0 || column >= columnCount()) return;
  fSortCol = column;
  fSortDesc = desc;
  Sort();
}

int TQVListView::Compare(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const {
  if (fAlterSortFunc) return fAlterSortFunc(a, b, fSortCol);
  return a->text(fSortCol).compare(b->text(fSortCol), Qt::CaseSensitive);
}

void TQVListView::Sort() {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  QTreeWidgetItem* current = currentItem();
  fSorting = true;
  QList<QTreeWidgetItem*> items = invisibleRootItem()->takeChildren();
  std::stable_sort(items.begin(), items.end(), [this](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
    const int order = Compare(a, b);
    return fSortDesc ? order > 0 : order < 0;
  });
  addTopLevelItems(items);
  fSorting = false;
  if (current) setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
  for (QTreeWidgetItem* item : selected) item->setSelected(true);
  ShowSortImages();
}

void TQVListView::ShowSortImages() {
  if (!fAutoSort || fSmallImages.size() != 2) return;
  for (int column = 0; column < columnCount(); ++column)
    headerItem()->setIcon(column, column == fSortCol ? fSmallImages.at(fSortDesc ? 0 : 1) : QIcon());
}

void TQVListView::HeaderClicked(int column) {
  if (!fAutoSort) return;
  if (column == fSortCol) {
    fSortDesc = !fSortDesc;
  } else {
    fSortCol = column;
    fSortDesc = false;
  }
  Sort();
}

void TQVListView::SetInfoLabel(QLabel* label) {
  fInfoLabel = label;
  UpdateInfoLabel();
}

void TQVListView::UpdateInfoLabel() {
  if (!fInfoLabel || ItemsLocked() || fSorting) return;
  const int count = topLevelItemCount();
  QString text = QString::number(count) + QStringLiteral(" ") + (count == 1 ? fItemBez.Singular : fItemBez.Plural);
  if (fCheckBoxes) text += QStringLiteral(" (%1 ausgewählt)").arg(CheckedCount());
  fInfoLabel->setText(text);
}

void TQVListView::BeginUpdate(bool clearItems) {
  if (fUpdateCount++ == 0) setUpdatesEnabled(false);
  if (clearItems) clear();
}

void TQVListView::EndUpdate() {
  if (fUpdateCount > 0) --fUpdateCount;
  if (fUpdateCount == 0) setUpdatesEnabled(true);
  UpdateInfoLabel();
  if (fAutoSort && !ItemsLocked()) Sort();
}

int TQVListView::CheckedCount() const {
  if (!fCheckBoxes) return 0;
  int checked = 0;
  for (int i = 0; i < topLevelItemCount(); ++i)
    if (topLevelItem(i)->checkState(0) == Qt::Checked) ++checked;
  return checked;
}

void TQVListView::DeleteSelected() {
  for (int i = topLevelItemCount() - 1; i >= 0; --i)
    if (topLevelItem(i)->isSelected()) delete takeTopLevelItem(i);
}

QMenu* TQVListView::PopupMenuFor(bool onHeader) const {
  if (onHeader && fColumnPopupMenu) return fColumnPopupMenu;
  if (fDefaultColumnPrint) return fDefaultColumnPrintPM;
  return fPopupMenu;
}

void TQVListView::ShowPopup(bool onHeader, const QPoint& globalPos) {
  if (QMenu* menu = PopupMenuFor(onHeader)) menu->popup(globalPos);
}

bool TQVListView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == header() && event->type() == QEvent::MouseButtonRelease && fColumnResizing) {
    fColumnResizing = false;
    emit AfterColumnResize();
  }
  return QTreeWidget::eventFilter(watched, event);
}

void TQVListView::ChangeScale(int m, int d) {
  if (m == d) return;
  header()->setMinimumSectionSize(ScaleValue(header()->minimumSectionSize(), m, d));
  // A stretched last column follows the view's width by itself.
  const int scaledColumns = header()->stretchLastSection() ? columnCount() - 1 : columnCount();
  for (int column = 0; column < scaledColumns; ++column)
    setColumnWidth(column, ScaleValue(columnWidth(column), m, d));
  LoadColumnWidths();
  if (currentItem()) scrollToItem(currentItem());
}

void TQVListView::LoadColumnWidths() {
  auto* form = qobject_cast<TSavePosForm*>(window());
  if (!form || form->DefaultOpen() || form->ScaleDPI() == 96) return;
  platform::Registry r(platform::RegistryRoot::CurrentUser);
  const std::string key =
      form->FormKey() + "\\" + ScaleText(form->ScaleDPI()).toStdString() + "\\" + objectName().toStdString();
  if (!r.OpenKeyReadOnly(key)) return;
  const auto version = r.ReadInteger("Version");
  if (!version || std::max(*version, 1) != std::max(fRegColVersion, 1)) return;
  for (int column = 0; column < columnCount(); ++column)
    if (const auto width = r.ReadInteger(std::to_string(column))) setColumnWidth(column, *width);
}

}  // namespace ui
