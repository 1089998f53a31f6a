#ifndef _WIN32

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "desktop.h"
#include "process.h"

namespace platform {

std::string ProgramFile() {
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

std::vector<std::string> CommandLineArguments() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  const std::string all{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::string> arguments;
  std::size_t start = 0;
  while (start < all.size()) {
    const std::size_t end = all.find('\0', start);
    arguments.push_back(all.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (!arguments.empty()) arguments.erase(arguments.begin());  // the program itself
  return arguments;
}

std::string EnvironmentVariable(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value ? value : "";
}

std::optional<std::string> RunHiddenAndReadOutput(const std::string& commandLine) {
  FILE* pipe = popen(commandLine.c_str(), "r");
  if (!pipe) return std::nullopt;
  std::string output;
  char buffer[4096];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, count);
  pclose(pipe);
  return output;
}

std::string ProgramFilesFolder() { return "/opt"; }

std::string CommonDocumentsFolder() { return "/srv"; }

bool IsWindowsVersion6OrLater() { return true; }

bool IsRemoteSession() { return false; }

void ShowErrorBox(const std::string& caption, const std::string& text) {
  std::string shown = text;
  for (char& c : shown)
    if (c == '\r') c = '\n';
  std::cerr << caption << ":\n" << shown << std::endl;
}

}  // namespace platform

#endif  // !_WIN32
