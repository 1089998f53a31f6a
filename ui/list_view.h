#pragma once
// TQVListView: a list in report style that counts its items into a label,
// sorts itself by the clicked column, offers a header menu with "Drucken ...",
// suspends repainting through nested BeginUpdate/EndUpdate pairs, and takes
// its column widths from the registry after its window was enlarged.
#include <QIcon>
#include <QTreeWidget>

#include <functional>

class QLabel;
class QMenu;

namespace ui {

// The words of the count label.
struct TItemBez {
  QString Plural = QStringLiteral("Einträge");
  QString Singular = QStringLiteral("Eintrag");
};

class TQVListView : public QTreeWidget {
  Q_OBJECT
 public:
  // Compares two items for the sort column: negative, 0 or positive.
  using TSortFunc = std::function<int(const QTreeWidgetItem* a, const QTreeWidgetItem* b, int sortCol)>;

  explicit TQVListView(QWidget* parent = nullptr);

  // Items get check boxes.
  bool CheckBoxes() const { return fCheckBoxes; }
  void SetCheckBoxes(bool value) { fCheckBoxes = value; }
  // Adds an item with its sub-items (the further columns).
  QTreeWidgetItem* AddItem(const QString& caption, const QStringList& subItems = {}, bool checked = false);

  bool AutoSort() const { return fAutoSort; }
  void SetAutoSort(bool value) { fAutoSort = value; }
  // 0 sorts by the captions, k by the k-th sub-item.
  int SortCol() const { return fSortCol; }
  bool SortDesc() const { return fSortDesc; }
  void SetAlterSortFunc(TSortFunc compare) { fAlterSortFunc = std::move(compare); }
  // Ignored for a column that does not exist.
  void setOrder(int column, bool desc);
  void Sort();
  // With exactly two, the sort column's header shows the second for ascending
  // and the first for descending order.
  void SetSmallImages(const QList<QIcon>& images) { fSmallImages = images; }

  QLabel* InfoLabel() const { return fInfoLabel; }
  void SetInfoLabel(QLabel* label);
  TItemBez& ItemBez() { return fItemBez; }
  void UpdateInfoLabel();

  void BeginUpdate(bool clearItems = false);
  void EndUpdate();
  bool ItemsLocked() const { return fUpdateCount > 0; }
  int CheckedCount() const;
  void DeleteSelected();

  void SetPopupMenu(QMenu* menu) { fPopupMenu = menu; }
  QMenu* ColumnPopupMenu() const { return fColumnPopupMenu; }
  void SetColumnPopupMenu(QMenu* menu) { fColumnPopupMenu = menu; }
  bool DefaultColumnPrint() const { return fDefaultColumnPrint; }
  void SetDefaultColumnPrint(bool value) { fDefaultColumnPrint = value; }
  // The menu a right click shows, on the header or on the items.
  QMenu* PopupMenuFor(bool onHeader) const;

  int RegColVersion() const { return fRegColVersion; }
  void SetRegColVersion(int value) { fRegColVersion = value; }
  // After the window was rescaled: columns by m/d, then the widths kept for the
  // window's scale, if any.
  void ChangeScale(int m, int d);

 signals:
  // "Drucken ..." of the header menu was chosen.
  void OnDefaultColumnPrint();
  // The user finished resizing a column.
  void AfterColumnResize();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void HeaderClicked(int column);
  void ShowPopup(bool onHeader, const QPoint& globalPos);
  void ShowSortImages();
  int Compare(const QTreeWidgetItem* a, const QTreeWidgetItem* b) const;
  void LoadColumnWidths();

  bool fCheckBoxes = false;
  bool fAutoSort = false;
  bool fSortDesc = false;
  int fSortCol = 0;
  TSortFunc fAlterSortFunc;
  QList<QIcon> fSmallImages;
  QLabel* fInfoLabel = nullptr;
  TItemBez fItemBez;
  int fUpdateCount = 0;
  bool fSorting = false;
  QMenu* fPopupMenu = nullptr;
  QMenu* fColumnPopupMenu = nullptr;
  bool fDefaultColumnPrint = false;
  QMenu* fDefaultColumnPrintPM;
  bool fColumnResizing = false;
  int fRegColVersion = 1;
};

}  // namespace ui
