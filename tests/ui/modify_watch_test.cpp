#include "ui/modify_watch.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>

#include "ui/check_buttons.h"
#include "ui/check_list_box.h"
#include "ui/combo_box.h"
#include "ui/combo_edit.h"
#include "ui/edits.h"
#include "ui/list_encoding.h"
#include "ui/list_view.h"
#include "ui/number_edit.h"

using namespace ui;

namespace {

template <class W>
W* Add(QWidget* parent, const char* name) {
  auto* widget = new W(parent);
  widget->setObjectName(QString::fromLatin1(name));
  parent->layout()->addWidget(widget);
  return widget;
}

// A user panel with one control of each kind the tracker reads, a tree it
// cannot read, a push button, a label and a nested group box.
struct Panel {
  QWidget root;
  TQVEdit* edName;
  QLineEdit* unnamed;
  TQVCheckBox* cbLocked;
  QRadioButton* rbAdmin;
  TQVComboBox* cbList;
  TQVComboBox* cbEditable;
  TQVCurrEdit* edAmount;
  TCurrEdit* edRate;
  TQVBrowseEdit* edFolder;
  TQVCheckListBox* clbModules;
  QListWidget* lbNames;
  QPlainTextEdit* mmNote;
  QTextEdit* reText;
  QToolButton* tbFilter;
  TQVListView* lvUsers;
  QTreeWidget* tvRights;
  QPushButton* bbPassword;
  QLabel* lName;
  QGroupBox* gbFilter;
  TQVEdit* edFilter;
  TQVModifyWatch watch;

  Panel() {
    root.setObjectName("pnUser");
    new QVBoxLayout(&root);
    edName = Add<TQVEdit>(&root, "edName");
    edName->setText("Huber");
    unnamed = Add<QLineEdit>(&root, "");
    cbLocked = Add<TQVCheckBox>(&root, "cbLocked");
    rbAdmin = Add<QRadioButton>(&root, "rbAdmin");
    cbList = Add<TQVComboBox>(&root, "cbList");
    cbList->addItems({"Buchhalter", "Verwalter"});
    cbEditable = Add<TQVComboBox>(&root, "cbEditable");
    cbEditable->setEditable(true);
    cbEditable->setEditText("Büro");
    edAmount = Add<TQVCurrEdit>(&root, "edAmount");
    edAmount->SetValue(12.5);
    edRate = Add<TCurrEdit>(&root, "edRate");
    edRate->SetValue(3);
    edFolder = Add<TQVBrowseEdit>(&root, "edFolder");
    edFolder->setText("/srv/daten");
    clbModules = Add<TQVCheckListBox>(&root, "clbModules");
    clbModules->AddItem("Kasse", true);
    clbModules->AddItem("Lohn");
    lbNames = Add<QListWidget>(&root, "lbNames");
    lbNames->addItems({"a", "b"});
    mmNote = Add<QPlainTextEdit>(&root, "mmNote");
    reText = Add<QTextEdit>(&root, "reText");
    reText->setHtml("<b>fett</b>");
    tbFilter = Add<QToolButton>(&root, "tbFilter");
    tbFilter->setCheckable(true);
    lvUsers = Add<TQVListView>(&root, "lvUsers");
    lvUsers->setColumnCount(2);
    lvUsers->AddItem("Huber", {"Büro"});
    tvRights = Add<QTreeWidget>(&root, "tvRights");
    bbPassword = Add<QPushButton>(&root, "bbPassword");
    lName = Add<QLabel>(&root, "lName");
    gbFilter = Add<QGroupBox>(&root, "gbFilter");
    new QVBoxLayout(gbFilter);
    edFilter = Add<TQVEdit>(gbFilter, "edFilter");
    watch.SetWatchAt(&root);
  }
};

struct ValueChange {
  const char* control;
  std::function<void(Panel&)> change;
  std::function<void(Panel&)> changeBack;
};

std::vector<ValueChange> ValueChanges() {
  return {
      {"edName", [](Panel& p) { p.edName->setText("Hube"); }, [](Panel& p) { p.edName->setText("Huber"); }},
      {"cbLocked", [](Panel& p) { p.cbLocked->setChecked(true); }, [](Panel& p) { p.cbLocked->setChecked(false); }},
      {"rbAdmin", [](Panel& p) { p.rbAdmin->setChecked(true); }, [](Panel& p) { p.rbAdmin->setChecked(false); }},
      {"cbList", [](Panel& p) { p.cbList->setCurrentIndex(1); }, [](Panel& p) { p.cbList->setCurrentIndex(0); }},
      {"cbEditable", [](Panel& p) { p.cbEditable->setEditText("Hof"); },
       [](Panel& p) { p.cbEditable->setEditText("Büro"); }},
      {"edAmount", [](Panel& p) { p.edAmount->SetValue(13); }, [](Panel& p) { p.edAmount->SetValue(12.5); }},
      {"edRate", [](Panel& p) { p.edRate->SetValue(4); }, [](Panel& p) { p.edRate->SetValue(3); }},
      {"edFolder", [](Panel& p) { p.edFolder->setText("/tmp"); },
       [](Panel& p) { p.edFolder->setText("/srv/daten"); }},
      {"clbModules", [](Panel& p) { p.clbModules->item(1)->setCheckState(Qt::Checked); },
       [](Panel& p) { p.clbModules->item(1)->setCheckState(Qt::Unchecked); }},
      {"lbNames", [](Panel& p) { p.lbNames->addItem("c"); }, [](Panel& p) { delete p.lbNames->takeItem(2); }},
      {"mmNote", [](Panel& p) { p.mmNote->setPlainText("x"); }, [](Panel& p) { p.mmNote->setPlainText(""); }},
      {"reText", [](Panel& p) { p.reText->setHtml("<i>fett</i>"); }, [](Panel& p) { p.reText->setHtml("<b>fett</b>"); }},
      {"tbFilter", [](Panel& p) { p.tbFilter->setChecked(true); }, [](Panel& p) { p.tbFilter->setChecked(false); }},
  };
}

}  // namespace

