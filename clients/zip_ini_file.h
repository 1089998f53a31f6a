#pragma once
// TZipIniFile: an INI file kept as the single entry "SETTINGS.INI" of a
// password-protected ZIP archive, its text in Windows-1252.
#include <stdexcept>
#include <string>

#include "ini_file.h"

class QIODevice;

namespace clients {

class EZipIniError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TZipIniFile : public TQVCustomIniFile {
 public:
  TZipIniFile() : TQVCustomIniFile(false) {}

  const std::string& FileName() const { return fFileName; }
  void SetFileName(const std::string& fileName) { fFileName = fileName; }
  // Without a password the stream holds the plain INI text.
  const std::string& Password() const { return fPassword; }
  void SetPassword(const std::string& password) { fPassword = password; }

  // Reads the whole stream from its start. A wrong password or a damaged
  // archive gives an empty INI; a file that is not empty but holds no
  // settings raises EZipIniError ("Konfigurationsdatei ... enthält keine Daten").
  void LoadFromStream(QIODevice& stream);
  // Writes at the stream's position; false (and nothing written) when packing fails.
  bool SaveToStream(QIODevice& stream);
  // Empties the INI and reads the file when it exists.
  void LoadFromFile(const std::string& fileName);
  // Replaces the file, or raises and leaves it as it was. A file whose archive
  // could not be read with the password when it was loaded is not replaced
  // (EZipIniError): its settings were never seen, and saving would lose them.
  void SaveToFile();

 private:
  std::string fFileName;
  std::string fPassword;
  std::string fUnreadableFile;  // the file last loaded, when its archive could not be read
};

}  // namespace clients
