#pragma once
// Runs a check in a child process as the unprivileged user "nobody" (65534):
// as root every permission check passes, so a test of what a folder or file
// refuses needs another user.
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

constexpr uid_t kNobody = 65534;

// The child's exit code: body's answer, or 99 when the user could not be taken on.
inline int RunAsNobody(const std::function<int()>& body) {
  const pid_t child = fork();
  if (child == 0) {
    if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(99);
    _exit(body());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}
