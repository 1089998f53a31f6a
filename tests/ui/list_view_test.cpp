#include "ui/list_view.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "support/registry_roots.h"
#include "ui/application_setup.h"
#include "ui/glyph_store.h"
#include "ui/save_pos_form.h"

using namespace ui;

namespace {

QStringList Captions(const TQVListView& view, int column = 0) {
  QStringList captions;
  for (int i = 0; i < view.topLevelItemCount(); ++i) captions.append(view.topLevelItem(i)->text(column));
  return captions;
}

void ClickHeader(TQVListView& view, int column) {
  QHeaderView* header = view.header();
  const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

struct UserList {
  QWidget window;
  TQVListView* view = new TQVListView(&window);
  QLabel* count = new QLabel(&window);

  UserList() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(view);
    layout->addWidget(count);
    view->setColumnCount(2);
    view->setHeaderLabels({"Name", "Funktion"});
    view->SetInfoLabel(count);
    window.resize(400, 300);
    window.show();
  }
};

}  // namespace

class ListViewTest : public QObject {
  Q_OBJECT

 private slots:
  void CountLabel_data() {
    QTest::addColumn<bool>("checkBoxes");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("checked");
    QTest::addColumn<QString>("text");
    QTest::newRow("plural with checks") << true << 5 << 2 << "5 Einträge (2 ausgewählt)";
    QTest::newRow("singular") << true << 1 << 1 << "1 Eintrag (1 ausgewählt)";
    QTest::newRow("none") << false << 0 << 0 << "0 Einträge";
  }

  void CountLabel() {
    QFETCH(bool, checkBoxes);
    QFETCH(int, items);
    QFETCH(int, checked);
    QFETCH(QString, text);
    UserList list;
    list.view->SetCheckBoxes(checkBoxes);
    for (int i = 0; i < items; ++i) list.view->AddItem(QString::number(i), {}, i < checked);
    QCOMPARE(list.count->text(), text);
    QCOMPARE(list.view->CheckedCount(), checked);
  }

  void CountLabelFollowsItemsAndChecks() {
    UserList list;
    list.view->SetCheckBoxes(true);
    list.view->ItemBez().Singular = "Benutzer";
    list.view->ItemBez().Plural = "Benutzer";
    QTreeWidgetItem* huber = list.view->AddItem("Huber");
    list.view->AddItem("Maier");
    huber->setCheckState(0, Qt::Checked);
    QCOMPARE(list.count->text(), QString("2 Benutzer (1 ausgewählt)"));
    huber->setSelected(true);
    list.view->DeleteSelected();
    QCOMPARE(list.count->text(), QString("1 Benutzer (0 ausgewählt)"));
  }

  void NestedUpdatesResumeAfterTheOutermostEnd() {
    UserList list;
    list.view->AddItem("alt");
    list.view->BeginUpdate(true);
    list.view->BeginUpdate();
    list.view->AddItem("Huber");
    QVERIFY(!list.view->updatesEnabled());
    QCOMPARE(list.count->text(), QString("1 Eintrag"));  // the label waits
    list.view->EndUpdate();
    QVERIFY(list.view->ItemsLocked());
    QVERIFY(!list.view->updatesEnabled());
    list.view->AddItem("Maier");
    list.view->EndUpdate();
    QVERIFY(list.view->updatesEnabled());
    QCOMPARE(list.count->text(), QString("2 Einträge"));
    list.view->EndUpdate();
    QVERIFY(!list.view->ItemsLocked());
    list.view->BeginUpdate();
    QVERIFY(list.view->ItemsLocked());
    list.view->EndUpdate();
    QVERIFY(list.view->updatesEnabled());
  }