class ModifyWatchTest : public QObject {
  Q_OBJECT

 private slots:
  void NothingCountsBeforeTheFirstLoad() {
    Panel panel;
    TQVModifyWatch& watch = panel.watch;
    panel.edName->setText("Maier");
    QVERIFY(!watch.Modified());
    QCOMPARE(watch.DifferentControls(), QString());
  }

  void EachValueKindCountsUntilItsOldValueIsBack() {
    for (const ValueChange& kind : ValueChanges()) {
      Panel panel;
      TQVModifyWatch& watch = panel.watch;
      watch.LoadValues();
      QVERIFY2(!watch.Modified(), kind.control);
      kind.change(panel);
      QVERIFY2(watch.Modified(), kind.control);
      QCOMPARE(watch.DifferentControls(), QString::fromLatin1(kind.control));
      kind.changeBack(panel);
      QVERIFY2(!watch.Modified(), kind.control);
    }
  }

  void RetypingTheOldTextLeavesThePanelUnmodified() {
    Panel panel;
    TQVModifyWatch& watch = panel.watch;
    watch.LoadValues();
    panel.edName->setFocus();
    panel.edName->selectAll();
    QTest::keyClicks(panel.edName, "Hub");
    QVERIFY(watch.Modified());
    QTest::keyClicks(panel.edName, "er");
    QVERIFY(!watch.Modified());
  }

  void HiddenControlsNeverCountDisabledOnlyWhileCheckDisabled() {
    Panel panel;
    TQVModifyWatch& watch = panel.watch;
    watch.LoadValues();
    panel.edName->setText("Maier");
    panel.edName->hide();
    QVERIFY(!watch.Modified());
    panel.edName->show();
    panel.edName->setEnabled(false);
    QVERIFY(watch.Modified());
    watch.SetCheckDisabled(false);
    QVERIFY(!watch.Modified());
    // A control on a page that is not shown still counts: only its own flag matters.
    panel.edName->setEnabled(true);
    panel.root.hide();
    QVERIFY(watch.Modified());
  }

  void UserControlsCountThroughChangedOrTheHost() {
    Panel panel;
    TQVModifyWatch& watch = panel.watch;
    watch.LoadValues();
    QVERIFY(watch.GetControlValue(panel.tvRights).has_value());
    QVERIFY(watch.GetControlValue(panel.tvRights)->isNull());
    watch.Changed(panel.tvRights, true);
    QCOMPARE(watch.DifferentControls(), QString("tvRights"));
    watch.LoadValues();
    QVERIFY(!watch.Modified());

    bool treeChanged = false;
    watch.OnChangedCheck = [&](QWidget* control, TWCIsChanged& answer) {
      if (control == panel.tvRights) answer = treeChanged ? wcTrue : wcFalse;
    };
    watch.Changed(panel.tvRights, true);
    QVERIFY(!watch.Modified());  // the host's answer wins over the flag
    treeChanged = true;
    QVERIFY(watch.Modified());
  }

