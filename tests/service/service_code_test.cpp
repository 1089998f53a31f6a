#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "service/service_code.h"

using namespace service;

TEST(ServiceCode, KnownCodes) {
  EXPECT_EQ(ServiceCode("geheim", 4612345678901), "CEA580EFBE");
  EXPECT_EQ(ServiceCode(QString("Schlüssel-2026").toUtf8(), 4613000000000), "54634064AD");
}

TEST(ServiceCode, AcceptsExactlyTheCodeForTheNumber) {
  const QByteArray key = "geheim";
  const qint64 number = 4612345678901;
  struct Case {
    QString entered;
    bool accepted;
  };
  const Case cases[] = {
      {"CEA580EFBE", true},  {"cea580efbe", true},  {" CEA580EFBE ", true}, {"CEA580EFB", false},
      {"CEA580EFBE0", false}, {"CEA580EFBF", false}, {"", false},            {"**********", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ServiceCodeMatches(key, number, c.entered), c.accepted) << c.entered.toStdString();
  EXPECT_FALSE(ServiceCodeMatches(key, number + 1, "CEA580EFBE"));
  EXPECT_FALSE(ServiceCodeMatches("anders", number, "CEA580EFBE"));
}

TEST(ServiceCode, OneTimeNameAndNumber) {
  // 2026-12-11 12:00 is day 46367.5.
  EXPECT_EQ(OneTimeNumber(46367.5), 463675000);
  EXPECT_EQ(OneTimeNumber(46367.500086), 463675000);  // 8.64 seconds make one step
  EXPECT_EQ(OneTimeNumber(46367.5001), 463675001);
  EXPECT_EQ(OneTimeName(463675001), "3675001");
  EXPECT_EQ(OneTimeName(460000042), "0000042");

  // Support completes the seven digits with its own clock.
  EXPECT_EQ(CompleteOneTimeNumber(3675001, 463675010), 463675001);
  EXPECT_EQ(CompleteOneTimeNumber(9999999, 470000003), 469999999);  // across a wrap of the digits
  EXPECT_EQ(CompleteOneTimeNumber(2, 469999999), 470000002);
}

TEST(ServiceCode, KeyFile) {
  QTemporaryDir folder;
  EXPECT_FALSE(ReadServiceKey(folder.path()).has_value());
  QFile file(QDir(folder.path()).filePath("service.key"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("  \n");
  file.close();
  EXPECT_FALSE(ReadServiceKey(folder.path()).has_value()) << "an empty key admits nobody";
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("geheim\n");
  file.close();
  EXPECT_EQ(ReadServiceKey(folder.path()), QByteArray("geheim"));
}
