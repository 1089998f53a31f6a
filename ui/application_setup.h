#pragma once
// What the program sets up once at start, before its first window: Qt's own
// dialogs in German, German number formats, legible umlauts, and the
// rescaling of the framework's controls.
class QApplication;

namespace ui {

void InitApplication(QApplication& application);
// Loads Qt's German translation (qtbase_de) from Qt's translations folder;
// answers whether it was found.
bool InstallGermanTranslation(QApplication& application);

}  // namespace ui