  void PushButtonsGivenToAddControlsAreAnsweredByTheHostOnly() {
    Panel panel;
    TQVModifyWatch& watch = panel.watch;
    watch.AddControls({panel.bbPassword});
    watch.LoadValues();
    watch.Changed(panel.bbPassword, true);
    QVERIFY(!watch.Modified());
    QVERIFY(!watch.GetControlValue(panel.bbPassword).has_value());
    bool passwordEntered = true;
    watch.OnChangedCheck = [&](QWidget* control, TWCIsChanged& answer) {
      if (control == panel.bbPassword && passwordEntered) answer = wcTrue;
    };
    QCOMPARE(watch.DifferentControls(), QString("bbPassword"));
    QVERIFY(watch.IsControlModified(panel.bbPassword));
    QVERIFY(!watch.IsControlModified(panel.edName));
  }

  void ModifiedStopsAtTheFirstDifference() {
    Panel panel;
    TQVModifyWatch& watch = panel.watch;
    watch.AddControls({panel.bbPassword});
    watch.LoadValues();
    int asked = 0;
    watch.OnChangedCheck = [&](QWidget*, TWCIsChanged&) { ++asked; };
    panel.edName->setText("Maier");
    QVERIFY(watch.Modified());
    QCOMPARE(asked, 0);
    watch.DifferentControls();
    QVERIFY(asked > 0);
  }

  void NamesTextUsesClassAndPositionForUnnamedControls() {
    Panel panel;
    TQVModifyWatch& watch = panel.watch;
    watch.LoadValues();
    panel.edName->setText("Maier");
    panel.unnamed->setText("x");
    QList<QWidget*> changed;
    QCOMPARE(watch.DifferentControls(&changed), QString("edName,QLineEdit_1"));
    QCOMPARE(changed, (QList<QWidget*>{panel.edName, panel.unnamed}));
    // The unnamed one first: it takes position 0.
    panel.edName->setText("Huber");
    watch.Changed(panel.tvRights, true);
    QCOMPARE(watch.DifferentControls(), QString("QLineEdit_0,tvRights"));
  }

  void UndoRestoresValuesAndAsksUserListControls() {
    Panel panel;
    TQVModifyWatch& watch = panel.watch;
    watch.AddControls({panel.bbPassword});
    watch.LoadValues();
    QList<QWidget*> undoAsked;
    watch.OnChangedCheck = [&](QWidget* control, TWCIsChanged& answer) {
      if (answer == wcUndo) undoAsked.append(control);
    };
    panel.edName->setText("Maier");
    panel.cbList->setCurrentIndex(1);
    watch.Undo(panel.edName);
    QCOMPARE(panel.edName->text(), QString("Huber"));
    QCOMPARE(panel.cbList->currentIndex(), 1);
    QVERIFY(undoAsked.isEmpty());
    watch.Undo();
    QCOMPARE(panel.cbList->currentIndex(), 0);
    QCOMPARE(undoAsked, QList<QWidget*>{panel.bbPassword});
    QVERIFY(!watch.Modified());
  }

  void SetControlValueKeepsTheRememberedValue() {
    Panel panel;
    TQVModifyWatch& watch = panel.watch;
    watch.LoadValues();
    watch.SetControlValue(panel.edName, "Huber");
    QVERIFY(!watch.Modified());
    watch.SetControlValue(panel.edName, "Maier");
    QCOMPARE(panel.edName->text(), QString("Maier"));
    QVERIFY(watch.Modified());
    QCOMPARE(watch.GetControlValue(panel.edName), std::optional<QVariant>("Maier"));
    // Asking about a control that is not watched is harmless.
    QLineEdit stranger;
    watch.SetControlValue(&stranger, "x");
    QVERIFY(!watch.GetControlValue(&stranger).has_value());
  }

  void NegativeListedContainersAreNeitherWatchedNorSwitched() {
    Panel panel;
    TQVModifyWatch& watch = panel.watch;
    watch.AddToNegativeList({panel.gbFilter});
    watch.LoadValues();
    panel.edFilter->setText("x");
    QVERIFY(!watch.Modified());
    watch.SetEnabled(false);
    QVERIFY(panel.edFilter->isEnabled());
    QVERIFY(!panel.edName->isEnabled());
    // Setting WatchAt again forgets the negative list: the next load walks everything.
    watch.SetWatchAt(&panel.root);
    watch.LoadValues();
    panel.edFilter->setText("y");
    QVERIFY(watch.Modified());
  }

