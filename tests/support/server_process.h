#pragma once
// A test server as a child process on 127.0.0.1, stopped when the object goes:
// our fixtures end when their standard input closes, other programs on SIGTERM;
// a kill follows after 3 s.
#include <QProcess>
#include <QStringList>
#include <QTcpSocket>
#include <QThread>

#include <stdexcept>
#include <string>

#ifndef QXR_TEST_SUPPORT_DIR
#error "QXR_TEST_SUPPORT_DIR names tests/support"
#endif

class ServerProcess {
 public:
  ~ServerProcess() {
    if (fProcess.state() == QProcess::NotRunning) return;
    if (fIsFixture) fProcess.closeWriteChannel();
    else fProcess.terminate();
    if (!fProcess.waitForFinished(3000)) {
      fProcess.kill();
      fProcess.waitForFinished(3000);
    }
  }
  ServerProcess() = default;
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;

  // One of our Python fixtures, which prints "PORT <n>" once it listens.
  void StartFixture(const char* script, QStringList arguments) {
    fIsFixture = true;
    arguments.prepend(QStringLiteral(QXR_TEST_SUPPORT_DIR "/") + script);
    fProcess.setStandardErrorFile(QProcess::nullDevice());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PYTHONDONTWRITEBYTECODE", "1");  // nothing written into the sources
    fProcess.setProcessEnvironment(environment);
    // Debian's interpreter: it has the server packages.
    fProcess.start("/usr/bin/python3", arguments);
    QByteArray line;
    while (!line.endsWith('\n') && fProcess.waitForReadyRead(10000)) line += fProcess.readLine();
    if (!line.startsWith("PORT ")) throw std::runtime_error(std::string(script) + " did not start");
    fPort = line.mid(5).trimmed().toInt();
  }

  // A program that takes its port as an argument: a free port is chosen first,
  // then it is awaited until it accepts connections.
  void StartProgram(const QString& program, const QStringList& argumentsBeforePort, const QStringList& after = {}) {
    fPort = FreePort();
    fProcess.setStandardOutputFile(QProcess::nullDevice());
    fProcess.setStandardErrorFile(QProcess::nullDevice());
    fProcess.start(program, argumentsBeforePort + QStringList{QString::number(fPort)} + after);
    for (int attempt = 0; attempt < 200; ++attempt) {
      QTcpSocket probe;
      probe.connectToHost("127.0.0.1", static_cast<quint16>(fPort));
      if (probe.waitForConnected(100)) return;
      QThread::msleep(20);
    }
    throw std::runtime_error(program.toStdString() + " did not start");
  }

  int Port() const { return fPort; }

  static int FreePort() {
    QTcpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
  }

 private:
  QProcess fProcess;
  bool fIsFixture = false;
  int fPort = 0;
};
