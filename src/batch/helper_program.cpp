#include "batch/helper_program.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "batch/batch.h"

namespace tw {

std::string ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0)
    return ".";
  const std::string exe(path, static_cast<size_t>(n));
  return exe.substr(0, exe.find_last_of('/'));
}

int RunHelperProgram(const std::string& name, const std::string& installed, char* argv[]) {
  const std::string folder = ProgramFolder();
  for (const std::string& program : {folder + "/" + name, folder + "/" + installed}) {
    argv[0] = const_cast<char*>(program.c_str());
    execv(program.c_str(), argv);
  }
  std::fprintf(stderr, "%s could not be started: %s\n", name.c_str(), std::strerror(errno));
  return kBatchFailed;
}

namespace {

// Everything from `fd` until the writer closes it.
std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  for (;;) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0)
      text.append(buffer, static_cast<size_t>(n));
    else if (n == 0 || errno != EINTR)
      return text;
  }
}

struct Pipe {
  int fd[2] = {-1, -1};
  Pipe() {
    if (pipe2(fd, O_CLOEXEC) != 0)
      fd[0] = fd[1] = -1;
  }
  ~Pipe() {
    CloseEnd(0);
    CloseEnd(1);
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;
  void CloseEnd(int end) {
    if (fd[end] >= 0)
      close(fd[end]);
    fd[end] = -1;
  }
};

}  // namespace

Result<std::string> HelperProgramOutput(const std::string& name, const std::string& installed,
                                        const std::vector<std::string>& args) {
  Pipe out;
  Pipe err;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out.fd[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.fd[1], STDERR_FILENO);
  const std::string folder = ProgramFolder();
  pid_t pid = -1;
  int failed = out.fd[0] < 0 || err.fd[0] < 0 ? EMFILE : ENOENT;
  for (const std::string& program : {folder + "/" + name, folder + "/" + installed}) {
    if (failed == ENOENT) {
      std::vector<char*> argv{const_cast<char*>(program.c_str())};
      for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
      argv.push_back(nullptr);
      failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    }
  }
  posix_spawn_file_actions_destroy(&actions);
  if (failed != 0)
    return Error{name + " could not be started: " + std::strerror(failed)};
  out.CloseEnd(1);
  err.CloseEnd(1);
  // The helpers' answers are a few lines: stderr cannot fill its pipe while
  // stdout is read.
  std::string text = ReadAll(out.fd[0]);
  std::string reason = ReadAll(err.fd[0]);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
    return text;
  while (!reason.empty() && reason.back() == '\n')
    reason.pop_back();
  return Error{reason.empty() ? name + " failed." : reason};
}

}  // namespace tw