  void HeaderClicksSortAscendingThenDescending() {
    UserList list;
    list.view->SetAutoSort(true);
    list.view->SetSmallImages({StoredGlyph("SORTDESC"), StoredGlyph("SORTASC")});
    list.view->BeginUpdate();
    list.view->AddItem("b", {"2"});
    list.view->AddItem("Ä", {"3"});
    list.view->AddItem("B", {"1"});
    list.view->EndUpdate();
    QCOMPARE(Captions(*list.view), (QStringList{"B", "b", "Ä"}));  // ordinal: upper case first, umlauts last
    QCOMPARE(list.view->headerItem()->icon(0).cacheKey(), StoredGlyph("SORTASC").cacheKey());
    ClickHeader(*list.view, 1);
    QCOMPARE(Captions(*list.view, 1), (QStringList{"1", "2", "3"}));
    QCOMPARE(list.view->headerItem()->icon(1).cacheKey(), StoredGlyph("SORTASC").cacheKey());
    QVERIFY(list.view->headerItem()->icon(0).isNull());
    ClickHeader(*list.view, 1);
    QCOMPARE(Captions(*list.view, 1), (QStringList{"3", "2", "1"}));
    QCOMPARE(list.view->headerItem()->icon(1).cacheKey(), StoredGlyph("SORTDESC").cacheKey());
    ClickHeader(*list.view, 0);
    QCOMPARE(Captions(*list.view), (QStringList{"B", "b", "Ä"}));
  }

  void SortingKeepsSelectionAndTakesAnotherComparison() {
    UserList list;
    list.view->SetAlterSortFunc([](const QTreeWidgetItem* a, const QTreeWidgetItem* b, int column) {
      return a->text(column).toInt() - b->text(column).toInt();
    });
    list.view->AddItem("a", {"10"});
    QTreeWidgetItem* nine = list.view->AddItem("b", {"9"});
    nine->setSelected(true);
    list.view->setOrder(1, false);
    QCOMPARE(Captions(*list.view, 1), (QStringList{"9", "10"}));
    QVERIFY(nine->isSelected());
    list.view->setOrder(5, true);
    QCOMPARE(list.view->SortCol(), 1);
    QVERIFY(!list.view->SortDesc());
    // Without AutoSort a header click changes nothing.
    ClickHeader(*list.view, 0);
    QCOMPARE(Captions(*list.view, 1), (QStringList{"9", "10"}));
  }

  void RightClickMenus() {
    TQVListView view;
    QMenu popup;
    QMenu columns;
    view.SetPopupMenu(&popup);
    QCOMPARE(view.PopupMenuFor(true), &popup);
    view.SetDefaultColumnPrint(true);
    QMenu* print = view.PopupMenuFor(false);
    QVERIFY(print && print != &popup);
    QCOMPARE(print->actions().size(), 1);
    QCOMPARE(print->actions().at(0)->text(), QString("Drucken ..."));
    QSignalSpy printRequested(&view, &TQVListView::OnDefaultColumnPrint);
    print->actions().at(0)->trigger();
    QCOMPARE(printRequested.count(), 1);
    view.SetColumnPopupMenu(&columns);
    QCOMPARE(view.PopupMenuFor(true), &columns);
    QCOMPARE(view.PopupMenuFor(false), print);
  }

  void EnlargingScalesColumnsAndTakesStoredWidths() {
    TempRegistryRoots roots;
    TSavePosForm form;
    form.setWindowTitle("Liste");
    auto* layout = new QVBoxLayout(&form);
    auto* view = new TQVListView(&form);
    view->setObjectName("lvUsers");
    view->setColumnCount(3);
    view->setColumnWidth(0, 100);
    view->setColumnWidth(1, 60);
    layout->addWidget(view);
    platform::Registry registry(platform::RegistryRoot::CurrentUser);
    QVERIFY(registry.OpenKey(form.FormKey() + "\\144DPI\\lvUsers", true));
    registry.WriteInteger("Version", 1);
    registry.WriteInteger("0", 222);
    form.FormCreated();
    form.show();
    QTest::keyClick(&form, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(form.ScaleDPI(), 144);
    QCOMPARE(view->columnWidth(0), 222);
    QCOMPARE(view->columnWidth(1), 90);
  }
};

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  InitApplication(application);
  ListViewTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "list_view_test.moc"
