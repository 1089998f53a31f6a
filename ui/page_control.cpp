#include "ui/page_control.h"

#include <QMouseEvent>
#include <QTabBar>

#include "ui/check_buttons.h"
#include "ui/control_kinds.h"
#include "ui/focus_order.h"

namespace ui {

namespace {

// Asks the page control before a click, a key or the wheel changes the page.
// Tab passes it by; a click on a tab hands the focus on to the page.
class TPageTabBar : public QTabBar {
 public:
  explicit TPageTabBar(TQVPageControl* pageControl) : QTabBar(pageControl), fPageControl(pageControl) {
    setFocusPolicy(Qt::ClickFocus);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    const int index = tabAt(event->position().toPoint());
    if (index >= 0 && index != currentIndex() && !fPageControl->AllowChange()) return;
    QTabBar::mousePressEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    QTabBar::mouseReleaseEvent(event);
    fPageControl->FocusActivePage();
  }
  void keyPressEvent(QKeyEvent* event) override {
    static const QList<int> kTabKeys = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
    if (kTabKeys.contains(event->key()) && !fPageControl->AllowChange()) return;
    QTabBar::keyPressEvent(event);
  }
  void wheelEvent(QWheelEvent* event) override {
    if (fPageControl->AllowChange()) QTabBar::wheelEvent(event);
  }

 private:
  TQVPageControl* fPageControl;
};

bool IsFocusableOn(const QWidget* widget, const QWidget* page) {
  if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy() || !widget->isEnabled() ||
      !widget->isVisibleTo(page) || IsPanel(widget))
    return false;
  // Unnamed widgets are Qt's own parts of a control.
  const QString name = widget->objectName();
  if (name.isEmpty() || name.startsWith(QStringLiteral("qt_"))) return false;
  const auto* radio = qobject_cast<const TQVRadioButton*>(widget);
  return !radio || radio->isChecked();
}

}  // namespace

TQVPageControl::TQVPageControl(QWidget* parent) : QTabWidget(parent) {
  setTabBar(new TPageTabBar(this));
  setFocusPolicy(Qt::NoFocus);
  setFocusProxy(nullptr);
  // A page without input that Qt gave the focus to hands it to its tab.
  connect(this, &QTabWidget::currentChanged, this, [this] {
    if (QWidget* page = currentWidget(); page && page->hasFocus()) tabBar()->setFocus(Qt::OtherFocusReason);
  });
}

TQVPageControl* TQVPageControl::Holding(QWidget* widget) {
  for (QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget())
    if (auto* pageControl = qobject_cast<TQVPageControl*>(w)) return pageControl;
  return nullptr;
}

bool TQVPageControl::AllowChange() {
  bool allowChange = true;
  if (OnChanging) OnChanging(allowChange);
  return allowChange;
}

void TQVPageControl::SetActivePageIndex(int index) {
  if (index == currentIndex() || index < 0 || index >= count()) return;
  if (AllowChange()) setCurrentIndex(index);
}

QWidget* TQVPageControl::FirstPage() const {
  for (int i = 0; i < count(); ++i)
    if (isTabVisible(i)) return widget(i);
  return nullptr;
}

QWidget* TQVPageControl::LastPage() const {
  for (int i = count() - 1; i >= 0; --i)
    if (isTabVisible(i)) return widget(i);
  return nullptr;
}

int TQVPageControl::VisiblePageCount() const {
  int visible = 0;
  for (int i = 0; i < count(); ++i)
    if (isTabVisible(i)) ++visible;
  return visible;
}

void TQVPageControl::ShowAllPages() {
  for (int i = 0; i < count(); ++i) setTabVisible(i, true);
}

void TQVPageControl::SelectFirstPage() {
  if (QWidget* page = FirstPage()) SetActivePage(page);
}

void TQVPageControl::SelectLastPage() {
  if (QWidget* page = LastPage()) SetActivePage(page);
}

void TQVPageControl::SelectNextPageFS(bool goForward, bool around) {
  if (QWidget* page = FindNextPageFS(currentWidget(), goForward, true, around)) SetActivePage(page);
}

