#include "terminal.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>

#include <array>
#include <csignal>
#endif

namespace qxr {

namespace {

#ifndef _WIN32
// An interrupted password prompt must not leave the terminal without echo.
termios gTerminalToRestore{};
constexpr std::array<int, 4> kEndingSignals = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void RestoreTerminalAndEnd(int signal) {
  tcsetattr(STDIN_FILENO, TCSAFLUSH, &gTerminalToRestore);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}
#endif

// Switches the terminal's echo off while it lives.
class EchoOff {
 public:
#ifdef _WIN32
  EchoOff() : fInput(GetStdHandle(STD_INPUT_HANDLE)) {
    fActive = GetConsoleMode(fInput, &fSaved) && SetConsoleMode(fInput, fSaved & ~DWORD{ENABLE_ECHO_INPUT});
  }
  ~EchoOff() {
    if (fActive) SetConsoleMode(fInput, fSaved);
  }
#else
  EchoOff() {
    if (tcgetattr(STDIN_FILENO, &fSaved) != 0) return;
    gTerminalToRestore = fSaved;
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
      fHandlers[i] = std::signal(kEndingSignals[i], RestoreTerminalAndEnd);
    termios quiet = fSaved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    fActive = tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
    if (!fActive) RestoreHandlers();
  }
  ~EchoOff() {
    if (!fActive) return;
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &fSaved);
    RestoreHandlers();
  }
#endif
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;

 private:
#ifdef _WIN32
  HANDLE fInput;
  DWORD fSaved = 0;
#else
  termios fSaved{};
  std::array<void (*)(int), kEndingSignals.size()> fHandlers{};

  void RestoreHandlers() {
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i) std::signal(kEndingSignals[i], fHandlers[i]);
  }
#endif
  bool fActive = false;
};

std::optional<std::string> ReadLine() {
  std::string line;
  if (!std::getline(std::cin, line) && line.empty()) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace

void PrepareConsole() {
#ifdef _WIN32
  SetConsoleOutputCP(CP_UTF8);
  SetConsoleCP(CP_UTF8);
#endif
}

bool StdinIsTerminal() {
#ifdef _WIN32
  return _isatty(_fileno(stdin)) != 0;
#else
  return isatty(STDIN_FILENO) != 0;
#endif
}

std::optional<std::string> ReadStdinLine(bool hideEcho) {
  if (!hideEcho || !StdinIsTerminal()) return ReadLine();
  std::optional<std::string> line;
  {
    EchoOff echoOff;
    line = ReadLine();
  }
  std::fputc('\n', stderr);  // the Enter the terminal did not echo
  return line;
}

}  // namespace qxr
