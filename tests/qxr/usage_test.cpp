// Usage errors are exit code 2 with a message; help is exit code 0.
#include "qxr_fixture.h"

TEST(QxrUsage, MistakesOnTheCommandLine) {
  const QStringList cases[] = {
      {},
      {"frobnicate"},
      {"users"},
      {"users", "a.qxr", "b.qxr"},
      {"users", "--colour", "a.qxr"},
      {"rights", "a.qxr"},  // no --user
      {"rights", "a.qxr", "--user", "anna", "--client", "255"},
      {"explain", "a.qxr", "--user", "anna", "--right", "12x", "--client", "5"},
      {"explain", "a.qxr", "--user", "anna", "--right", "1200"},  // no --client
      {"import", "export.json"},
      {"clients", "--datadir"},
  };
  for (const QStringList& arguments : cases) {
    const QxrRun run = RunQxr(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
    EXPECT_FALSE(run.err.empty()) << arguments.join(' ').toStdString();
    EXPECT_EQ(run.out, "") << arguments.join(' ').toStdString();
  }
}

TEST(QxrUsage, HelpForTheToolAndEveryCommand) {
  const QxrRun overview = RunQxr({"--help"});
  EXPECT_EQ(overview.exitCode, 0);
  for (const char* command : {"info", "verify", "users", "groups", "rights", "explain", "init", "passwd", "lock",
                              "unlock", "export", "import", "catalog", "paths", "clients", "service-code"}) {
    EXPECT_NE(overview.out.find(std::string("  ") + command + " "), std::string::npos) << command;
    const QxrRun help = RunQxr({command, "--help"});
    EXPECT_EQ(help.exitCode, 0) << command;
    EXPECT_EQ(help.out.rfind(std::string("Usage: qxr ") + command + " ", 0), 0u) << help.out;
  }
}
