#include "ui/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/control_scale.h"
#include "ui/list_view.h"
#include "ui/status_bar.h"

namespace ui {

namespace {

void RegisterStandardControlScaling() {
  static bool registered = false;
  if (std::exchange(registered, true)) return;
  RegisterControlChangeScale(TQVListView::staticMetaObject, [](QWidget* control, int m, int d, bool before) {
    if (!before) static_cast<TQVListView*>(control)->ChangeScale(m, d);
  });
  RegisterControlChangeScale(TQVStatusBar::staticMetaObject, [](QWidget* control, int m, int d, bool before) {
    if (!before) static_cast<TQVStatusBar*>(control)->ChangeScale(m, d);
  });
}

}  // namespace

bool InstallGermanTranslation(QApplication& application) {
  auto* translator = new QTranslator(&application);
  if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QApplication::installTranslator(translator);
}

void InitApplication(QApplication& application) {
  // Light hinting drops the dots of "Ö" and "Ü" in small DejaVu Sans (the
  // usual Linux font); full hinting is what Windows draws anyway.
  QFont font = QApplication::font();
  font.setHintingPreference(QFont::PreferFullHinting);
  QApplication::setFont(font);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  InstallGermanTranslation(application);
  RegisterStandardControlScaling();
}

}  // namespace ui
