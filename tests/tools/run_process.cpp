#include "tests/tools/run_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

#include "tests/tools/test_bin_dir.h"

extern char** environ;

namespace qor::test {
namespace {

std::string BinDir() { return TestBinDir(); }

// Reads both pipes to their end without letting either fill up (-1: no such pipe).
void Drain(int outFd, int errFd, std::string& out, std::string& err) {
  pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
  std::string* sinks[2] = {&out, &err};
  int open = (outFd >= 0) + (errFd >= 0);
  char buffer[4096];
  while (open > 0) {
    if (poll(fds, 2, -1) < 0) return;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
}

// True when one of the extra "NAME=value"s names the same variable as `entry`.
bool Overridden(std::string_view entry, const std::vector<std::string>& env) {
  std::string_view name = entry.substr(0, entry.find('='));
  for (const std::string& e : env)
    if (std::string_view(e).substr(0, e.find('=')) == name) return true;
  return false;
}

ProcessResult Run(const std::string& program, const std::vector<std::string>& args,
                  const std::vector<std::string>& env, bool readerGone) {
  ProcessResult result;
  int outPipe[2], errPipe[2];
  if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return result;
  if (readerGone) {
    close(outPipe[0]);  // before the program starts, so its first write finds no reader
    outPipe[0] = -1;
  }
  std::string path = BinDir() + "/" + program;
  std::vector<std::string> envStrings;
  for (char** e = environ; *e; ++e)
    if (!Overridden(*e, env)) envStrings.emplace_back(*e);
  envStrings.insert(envStrings.end(), env.begin(), env.end());

  pid_t pid = fork();
  if (pid == 0) {
    rlimit noCore{0, 0};  // a test's deliberate abort must not leave core files about
    setrlimit(RLIMIT_CORE, &noCore);
    if (readerGone) signal(SIGPIPE, SIG_DFL);  // as a shell starts it, whatever the test runner set
    dup2(outPipe[1], 1);
    dup2(errPipe[1], 2);
    if (outPipe[0] >= 0) close(outPipe[0]);
    close(errPipe[0]);
    close(outPipe[1]);
    close(errPipe[1]);
    std::vector<char*> argv{path.data()};
    std::vector<std::string> argCopies(args);
    for (std::string& a : argCopies) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& e : envStrings) envp.push_back(e.data());
    envp.push_back(nullptr);
    execve(path.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  Drain(outPipe[0], errPipe[0], result.out, result.err);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  result.peakKilobytes = usage.ru_maxrss;
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

}  // namespace

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& env) {
  return Run(program, args, env, false);
}

ProcessResult RunProgramWithoutReader(const std::string& program, const std::vector<std::string>& args) {
  return Run(program, args, {}, true);
}

}  // namespace qor::test
