#include "service/service_code.h"

#include <QDir>
#include <QFile>
#include <QMessageAuthenticationCode>
#include <cmath>

#include "rights/regular_file.h"

namespace service {

namespace {
constexpr qint64 kNameModulus = 10'000'000;  // seven digits
constexpr int kCodeLength = 10;
}  // namespace

qint64 OneTimeNumber(double dateTime) { return static_cast<qint64>(std::trunc(dateTime * 10000.0)); }

QString OneTimeName(qint64 number) {
  return QString::number(number % kNameModulus).rightJustified(7, QLatin1Char('0'));
}

qint64 CompleteOneTimeNumber(qint64 shownDigits, qint64 nowNumber) {
  const qint64 base = nowNumber - nowNumber % kNameModulus + shownDigits % kNameModulus;
  qint64 best = base;
  for (const qint64 candidate : {base - kNameModulus, base + kNameModulus})
    if (std::llabs(candidate - nowNumber) < std::llabs(best - nowNumber)) best = candidate;
  return best;
}

QString ServiceCode(const QByteArray& key, qint64 number) {
  const QByteArray mac =
      QMessageAuthenticationCode::hash(QByteArray::number(number), key, QCryptographicHash::Sha256);
  return QString::fromLatin1(mac.toHex().left(kCodeLength)).toUpper();
}

bool ServiceCodeMatches(const QByteArray& key, qint64 number, const QString& entered) {
  const QString expected = ServiceCode(key, number);
  const QString given = entered.trimmed().toUpper();
  // Every character is looked at, whatever differs first.
  unsigned difference = given.size() == expected.size() ? 0u : 1u;
  for (int i = 0; i < kCodeLength; ++i) {
    const char16_t a = i < given.size() ? given[i].unicode() : u'\0';
    difference |= static_cast<unsigned>(a ^ expected[i].unicode());
  }
  return difference == 0;
}

std::optional<QByteArray> ReadServiceKey(const QString& folder) {
  const QString fileName = QDir(folder).filePath(QStringLiteral("service.key"));
  // Anything but a plain file (a pipe would block the sign-in dialog) is no key.
  if (rights::KindOfFile(fileName.toStdString()) != rights::FileKind::Regular) return std::nullopt;
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray key = file.read(64 * 1024).trimmed();
  if (key.isEmpty()) return std::nullopt;
  return key;
}

}  // namespace service
