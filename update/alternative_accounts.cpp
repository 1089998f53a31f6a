#include "update/alternative_accounts.h"

#include <QBuffer>
#include <QXmlStreamReader>

#include "clients/zip_ini_file.h"
#include "rights/codepage.h"
#include "update/crypted_password.h"
#include "update/http_client.h"
#include "update/update_endpoints.h"

namespace update {
namespace {

constexpr const char* kServiceNamespace = "urn:qvAccounts";

std::string XmlEscaped(const std::string& text) {
  return QString::fromStdString(text).toHtmlEscaped().toStdString();
}

}  // namespace

std::optional<TAlternativeAccount> AccountFromAccountsFile(const std::string& serviceName) {
  const TUpdateEndpoints& endpoints = UpdateEndpoints();
  if (endpoints.AccountsFileURL.empty()) return std::nullopt;
  try {
    QByteArray bytes = QByteArray::fromStdString(HttpGet(endpoints.AccountsFileURL));
    if (bytes.isEmpty()) return std::nullopt;
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    clients::TZipIniFile ini;
    ini.SetPassword(endpoints.AccountsFilePassword);
    ini.LoadFromStream(stream);
    TAlternativeAccount account;
    account.Host = ini.ReadString(serviceName, "Host", "");
    account.Username = ini.ReadString(serviceName, "Username", "");
    account.Password = ini.ReadString(serviceName, "Password", "");
    account.StartDir = ini.ReadString(serviceName, "StartDir", "");
    account.Port = ini.ReadInteger(serviceName, "Port", 21);
    if (account.Host.empty() || account.Username.empty() || account.Password.empty()) return std::nullopt;
    return account;
  } catch (const std::exception&) {
    return std::nullopt;  // any failure only means: no account from the file
  }
}

std::string AccountServiceRequest(const std::string& serviceName) {
  return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                     "<soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\">"
                     "<soap:Body><getAccnData xmlns=\"") +
         kServiceNamespace + "\"><service>" + XmlEscaped(serviceName) +
         "</service></getAccnData></soap:Body></soap:Envelope>";
}

std::optional<TAlternativeAccount> ParseAccountServiceAnswer(const std::string& xml, const std::string& serviceName) {
  QXmlStreamReader reader(QByteArray::fromStdString(xml));
  TAlternativeAccount account;
  std::string service;
  while (!reader.atEnd()) {
    if (reader.readNext() != QXmlStreamReader::StartElement) continue;
    const std::string name = reader.name().toString().toLower().toStdString();
    if (name != "service" && name != "host" && name != "port" && name != "user" && name != "password" &&
        name != "startdir")
      continue;  // descend into envelope, body and answer
    const std::string value = reader.readElementText().trimmed().toStdString();
    if (name == "service") service = value;
    else if (name == "host") account.Host = value;
    else if (name == "port") account.Port = QString::fromStdString(value).toInt();
    else if (name == "user") account.Username = DecryptPassword(value);
    else if (name == "password") account.Password = DecryptPassword(value);
    else account.StartDir = value;
  }
  if (reader.hasError() || service != serviceName) return std::nullopt;
  if (account.Port <= 0 || account.Port > 65535) account.Port = 21;
  return account;
}

std::optional<TAlternativeAccount> AccountFromAccountService(const std::string& serviceName) {
  const std::string& url = UpdateEndpoints().AccountServiceURL;
  if (url.empty()) return std::nullopt;
  try {
    const std::string answer =
        HttpPost(url, AccountServiceRequest(serviceName),
                 {"Content-Type: text/xml; charset=utf-8",
                  std::string("SOAPAction: \"") + kServiceNamespace + "#getAccnData\""});
    return ParseAccountServiceAnswer(answer, serviceName);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace update
