#include "admin/login_dlg.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QStyle>

#include "admin/painted_image.h"
#include "admin/password_field.h"
#include "service/service_code.h"
#include "clients/paths.h"
#include "platform/keyboard.h"
#include "rights/date_time.h"
#include "ui/button.h"
#include "ui/edits.h"
#include "ui/messages.h"

namespace admin {

namespace {

constexpr int kMaxTrys = 3;
const QString kHidden = QStringLiteral("**********");

// A padlock: the picture of the sign-in.
QPixmap LockImage() {
  return PaintedImage(32, [](QPainter& painter) {
    painter.setPen(QPen(QColor(90, 90, 100), 3));
    painter.drawArc(QRectF(9, 3, 14, 18), 0, 180 * 16);
    painter.drawLine(QPointF(9, 12), QPointF(9, 15));
    painter.drawLine(QPointF(23, 12), QPointF(23, 15));
    painter.setPen(QPen(QColor(120, 80, 10), 1));
    painter.setBrush(QColor(225, 170, 40));
    painter.drawRoundedRect(QRectF(5, 14, 22, 16), 2, 2);
    painter.setBrush(QColor(60, 40, 10));
    painter.drawEllipse(QPointF(16, 20.5), 2.2, 2.2);
    painter.drawRect(QRectF(15.2, 21, 1.6, 5));
  });
}

QLabel* ImageLabel(QStyle::StandardPixmap kind, int size, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(parent->style()->standardIcon(kind).pixmap(size, size));
  return label;
}

}  // namespace

TQVLoginDlg::TQVLoginDlg(std::optional<QByteArray> serviceKey, QWidget* parent)
    : ui::TQVForm(parent), fServiceKey(std::move(serviceKey)) {
  setObjectName(QStringLiteral("QVLoginDlg"));
  setWindowTitle(QStringLiteral("Anmeldung"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  BuildControls();
}

void TQVLoginDlg::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(BuildTopStrip());
  layout->addLayout(BuildFields());
  layout->addStretch();
  layout->addLayout(BuildButtons());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  setMinimumWidth(259);
  BuildMenus();
}

QWidget* TQVLoginDlg::BuildTopStrip() {
  auto* top = new QWidget(this);
  top->setAutoFillBackground(true);
  top->setBackgroundRole(QPalette::Base);
  auto* topLayout = new QHBoxLayout(top);
  auto* image = new QLabel(top);
  image->setPixmap(LockImage());
  topLayout->addWidget(image);
  lbMsg = new QLabel(QStringLiteral("Geben Sie Benutzernamen und Passwort\nzur Anmeldung ein."), top);
  lbMsg->setStyleSheet(QStringLiteral("color: navy;"));
  topLayout->addWidget(lbMsg, 1);
  return top;
}

QLayout* TQVLoginDlg::BuildFields() {
  edName = new ui::TQVEdit(this);
  edName->setObjectName(QStringLiteral("edName"));
  edPasswd = new ui::TQVEdit(this);
  edPasswd->setObjectName(QStringLiteral("edPasswd"));
  MaskWithStars(edPasswd);
  edPasswd->installEventFilter(this);
  lbName = new ui::TQVLabel(QStringLiteral("Anmeldename:"), this);
  lbName->setBuddy(edName);
  lbPW = new ui::TQVLabel(QStringLiteral("Passwort:"), this);
  lbPW->setBuddy(edPasswd);

  iFST = ImageLabel(QStyle::SP_MessageBoxWarning, 16, this);
  lFST = new QLabel(QStringLiteral("Die Feststelltaste ist aktiviert !"), this);
  // The caps-lock row keeps its place, so the dialog does not jump.
  for (QLabel* label : {iFST, lFST}) {
    auto policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->hide();
  }

  auto* fields = new QGridLayout;
  fields->setContentsMargins(12, 8, 12, 0);
  fields->addWidget(lbName, 0, 0);
  fields->addWidget(edName, 0, 1);
  fields->addWidget(lbPW, 1, 0);
  fields->addWidget(edPasswd, 1, 1);
  fields->addWidget(new TRevealImage(edPasswd, this), 1, 2);
  auto* capsRow = new QHBoxLayout;
  capsRow->addWidget(iFST);
  capsRow->addWidget(lFST, 1);
  fields->addLayout(capsRow, 2, 1, 1, 2);
  return fields;
}

QLayout* TQVLoginDlg::BuildButtons() {
  bbLogin = new ui::TQVButton(ui::bkOK, QStringLiteral("OK"), this);
  bbLogin->setObjectName(QStringLiteral("bbLogin"));
  // Only the outcome of a try closes the dialog.
  bbLogin->SetModalResult(ui::mrNone);
  connect(bbLogin, &QPushButton::clicked, this, &TQVLoginDlg::DoLogin);
  btCA = new ui::TQVButton(ui::bkCancel, QStringLiteral("&Abbrechen"), this);
  btCA->setObjectName(QStringLiteral("btCA"));

  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(12, 0, 12, 10);
  buttons->addStretch();
  buttons->addWidget(bbLogin);
  buttons->addWidget(btCA);
  return buttons;
}

void TQVLoginDlg::BuildMenus() {
  QMenu* pmEdit = CreateEditMenu(this);
  for (ui::TQVEdit* edit : {edName, edPasswd}) {
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QWidget::customContextMenuRequested, this,
            [edit, pmEdit](const QPoint& pos) { pmEdit->popup(edit->mapToGlobal(pos)); });
  }
  pmMain = new QMenu(this);
  acEinmalLogin = pmMain->addAction(QStringLiteral("Einmal-Login"), this, &TQVLoginDlg::StartOneTimeLogin);
  acEinmalLogin->setEnabled(fServiceKey.has_value());
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { pmMain->popup(mapToGlobal(pos)); });
}

