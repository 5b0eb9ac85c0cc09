#include "support/RunProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "support/TempDir.h"

namespace testsupport {
namespace {

std::vector<char*> ArgvOf(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  return argv;
}

int ExitCodeOf(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// A pipe; both ends closed on exec unless moved onto a standard descriptor.
std::array<int, 2> MakePipe() {
  std::array<int, 2> ends{};
  if (pipe2(ends.data(), O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  return ends;
}

// Reads both pipes to their end, whichever has something.
void ReadBoth(int outFd, int errFd, std::string& out, std::string& err) {
  std::array<pollfd, 2> fds = {pollfd{outFd, POLLIN, 0}, pollfd{errFd, POLLIN, 0}};
  std::array<std::string*, 2> into = {&out, &err};
  int stillOpen = 0;
  for (const pollfd& fd : fds) stillOpen += fd.fd >= 0 ? 1 : 0;
  char buffer[65536];
  while (stillOpen > 0) {
    if (poll(fds.data(), fds.size(), -1) < 0) {
      if (errno == EINTR) continue;
      throw std::runtime_error("poll failed");
    }
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --stillOpen;
      } else {
        into[i]->append(buffer, static_cast<std::size_t>(got));
      }
    }
  }
}

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& stdinText, unsigned timeoutSeconds) {
  TempDir dir;
  const std::string inPath = dir.Write("stdin", stdinText);
  const std::string outPath = dir.File("stdout");
  const std::string errPath = dir.File("stderr");

  std::vector<char*> argv = ArgvOf(program, args);

  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int in = open(inPath.c_str(), O_RDONLY);
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || err < 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    // The alarm outlives exec; its signal's default action ends the program.
    if (timeoutSeconds != 0) alarm(timeoutSeconds);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  ProcessResult result;
  result.exitCode = ExitCodeOf(pid);
  result.out = ReadAll(outPath);
  result.err = ReadAll(errPath);
  return result;
}


ProcessResult RunProcessWith(const std::string& program, const std::vector<std::string>& args,
                             const RunOptions& options) {
  TempDir dir;
  const std::string inPath = dir.Write("stdin", options.stdinText);
  std::vector<char*> argv = ArgvOf(program, args);
  const std::array<int, 2> errPipe = MakePipe();
  std::array<int, 2> outPipe{-1, -1};
  if (options.stdoutTo != StdoutTo::DevFull) outPipe = MakePipe();
  if (options.stdoutTo == StdoutTo::ClosedPipe) {
    close(outPipe[0]);
    outPipe[0] = -1;
  }

  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int in = open(inPath.c_str(), O_RDONLY);
    const int out =
        options.stdoutTo == StdoutTo::DevFull ? open("/dev/full", O_WRONLY) : outPipe[1];
    if (in < 0 || out < 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    dup2(errPipe[1], 2);
    if (options.fileSizeLimit) {
      const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(127);
    }
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  close(errPipe[1]);
  if (outPipe[1] >= 0) close(outPipe[1]);
  ProcessResult result;
  ReadBoth(outPipe[0], errPipe[0], result.out, result.err);
  result.exitCode = ExitCodeOf(pid);
  return result;
}

}  // namespace testsupport
