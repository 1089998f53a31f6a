#include "ui/button.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPointer>

#include "ui/glyph_store.h"
#include "ui/help.h"
#include "ui/key_navigation.h"

namespace ui {

namespace {

QIcon KindGlyphOf(TBitBtnKind kind) {
  const char* name = KindInfo(kind).glyph;
  return name ? StoredGlyph(QString::fromLatin1(name)) : QIcon();
}

}  // namespace

TQVButton::TQVButton(QWidget* parent) : QPushButton(parent) {
  connect(this, &QPushButton::clicked, this, &TQVButton::Clicked);
}

TQVButton::TQVButton(TBitBtnKind kind, const QString& caption, QWidget* parent) : TQVButton(parent) {
  setText(caption);
  SetKind(kind);
}

void TQVButton::SetKind(TBitBtnKind kind) {
  fKind = kind;
  if (kind == bkCustom) return;
  const TButtonKindInfo& info = KindInfo(kind);
  if (info.caption) setText(QString::fromUtf8(info.caption));
  fModalResult = info.result;
  if (info.isDefault) setDefault(true);
  if (info.isCancel) fCancel = true;
  setIcon(KindGlyphOf(kind));
}

void TQVButton::SetKindGlyph(TBitBtnKind kind) { setIcon(KindGlyphOf(kind)); }

void TQVButton::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
    switch (event->key()) {
      case Qt::Key_Left:
      case Qt::Key_Up:
        SelectNextControl(this, false);
        return;
      case Qt::Key_Right:
      case Qt::Key_Down:
        SelectNextControl(this, true);
        return;
      default:
        break;
    }
  }
  QPushButton::keyPressEvent(event);
}

void TQVButton::Clicked() {
  if (fKind == bkHelp) {
    const int context = HelpContextOf(this);
    if (context != 0) ShowHelpContext(context);
  }
  if (fKind == bkClose) window()->close();
  auto* dialog = qobject_cast<QDialog*>(window());
  if (fModalResult == mrNone || !dialog || !dialog->isModal()) return;
  // After the window's own handlers of this click, as the window expects.
  QMetaObject::invokeMethod(
      dialog,
      [dialog = QPointer<QDialog>(dialog), result = fModalResult] {
        if (dialog && dialog->isVisible()) dialog->done(result);
      },
      Qt::QueuedConnection);
}

TQVSpeedButton::TQVSpeedButton(QWidget* parent) : QToolButton(parent) { setAutoRaise(true); }

void TQVSpeedButton::SetKindGlyph(TBitBtnKind kind) { setIcon(KindGlyphOf(kind)); }

}  // namespace ui
