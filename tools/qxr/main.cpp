// qxr: the command-line tool for administrators and support.
#include <QCoreApplication>

#include "dispatch.h"
#include "terminal.h"

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName("qxr");
  qxr::PrepareConsole();
  return qxr::RunQxr(QCoreApplication::arguments().mid(1));
}