QWidget* TQVPageControl::FindNextPageFS(QWidget* curPage, bool goForward, bool checkTabVisible, bool around) const {
  const int n = count();
  if (n == 0) return nullptr;
  const int start = curPage ? indexOf(curPage) : (goForward ? -1 : n);
  for (int step = 1; step <= n; ++step) {
    const int raw = goForward ? start + step : start - step;
    const bool wrapped = raw >= n || raw < 0;
    if (wrapped && !around) return nullptr;
    const int index = (raw % n + n) % n;
    if (index == start && curPage) return nullptr;
    if (!checkTabVisible || isTabVisible(index)) return widget(index);
  }
  return nullptr;
}

QList<QWidget*> TQVPageControl::FocusableControls(QWidget* page) const {
  QList<QWidget*> controls;
  if (!page) return controls;
  for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain())
    if (page->isAncestorOf(w) && IsFocusableOn(w, page)) controls.append(w);
  return controls;
}

void TQVPageControl::SelectFirstControl(bool goForward, bool currentPage) {
  if (!currentPage) goForward ? SelectFirstPage() : SelectLastPage();
  QWidget* page = currentWidget();
  for (int examined = 0; page && examined < count(); ++examined) {
    const QList<QWidget*> controls = FocusableControls(page);
    if (!controls.isEmpty()) {
      SetActivePage(page);
      if (currentWidget() == page) (goForward ? controls.first() : controls.last())->setFocus(Qt::TabFocusReason);
      return;
    }
    page = FindNextPageFS(page, goForward, true, false);
  }
}

QWidget* TQVPageControl::LeavingTarget(bool goForward) const {
  // The neighbour of the page control in the window's tab order.
  auto* self = const_cast<TQVPageControl*>(this);
  return FindInTabOrder(self, goForward, [self](QWidget* w) { return !self->isAncestorOf(w) && IsTabTarget(w); });
}

QWidget* TQVPageControl::TargetOnNextPages(bool goForward) {
  for (QWidget* page = FindNextPageFS(currentWidget(), goForward, true, false); page;
       page = FindNextPageFS(page, goForward, true, false)) {
    const QList<QWidget*> controls = FocusableControls(page);
    if (controls.isEmpty()) continue;
    SetActivePage(page);
    if (currentWidget() != page) return nullptr;  // refused: the focus stays
    return goForward ? controls.first() : controls.last();
  }
  return LeavingTarget(goForward);
}

void TQVPageControl::FocusActivePage() {
  const QList<QWidget*> controls = FocusableControls(currentWidget());
  if (controls.isEmpty())
    tabBar()->setFocus(Qt::OtherFocusReason);
  else
    controls.first()->setFocus(Qt::TabFocusReason);
}

bool TQVPageControl::SelectNextControl(bool goForward) {
  QWidget* active = window()->focusWidget();
  if (!active || !isAncestorOf(active)) return false;
  QWidget* page = currentWidget();
  const QList<QWidget*> controls = FocusableControls(page);
  QWidget* target = nullptr;
  if (active == tabBar()) {
    target = goForward && !controls.isEmpty() ? controls.first() : LeavingTarget(goForward);
  } else if (!page || !page->isAncestorOf(active)) {
    FocusActivePage();  // the focus is on a page that is being hidden
    return true;
  } else {
    target = NextOnPage(controls, controls.indexOf(active), goForward);
  }
  if (target) target->setFocus(goForward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

QWidget* TQVPageControl::NextOnPage(const QList<QWidget*>& controls, qsizetype index, bool goForward) {
  QWidget* page = currentWidget();
  const bool atStart = !goForward && page == FirstPage() && index == 0;
  const bool atEnd = goForward && page == LastPage() && index == controls.size() - 1;
  if (atStart || atEnd) return LeavingTarget(goForward);
  if (index < 0 && !controls.isEmpty()) return goForward ? controls.first() : controls.last();
  const qsizetype next = index + (goForward ? 1 : -1);
  return index >= 0 && next >= 0 && next < controls.size() ? controls.at(next) : TargetOnNextPages(goForward);
}

bool TQVPageControl::HandleCtrlTab(QWidget* focus, bool backward) {
  if (!focus || !isVisible()) return false;
  const QWidget* parent = parentWidget();
  if (focus != this && !isAncestorOf(focus) && !(parent && parent->isAncestorOf(focus))) return false;
  if (fTabChangeHotKey) SelectNextPageFS(!backward, true);
  return true;
}

void TQVPageControl::focusInEvent(QFocusEvent* event) {
  QTabWidget::focusInEvent(event);
  FocusActivePage();
  update();
}

}  // namespace ui
