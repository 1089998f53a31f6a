#pragma once
// FTPCFG.INI in the settings folder: the update's FTP connection and proxy,
// shared by every program of the suite that uses the update.
#include <functional>
#include <string>

#include "clients/ini_file.h"
#include "update/ftp_settings.h"

namespace update {

// Called after the standard keys with the file and the direction.
using TFtpIniHook = std::function<void(clients::TQVCustomIniFile& ini, bool load)>;

// SettingsDir + "FTPCFG.INI".
std::string FtpConfigFileName();

// Reads (load) or writes FTPCFG.INI; the settings folder is created first.
// userAccount false: the update's settings (section "FTP" and "FTP-Mirror").
// userAccount true: a program's own account, keys prefixed "USER-", or
// "USER-<clientNr>-" when that client has an alias. Reading a missing file
// resets the settings to their initial values and answers false; an unreadable
// file is read as empty. Writing replaces the file atomically and raises
// rights::EFileError when it cannot. The Http part is never read or written.
bool LoadSaveFtpSettings(bool load, THttpFtpProxySettings& settings, bool userAccount = false,
                         const TFtpIniHook& hook = {}, const std::string& clientNr = {});

}  // namespace update
