#include "ui/form_event_filter.h"

#include <QApplication>
#include <QKeyEvent>

#include "ui/qv_form.h"

namespace ui {

namespace {

class TFormEventFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!watched->isWidgetType()) return false;
    auto* form = qobject_cast<TQVForm*>(static_cast<QWidget*>(watched)->window());
    if (!form) return false;
    switch (event->type()) {
      case QEvent::ShortcutOverride:
        // Claimed here, so that no edit takes Ctrl+Z as undo.
        if (TQVForm::IsWindowKey(static_cast<QKeyEvent*>(event))) {
          event->accept();
          return true;
        }
        return false;
      case QEvent::KeyPress: {
        form->ScheduleIdleUpdate();
        auto* key = static_cast<QKeyEvent*>(event);
        // A key ignored by a control travels on to its parents; the window previews it once.
        const QWidget* focus = form->focusWidget();
        if ((watched == focus || (!focus && watched == form)) && form->KeyPreview(key)) return true;
        return form->HandleWindowKey(key);
      }
      case QEvent::KeyRelease:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::FocusIn:
      case QEvent::WindowActivate:
        form->ScheduleIdleUpdate();
        return false;
      default:
        return false;
    }
  }
};

}  // namespace

void InstallFormEventFilter() {
  static TFormEventFilter* filter = nullptr;
  if (filter || !qApp) return;
  filter = new TFormEventFilter(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace ui
