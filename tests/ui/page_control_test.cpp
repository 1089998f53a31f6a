#include "ui/page_control.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>

#include "ui/check_buttons.h"
#include "ui/edits.h"
#include "ui/qv_form.h"

using namespace ui;

namespace {

TQVEdit* Edit(QWidget* parent, const char* name) {
  auto* edit = new TQVEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  parent->layout()->addWidget(edit);
  return edit;
}

QWidget* Page(TQVPageControl* pages, const char* name, const char* caption) {
  auto* page = new QWidget;
  page->setObjectName(QString::fromLatin1(name));
  new QVBoxLayout(page);
  pages->addTab(page, QString::fromUtf8(caption));
  return page;
}

// A window with an edit before and after a page control of four pages: the
// user page (two edits), a hidden page, a page without input, the group page.
struct Window {
  TQVForm form;
  TQVEdit* edBefore;
  TQVPageControl* pcMain;
  QWidget* tsUser;
  QWidget* tsHidden;
  QWidget* tsInfo;
  QWidget* tsGroups;
  TQVEdit* edName;
  TQVEdit* edLogin;
  TQVEdit* edGroup;
  TQVEdit* edAfter;

  Window() {
    new QVBoxLayout(&form);
    edBefore = Edit(&form, "edBefore");
    pcMain = new TQVPageControl(&form);
    pcMain->setObjectName("pcMain");
    form.layout()->addWidget(pcMain);
    tsUser = Page(pcMain, "tsUser", "Benutzer");
    edName = Edit(tsUser, "edName");
    edLogin = Edit(tsUser, "edLogin");
    tsHidden = Page(pcMain, "tsHidden", "Verborgen");
    Edit(tsHidden, "edHidden");
    pcMain->setTabVisible(1, false);
    tsInfo = Page(pcMain, "tsInfo", "Info");
    tsInfo->layout()->addWidget(new QLabel("Nur Text", tsInfo));
    tsGroups = Page(pcMain, "tsGroups", "Gruppen");
    edGroup = Edit(tsGroups, "edGroup");
    edAfter = Edit(&form, "edAfter");
    form.show();
    QApplication::setActiveWindow(&form);
  }

  void Press(QWidget* at, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(at, Qt::Key(key), modifiers);
  }
};

}  // namespace

class PageControlTest : public QObject {
  Q_OBJECT

 private slots:
  void CtrlTabWalksTheVisiblePagesAround() {
    Window window;
    window.edName->setFocus();
    window.Press(window.edName, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(window.pcMain->ActivePage(), window.tsInfo);
    window.Press(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(window.pcMain->ActivePage(), window.tsGroups);
    window.Press(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(window.pcMain->ActivePage(), window.tsUser);
    window.Press(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(window.pcMain->ActivePage(), window.tsGroups);
    QCOMPARE(window.pcMain->VisiblePageCount(), 3);
  }

  void APageWithoutInputKeepsTheFocusOnItsTabUntilTab() {
    Window window;
    window.edName->setFocus();
    window.Press(window.edName, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(window.pcMain->ActivePage(), window.tsInfo);
    QVERIFY(window.pcMain->tabBar()->hasFocus());
    window.Press(window.pcMain->tabBar(), Qt::Key_Tab);
    QVERIFY(window.edAfter->hasFocus());
  }

  void CtrlTabWorksBesideThePageControlAndCanBeSwitchedOff() {
    Window window;
    window.edBefore->setFocus();
    window.Press(window.edBefore, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(window.pcMain->ActivePage(), window.tsInfo);
    window.pcMain->SetTabChangeHotKey(false);
    window.edBefore->setFocus();
    window.Press(window.edBefore, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(window.pcMain->ActivePage(), window.tsInfo);
    QVERIFY(window.edBefore->hasFocus());
  }

  void TabWalksFromPageToPage() {
    Window window;
    window.edLogin->setFocus();
    window.Press(window.edLogin, Qt::Key_Tab);
    QCOMPARE(window.pcMain->ActivePage(), window.tsGroups);  // the hidden page and the page without input are passed
    QVERIFY(window.edGroup->hasFocus());
    window.Press(window.edGroup, Qt::Key_Tab);
    QVERIFY(window.edAfter->hasFocus());
    window.edGroup->setFocus();
    window.Press(window.edGroup, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(window.pcMain->ActivePage(), window.tsUser);
    QVERIFY(window.edLogin->hasFocus());
    window.Press(window.edLogin, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(window.edName->hasFocus());
    window.Press(window.edName, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(window.edBefore->hasFocus());
  }

  void EnterWalksAcrossPagesToo() {
    Window window;
    window.edLogin->setFocus();
    window.Press(window.edLogin, Qt::Key_Return);
    QVERIFY(window.edGroup->hasFocus());
  }

  void TabSkipsUncheckedRadioButtonsAndUnnamedControls() {
    Window window;
    auto* unnamed = new TQVEdit(window.tsUser);
    window.tsUser->layout()->addWidget(unnamed);
    auto* rbAll = new TQVRadioButton("Alle", window.tsUser);
    rbAll->setObjectName("rbAll");
    auto* rbSome = new TQVRadioButton("Einige", window.tsUser);
    rbSome->setObjectName("rbSome");
    window.tsUser->layout()->addWidget(rbAll);
    window.tsUser->layout()->addWidget(rbSome);
    rbSome->setChecked(true);
    for (QWidget* added : {static_cast<QWidget*>(unnamed), static_cast<QWidget*>(rbAll), static_cast<QWidget*>(rbSome)})
      added->show();  // widgets added to a shown window are not shown by themselves
    QCOMPARE(window.pcMain->FocusableControls(window.tsUser), (QList<QWidget*>{window.edName, window.edLogin, rbSome}));
  }

  void APageChangeCanBeRefused() {
    Window window;
    QSignalSpy changed(window.pcMain, &QTabWidget::currentChanged);
    bool allow = false;
    window.pcMain->OnChanging = [&](bool& allowChange) { allowChange = allow; };
    window.pcMain->SetActivePage(window.tsGroups);
    QCOMPARE(window.pcMain->ActivePage(), window.tsUser);
    QTabBar* tabs = window.pcMain->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(3).center());
    QCOMPARE(window.pcMain->ActivePage(), window.tsUser);
    QCOMPARE(changed.count(), 0);
    allow = true;
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(3).center());
    QCOMPARE(window.pcMain->ActivePage(), window.tsGroups);
    QCOMPARE(changed.count(), 1);
    window.pcMain->SetActivePage(window.tsGroups);
    QCOMPARE(changed.count(), 1);
  }

  void PagesAndControlsFromTheEnds() {
    Window window;
    QCOMPARE(window.pcMain->FirstPage(), window.tsUser);
    QCOMPARE(window.pcMain->LastPage(), window.tsGroups);
    QCOMPARE(window.pcMain->FindNextPageFS(window.tsGroups, true, true, false), nullptr);
    QCOMPARE(window.pcMain->FindNextPageFS(window.tsGroups, true, true, true), window.tsUser);
    QCOMPARE(window.pcMain->FindNextPageFS(window.tsUser, true, false, false), window.tsHidden);
    window.pcMain->SelectFirstControl(false, false);
    QVERIFY(window.edGroup->hasFocus());
    window.pcMain->SetActivePage(window.tsInfo);
    window.pcMain->SelectFirstControl(true, true);
    QVERIFY(window.edGroup->hasFocus());  // the page without input hands on to the next
    window.pcMain->ShowAllPages();
    QCOMPARE(window.pcMain->VisiblePageCount(), 4);
  }
};

QTEST_MAIN(PageControlTest)
#include "page_control_test.moc"
