#pragma once
// The text of <code>AUTOUPD.CFG: lines "name=value" in Windows-1252, names
// compared without regard to case. Other lines are kept as they are.
#include <string>
#include <vector>

#include "rights/date_time.h"

namespace update {

struct TAutoUpdateValues {
  int Days = 0;            // "Tage": check interval in days
  bool UseTemp = false;    // "Use TempDir" in the registry, not in the file
  bool AsAdmin = true;     // "als Admin": start the installer elevated
  bool Manual = true;      // "Manuell": only from the menu
  rights::TDateTime LastCheck = 0;  // "Letzte Prüfung"; 0: never
};

class TAutoUpdateLines {
 public:
  explicit TAutoUpdateLines(const std::string& bytes);

  // The stored values: a days text that is no number, or is negative, gives 0;
  // anything but "N" is yes; an unreadable time is 0. UseTemp stays false.
  TAutoUpdateValues Stored() const;
  // Sets what a write of `values` changes against `stored` (days, manual and
  // elevation with a LastCheck of 0, else a later LastCheck); answers whether
  // anything changed.
  bool Apply(const TAutoUpdateValues& stored, const TAutoUpdateValues& values);
  std::string Bytes() const;

 private:
  std::string Value(const std::string& name) const;
  void SetValue(const std::string& name, const std::string& value);
  // The index of the line holding the name, or -1.
  int Find(const std::string& name) const;

  std::vector<std::string> fLines;
};

// "dd.mm.yyyy hh:nn:ss", as the file keeps a time; empty for 0.
std::string FormatCheckTime(rights::TDateTime value);
// 0 when the text is no date and time (a date alone is midnight).
rights::TDateTime ParseCheckTime(const std::string& text);

}  // namespace update
