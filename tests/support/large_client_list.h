#pragma once
// A client list of the size large installations reach: client sections "1".."count"
// with number, name and modules, and one database server that serves client 4711.
#include <string>

inline std::string LargeClientListText(int count) {
  std::string text = "\xEF\xBB\xBF";
  text.reserve(static_cast<std::size_t>(count) * 64);
  for (int i = 1; i <= count; ++i) {
    const std::string number = std::to_string(i);
    text += "[" + number + "]\r\nNR=" + number + "\r\nName=Hof " + number + "\r\nLedgerPro=1\r\nInfo=\r\n";
  }
  text += "[SERVER-1]\r\nHostname=db\r\nClients=4711\r\n";
  return text;
}
