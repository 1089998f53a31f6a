// qxr service-code gives support the code the sign-in dialog accepts.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "service/service_code.h"
#include "qxr_fixture.h"
#include "rights/date_time.h"

TEST(QxrServiceCode, GivesTheCodeForTheNameOnTheScreen) {
  QTemporaryDir folder;
  const QString keyFile = QDir(folder.path()).filePath("service.key");
  QFile file(keyFile);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("geheim\n");
  file.close();

  const QxrRun full = RunQxr({"service-code", "--key", keyFile, "4612345678901"});
  EXPECT_EQ(full.exitCode, 0) << full.err;
  EXPECT_EQ(full.out, "CEA580EFBE\n");

  // The seven digits a dialog shows now, completed with this machine's clock.
  const qint64 now = service::OneTimeNumber(rights::NowAsDateTime());
  const QxrRun shown = RunQxr({"service-code", "--key", keyFile, service::OneTimeName(now), "--json"});
  EXPECT_EQ(shown.exitCode, 0) << shown.err;
  const std::string code = service::ServiceCode("geheim", now).toStdString();
  EXPECT_NE(shown.out.find("\"code\": \"" + code + "\""), std::string::npos) << shown.out;

  EXPECT_EQ(RunQxr({"service-code", "--key", keyFile, "12ab"}).exitCode, 2);
  EXPECT_EQ(RunQxr({"service-code", "4612345678901"}).exitCode, 2);
  EXPECT_EQ(RunQxr({"service-code", "--key", QDir(folder.path()).filePath("missing.key"), "1"}).exitCode, 3);
}
