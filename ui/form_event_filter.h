#pragma once
// One application-wide filter for the framework's windows: it gives a window
// its own keys (Ctrl+Z, Ctrl+Alt+Z, Ctrl+Tab) before the focused control and
// any shortcut see them, and schedules the window's idle update after input.
namespace ui {

// Installs the filter once; every TQVForm does on creation.
void InstallFormEventFilter();

}  // namespace ui
