#pragma once
// TQVPageControl: pages switched with Ctrl+Tab (Ctrl+Shift+Tab backwards)
// over the visible tabs; Tab walks from the last control of a page on to the
// next page; a page change can be refused by OnChanging.
#include <QTabWidget>

#include <functional>

namespace ui {

class TQVPageControl : public QTabWidget {
  Q_OBJECT
 public:
  explicit TQVPageControl(QWidget* parent = nullptr);

  // The innermost page control that holds the widget, if any.
  static TQVPageControl* Holding(QWidget* widget);

  // Asked before every page change; setting allowChange false refuses it.
  // currentChanged tells of the change afterwards.
  std::function<void(bool& allowChange)> OnChanging;
  bool AllowChange();

  bool TabChangeHotKey() const { return fTabChangeHotKey; }
  void SetTabChangeHotKey(bool value) { fTabChangeHotKey = value; }

  QWidget* ActivePage() const { return currentWidget(); }
  void SetActivePage(QWidget* page) { SetActivePageIndex(indexOf(page)); }
  int ActivePageIndex() const { return currentIndex(); }
  // Through OnChanging; the current page again changes nothing.
  void SetActivePageIndex(int index);

  // The first and last page whose tab is visible.
  QWidget* FirstPage() const;
  QWidget* LastPage() const;
  int VisiblePageCount() const;
  void ShowAllPages();
  void SelectFirstPage();
  void SelectLastPage();
  void SelectNextPageFS(bool goForward, bool around);
  // The next page from curPage; without `around` a page reached by wrapping counts as none.
  QWidget* FindNextPageFS(QWidget* curPage, bool goForward, bool checkTabVisible, bool around) const;

  // The controls of a page that Tab stops at, in tab order.
  QList<QWidget*> FocusableControls(QWidget* page) const;
  // Focuses the first control of the active page, or its tab when it has none.
  void FocusActivePage();
  // Focuses the first (or last) control of the first page in that direction that has one.
  void SelectFirstControl(bool goForward, bool currentPage);
  // Moves the focus on from the focused control across the pages; false when
  // the focus is not inside this page control.
  bool SelectNextControl(bool goForward);
  // Ctrl+Tab while the focus is here or beside the page control; answers
  // whether the key was taken.
  bool HandleCtrlTab(QWidget* focus, bool backward);

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  QWidget* LeavingTarget(bool goForward) const;
  QWidget* TargetOnNextPages(bool goForward);
  // The control after (or before) controls[index] on the active page, on the next pages, or beside.
  QWidget* NextOnPage(const QList<QWidget*>& controls, qsizetype index, bool goForward);
  bool fTabChangeHotKey = true;
};

}  // namespace ui