void TQVLoginDlg::SetAdminMode(bool adminMode) {
  edName->setEnabled(!adminMode);
  if (!adminMode) return;
  edName->setText(QStringLiteral("Admin"));
  edPasswd->setFocus();
}

void TQVLoginDlg::SetOneTimeMenu(bool offered) {
  setContextMenuPolicy(offered ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
}

void TQVLoginDlg::StartOneTimeLogin() {
  if (!fServiceKey) return;
  lbName->setText(QStringLiteral("Einmal-Name:"));
  fDT = service::OneTimeNumber(rights::NowAsDateTime());
  edName->setText(service::OneTimeName(fDT));
  edName->setEnabled(false);
  edPasswd->clear();
  edPasswd->setFocus();
}

QString TQVLoginDlg::NameText() const { return edName->text(); }
QString TQVLoginDlg::PasswordText() const { return edPasswd->text(); }

bool TQVLoginDlg::CheckServiceCode(const QString& code) const {
  return fServiceKey && service::ServiceCodeMatches(*fServiceKey, fDT, code);
}

void TQVLoginDlg::DoLogin() {
  if (!fLogonProc && fDT <= 0) {
    done(ui::mrOk);
    return;
  }
  ++fTrys;
  TLogonData attempt{NameText(), PasswordText()};
  bool success = false;
  bool brk = false;
  if (fDT > 0) {
    success = CheckServiceCode(attempt.Passwort);
    if (!success)
      ui::ShowErrorMessage(
          QStringLiteral("Die Anmeldung ist fehlgeschlagen.\rÜberprüfen Sie Benutzername und Passwort."));
    // The code is a secret for this one name; it does not linger in memory.
    attempt.Name = kHidden;
    attempt.Passwort = kHidden;
  } else {
    fLogonProc(attempt, success, brk);
  }
  if (success)
    done(ui::mrOk);
  else if (brk || fTrys >= kMaxTrys)
    done(ui::mrCancel);
}

void TQVLoginDlg::ActionUpdate() {
  const bool capsOn = platform::CapsLockState() == platform::TLockState::On;
  lFST->setVisible(capsOn);
  iFST->setVisible(capsOn);
}

bool TQVLoginDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edPasswd && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      DoLogin();
      return true;
    }
  }
  return ui::TQVForm::eventFilter(watched, event);
}

namespace {

std::optional<QByteArray> ProgramServiceKey() {
  return service::ReadServiceKey(QString::fromStdString(clients::ProgramDir()));
}

void CenterOnActiveWindow(QWidget* dialog) {
  if (QWidget* owner = QApplication::activeWindow()) {
    dialog->adjustSize();
    dialog->move(owner->geometry().center() - dialog->rect().center());
  }
}

}  // namespace

void ShowLogonDlg(bool adminMode, bool oneTimeMenu, TLogonData& data, const TLogonProc& logonProc) {
  ShowLogonDlg(adminMode, oneTimeMenu, data, logonProc, ProgramServiceKey());
}

void ShowLogonDlg(bool adminMode, bool oneTimeMenu, TLogonData& data, const TLogonProc& logonProc,
                  std::optional<QByteArray> serviceKey) {
  data.Passwort.clear();
  data.ELPass = false;
  data.ReadOnly = false;
  TQVLoginDlg dialog(std::move(serviceKey), QApplication::activeWindow());
  dialog.SetLogonProc(logonProc);
  dialog.SetAdminMode(adminMode);
  dialog.SetOneTimeMenu(oneTimeMenu);
  CenterOnActiveWindow(&dialog);
  data.ModalResult = dialog.exec();
  if (data.ModalResult != ui::mrOk) return;
  data.ELPass = dialog.DT() > 0;
  // After a one-time sign-in the caller learns only that it succeeded.
  data.Name = data.ELPass ? kHidden : dialog.NameText();
  data.Passwort = data.ELPass ? kHidden : dialog.PasswordText();
}

void AskNewPassword(TLogonData& data) {
  data = TLogonData{};
  TQVLoginDlg dialog(std::nullopt, QApplication::activeWindow());
  CenterOnActiveWindow(&dialog);
  data.ModalResult = dialog.exec();
  if (data.ModalResult == ui::mrOk) data.Passwort = dialog.PasswordText();
}

}  // namespace admin