  void SetEnabledLeavesTheNoDisableListEnabledUnlessIgnored() {
    Panel panel;
    TQVModifyWatch& watch = panel.watch;
    watch.AddNoDisableControls({panel.bbPassword});
    watch.LoadValues();
    panel.bbPassword->setEnabled(false);
    watch.SetEnabled(false);
    QVERIFY(!panel.edName->isEnabled());
    QVERIFY(!panel.lName->isEnabled());
    QVERIFY(panel.bbPassword->isEnabled());
    QVERIFY(panel.gbFilter->isEnabled());  // panels are not switched, their controls are
    QVERIFY(!panel.edFilter->isEnabled());
    watch.SetEnabled(false, true);
    QVERIFY(!panel.bbPassword->isEnabled());
    watch.SetEnabled(true);
    QVERIFY(panel.edName->isEnabled());
    // The no-disable list survives a reset.
    watch.SetWatchAt(&panel.root);
    watch.LoadValues();
    watch.SetEnabled(false);
    QVERIFY(panel.bbPassword->isEnabled());
  }

  void ListViewsAreUserControlsUnlessWatchedByValue() {
    Panel panel;
    TQVModifyWatch& watch = panel.watch;
    watch.LoadValues();
    panel.lvUsers->AddItem("Maier", {"Hof"});
    QVERIFY(!watch.Modified());

    watch.SetWatchAt(&panel.root);
    watch.SetDefaultAtListView(true);
    watch.LoadValues();
    panel.lvUsers->AddItem("Kunz", {"Hof"});
    QCOMPARE(watch.DifferentControls(), QString("lvUsers"));
    watch.Undo();
    QCOMPARE(panel.lvUsers->topLevelItemCount(), 2);
    QCOMPARE(panel.lvUsers->topLevelItem(1)->text(1), QString("Hof"));
  }

  void WatchAtGoneResets() {
    TQVModifyWatch watch;
    {
      Panel panel;
      watch.SetWatchAt(&panel.root);
      watch.LoadValues();
      QVERIFY(watch.Initialize());
    }
    QCOMPARE(watch.WatchAt(), nullptr);
    QVERIFY(!watch.Initialize());
    QVERIFY(!watch.Modified());
  }
};

class ListEncodingTest : public QObject {
  Q_OBJECT

 private slots:
  void EncodesOneLinePerEntryEndedByCR() {
    TQVCheckListBox checkList;
    checkList.AddItem("Kasse", true);
    checkList.AddItem("Lohn");
    QCOMPARE(EncodeCheckList(checkList), QString("T;Kasse;\rF;Lohn;\r"));
    QListWidget list;
    list.addItems({"a", "b"});
    QCOMPARE(EncodeList(list), QString("a;\rb;\r"));
    TQVListView view;
    view.setColumnCount(3);
    view.SetCheckBoxes(true);
    view.AddItem("Huber", {"Büro", ""}, true);
    QCOMPARE(EncodeListView(view), QString("T;Huber;Büro;;\r"));
  }

  void DecodingAcceptsEveryLineEndAndTheMarkLetters() {
    TQVCheckListBox checkList;
    checkList.AddItem("alt");
    DecodeCheckList(checkList, "J;Kasse;\nF;Lohn;\r\ny;Bank;rest\r1;Fibu");
    QCOMPARE(checkList.count(), 4);
    const QList<Qt::CheckState> marks = {Qt::Checked, Qt::Unchecked, Qt::Checked, Qt::Checked};
    const QStringList texts = {"Kasse", "Lohn", "Bank", "Fibu"};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(checkList.item(i)->text(), texts.at(i));
      QCOMPARE(checkList.item(i)->checkState(), marks.at(i));
    }
  }

  void ListViewLinesGiveCaptionAndSubItems() {
    TQVListView view;
    view.setColumnCount(3);
    view.SetCheckBoxes(true);
    DecodeListView(view, "T;Huber;Büro;Hof;\rF;Maier;x");
    QCOMPARE(view.topLevelItemCount(), 2);
    QCOMPARE(view.topLevelItem(0)->checkState(0), Qt::Checked);
    QCOMPARE(view.topLevelItem(0)->text(2), QString("Hof"));
    QCOMPARE(view.topLevelItem(1)->text(0), QString("Maier"));
    QCOMPARE(view.topLevelItem(1)->text(1), QString("x"));
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ModifyWatchTest modifyWatch;
  ListEncodingTest listEncoding;
  return QTest::qExec(&modifyWatch, argc, argv) | QTest::qExec(&listEncoding, argc, argv);
}

#include "modify_watch_test.moc"
