// Running a program on Windows: one UTF-16 command line quoted as the C runtime and
// CommandLineToArgvW split it, the standard streams redirected to files.

#include <windows.h>

#include <stdexcept>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace testsupport {
namespace {

std::wstring Wide(const std::string& utf8) { return PathOfUtf8(utf8).wstring(); }

// One argument as the program's startup code will read it back: quoted when it holds
// blanks or quotes or is empty; backslashes doubled only before a quote.
std::wstring Quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  std::size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    quoted += c;
    backslashes = 0;
  }
  quoted.append(backslashes * 2, L'\\');
  return quoted + L"\"";
}

std::wstring CommandLine(const std::string& program, const std::vector<std::string>& args) {
  std::wstring line = Quoted(Wide(program));
  for (const std::string& arg : args) line += L" " + Quoted(Wide(arg));
  return line;
}

// A file handle the child inherits as one of its standard streams.
HANDLE InheritedFile(const std::string& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  const HANDLE file = ::CreateFileW(Wide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    &inherit, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
  return file;
}

// The exit status a program gets when its time is up: as on POSIX, 128 + SIGALRM.
constexpr UINT kTimedOutExitCode = 128 + 14;

}  // namespace

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::string& stdinText, unsigned timeoutSeconds) {
  TempDir dir;
  const std::string inPath = dir.Write("stdin", stdinText);
  const std::string outPath = dir.File("stdout");
  const std::string errPath = dir.File("stderr");

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = InheritedFile(inPath, GENERIC_READ, OPEN_EXISTING);
  startup.hStdOutput = InheritedFile(outPath, GENERIC_WRITE, CREATE_ALWAYS);
  startup.hStdError = InheritedFile(errPath, GENERIC_WRITE, CREATE_ALWAYS);

  std::wstring commandLine = CommandLine(program, args);
  PROCESS_INFORMATION process{};
  const BOOL started = ::CreateProcessW(Wide(program).c_str(), commandLine.data(), nullptr, nullptr,
                                        TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process);
  ::CloseHandle(startup.hStdInput);
  ::CloseHandle(startup.hStdOutput);
  ::CloseHandle(startup.hStdError);
  if (!started) throw std::runtime_error("cannot start " + program);

  const DWORD wait = timeoutSeconds == 0 ? INFINITE : static_cast<DWORD>(timeoutSeconds) * 1000;
  if (::WaitForSingleObject(process.hProcess, wait) == WAIT_TIMEOUT) {
    ::TerminateProcess(process.hProcess, kTimedOutExitCode);
    ::WaitForSingleObject(process.hProcess, INFINITE);
  }
  DWORD exitCode = 0;
  ::GetExitCodeProcess(process.hProcess, &exitCode);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);

  ProcessResult result;
  result.exitCode = static_cast<int>(exitCode);
  result.out = ReadAll(outPath);
  result.err = ReadAll(errPath);
  return result;
}

}  // namespace testsupport
