#pragma once
// The one-time service sign-in: the program shows a one-time name that changes
// every 8.64 seconds; the maker's support, holding the key, computes the code
// that admits an administrator once for that name. QtCore only, so the
// command-line tool computes the same codes.
#include <QByteArray>
#include <QString>
#include <optional>

namespace service {

// The number behind the one-time name: the date and time (days since
// 1899-12-30) times 10000, truncated.
qint64 OneTimeNumber(double dateTime);

// The last seven digits of the number, as the sign-in dialog shows them.
QString OneTimeName(qint64 number);

// The number with these last seven digits that lies nearest to nowNumber:
// support is told only the seven digits.
qint64 CompleteOneTimeNumber(qint64 shownDigits, qint64 nowNumber);

// The first ten hexadecimal digits, upper case, of HMAC-SHA256(key, number in decimal).
QString ServiceCode(const QByteArray& key, qint64 number);

// Compares an entered code case-insensitively and in constant time.
bool ServiceCodeMatches(const QByteArray& key, qint64 number, const QString& entered);

// The key in the file "service.key" of the folder; none when the file is
// missing, unreadable or empty. Surrounding white space is not part of the key.
std::optional<QByteArray> ReadServiceKey(const QString& folder);

}  // namespace service
