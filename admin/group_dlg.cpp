#include "admin/group_dlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "admin/painted_image.h"
#include "ui/button.h"
#include "ui/list_view.h"

namespace admin {

namespace {

constexpr std::int32_t kTemplateUser = 2;  // the administrator and the template user are never offered

void PaintPerson(QPainter& painter, QPointF at, const QColor& colour) {
  painter.setPen(QPen(colour.darker(160), 1));
  painter.setBrush(colour);
  painter.drawEllipse(at + QPointF(0, -3.5), 2.6, 2.6);
  painter.drawChord(QRectF(at.x() - 4.5, at.y(), 9, 10), 0, 180 * 16);
}

// A person for a user, two for a group.
QIcon RowImage(bool user) {
  return QIcon(PaintedImage(16, [user](QPainter& painter) {
    if (user) {
      PaintPerson(painter, {8, 8}, QColor(70, 130, 200));
      return;
    }
    PaintPerson(painter, {10.5, 7}, QColor(150, 150, 160));
    PaintPerson(painter, {6, 9}, QColor(70, 130, 200));
  }));
}

bool Listed(const QTreeWidget* link, std::int32_t id) {
  if (!link) return false;
  for (int i = 0; i < link->topLevelItemCount(); ++i)
    if (link->topLevelItem(i)->data(0, Qt::UserRole).toInt() == id) return true;
  return false;
}

}  // namespace

TQXGroupDlg::TQXGroupDlg(bool user, const rights::TRechteDatei& rd, const QTreeWidget* link, std::int32_t toUser,
                         QWidget* parent)
    : ui::TSavePosForm(parent), RD(rd), Link(link), User(user), fToUser(toUser) {
  setObjectName(QStringLiteral("QXGroupDlg"));
  setProperty("HelpContext", 1030);
  lvGroups = new ui::TQVListView(this);
  lvGroups->setObjectName(QStringLiteral("lvGroups"));
  lvGroups->SetCheckBoxes(true);
  lvGroups->setHeaderHidden(true);
  lvGroups->setRootIsDecorated(false);
  lvGroups->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lvGroups->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvGroups->setColumnCount(1);

  auto* ok = new ui::TQVButton(ui::bkOK, QStringLiteral("OK"), this);
  auto* strip = new QHBoxLayout;
  strip->addStretch();
  strip->addWidget(ok);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lvGroups, 1);
  layout->addLayout(strip);
  resize(296, 272);
  SetSingleIdleProc([this] { Fill(); });
}

bool TQXGroupDlg::Offered(const rights::TFIRClass& record) const {
  if (User && (record.ID == fToUser || record.ID <= kTemplateUser)) return false;
  return !Listed(Link, record.ID);
}

template <class Records>
void TQXGroupDlg::AddRows(const Records& list) {
  const QIcon image = RowImage(User);
  for (std::size_t i = 0; i < list.Count(); ++i) {
    const rights::TFIRClass& record = list[i];
    if (!Offered(record)) continue;
    QTreeWidgetItem* row = lvGroups->AddItem(QString::fromStdString(record.Bez));
    row->setData(0, Qt::UserRole, record.ID);
    row->setIcon(0, image);
  }
}

void TQXGroupDlg::Fill() {
  setWindowTitle((User ? QStringLiteral("Benutzer") : QStringLiteral("Gruppe(n)")) + QStringLiteral(" hinzufügen"));
  lvGroups->BeginUpdate(true);
  if (User)
    AddRows(RD.UserList());
  else
    AddRows(RD.GroupList());
  lvGroups->EndUpdate();
}

std::vector<std::unique_ptr<rights::TFIRClass>> TQXGroupDlg::Ticked() const {
  std::vector<std::unique_ptr<rights::TFIRClass>> result;
  for (int i = 0; i < lvGroups->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = lvGroups->topLevelItem(i);
    if (row->checkState(0) != Qt::Checked) continue;
    const std::int32_t id = row->data(0, Qt::UserRole).toInt();
    const rights::TFIRClass* record = User ? static_cast<const rights::TFIRClass*>(RD.UserList().ItemByID(id))
                                           : RD.GroupList().ItemByID(id);
    if (!record) continue;
    auto copy = std::make_unique<rights::TFIRClass>();
    copy->Assign(*record);
    result.push_back(std::move(copy));
  }
  return result;
}

std::vector<std::unique_ptr<rights::TFIRClass>> SelectUsGr(bool user, const rights::TRechteDatei& rd,
                                                           const QTreeWidget* link, std::int32_t toUser) {
  TQXGroupDlg dialog(user, rd, link, toUser, QApplication::activeWindow());
  if (dialog.exec() != ui::mrOk) return {};
  return dialog.Ticked();
}

}  // namespace admin
