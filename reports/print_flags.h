#pragma once
// The per-printer print options, kept per Windows user below
// "SOFTWARE\QR3\" + the printer's name (every "\" turned into "/").
#include <QString>

#include <string>

namespace reports {

enum TQRPrintFlag : unsigned {
  pfEndlos = 1u << 0,            // continuous A4 paper
  pfBackGroundWhite = 1u << 1,   // "keine Schattierung": backgrounds print white
  pfFontBlack = 1u << 2,         // "schwarze Schrift": all text prints black
  pfOrWYSIWYG = 1u << 3,
  pfDuplex = 1u << 4,            // print both sides
  pfDuplexDefault = 1u << 5,     // no "Duplex" value: the printer keeps its own setting
};

struct TQRPrintFlags {
  unsigned bits = 0;
  bool Has(TQRPrintFlag flag) const { return (bits & flag) != 0; }
  void Add(TQRPrintFlag flag) { bits |= flag; }
  bool operator==(const TQRPrintFlags&) const = default;
};

std::string PrintFlagsKey(const QString& printerName);
// A missing value counts as false; a failure ends the reading with the options found so far.
TQRPrintFlags ReadPrintFlags(const QString& printerName);

}  // namespace reports
