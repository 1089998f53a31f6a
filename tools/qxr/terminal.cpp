#include "terminal.h"

#include <cstdio>
#include <iostream>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace qxr {

namespace {

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
    fActive = tcgetattr(STDIN_FILENO, &fSaved) == 0;
    if (!fActive) return;
    termios quiet = fSaved;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    fActive = tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
  }
  ~EchoOff() {
    if (fActive) tcsetattr(STDIN_FILENO, TCSAFLUSH, &fSaved);
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
