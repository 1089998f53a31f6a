#include "reports/print_flags.h"

#include <exception>

#include "platform/registry.h"

namespace reports {

std::string PrintFlagsKey(const QString& printerName) {
  QString name = printerName;
  name.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return "SOFTWARE\\QR3\\" + name.toStdString();
}

TQRPrintFlags ReadPrintFlags(const QString& printerName) {
  static const struct {
    const char* value;
    TQRPrintFlag flag;
  } kValues[] = {{"Endlos", pfEndlos},
                 {"keine Schattierung", pfBackGroundWhite},
                 {"schwarze Schrift", pfFontBlack},
                 {"WYSIWYG", pfOrWYSIWYG}};
  TQRPrintFlags flags;
  try {
    platform::Registry registry(platform::RegistryRoot::CurrentUser);
    if (!registry.OpenKeyReadOnly(PrintFlagsKey(printerName))) {
      flags.Add(pfDuplexDefault);
      return flags;
    }
    for (const auto& entry : kValues)
      if (registry.ReadBool(entry.value).value_or(false)) flags.Add(entry.flag);
    const auto duplex = registry.ReadBool("Duplex");
    if (!duplex)
      flags.Add(pfDuplexDefault);
    else if (*duplex)
      flags.Add(pfDuplex);
  } catch (const std::exception&) {
  }
  return flags;
}

}  // namespace reports
