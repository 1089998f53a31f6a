#pragma once
// <code>AUTOUPD.CFG in the settings folder: how often a program checks for
// updates, whether only from the menu, and whether the installer is started
// with elevated rights. Lines "name=value" in Windows-1252.
#include <functional>
#include <string>

#include "rights/date_time.h"
#include "update/auto_update_lines.h"

namespace update {

// SettingsDir + code + "AUTOUPD.CFG"; the code of rightsadmin is "KW".
std::string AutoUpdateConfigFileName(const std::string& code);

// Read: fills the values from the file (and UseTemp from the registry); a
// missing file gives manual mode, elevation, 0 days, never checked and no
// temporary folder, and answers false. Write with LastCheck 0: stores days,
// manual and elevation when they differ from the file, and UseTemp in the
// registry. Write with a LastCheck: stores it when it is later than the stored
// one. The file is opened with up to 50 attempts 50 ms apart (dispatching
// events); a file held by another program all that time reads as empty or is
// not written. A file that cannot be created is reported through the error
// handler. Answers true when nothing had to change or the write succeeded.
bool ReadWriteAutoUpdateConfig(const std::string& code, bool read, TAutoUpdateValues& values);

// The same with the values as separate arguments.
bool ReadWriteAutoUpdateConfig(const std::string& code, bool read, int& days, bool& useTemp, bool& asAdmin,
                               bool& manual, rights::TDateTime& lastCheck);

// Shows the update settings' error messages; the windows install ui::ShowError,
// without one they go to Qt's warning output.
using TUpdateErrorHandler = std::function<void(const std::string& message)>;
void SetUpdateErrorHandler(TUpdateErrorHandler handler);

}  // namespace update
