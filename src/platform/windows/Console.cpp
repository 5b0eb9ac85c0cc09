#include "platform/Console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

#include "platform/windows/WideText.h"

namespace validador::platform {
namespace {

// What the console was before the program changed it, put back when it ends: the
// console belongs to the shell that started the program.
UINT consoleOutputCodePageBefore = 0;
HANDLE redrawnConsole = INVALID_HANDLE_VALUE;
DWORD redrawnConsoleModeBefore = 0;
bool standardErrorRedraws = false;

void RestoreConsole() {
  if (consoleOutputCodePageBefore != 0) ::SetConsoleOutputCP(consoleOutputCodePageBefore);
  if (redrawnConsole != INVALID_HANDLE_VALUE) ::SetConsoleMode(redrawnConsole, redrawnConsoleModeBefore);
}

bool IsConsole(DWORD standardHandle) {
  DWORD mode = 0;
  return ::GetConsoleMode(::GetStdHandle(standardHandle), &mode) != 0;
}

// Lets the console take the progress display's escape sequences; false on a console
// that cannot (before Windows 10).
bool LetConsoleRedraw(HANDLE console) {
  DWORD mode = 0;
  if (!::GetConsoleMode(console, &mode)) return false;
  if ((mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0) return true;
  if (!::SetConsoleMode(console, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING)) return false;
  redrawnConsole = console;
  redrawnConsoleModeBefore = mode;
  return true;
}

}  // namespace

void PrepareStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  if (IsConsole(STD_OUTPUT_HANDLE) || IsConsole(STD_ERROR_HANDLE)) {
    const UINT before = ::GetConsoleOutputCP();
    if (before != CP_UTF8 && ::SetConsoleOutputCP(CP_UTF8)) consoleOutputCodePageBefore = before;
  }
  standardErrorRedraws = LetConsoleRedraw(::GetStdHandle(STD_ERROR_HANDLE));
  std::atexit(RestoreConsole);
}

std::vector<std::string> ArgumentsOf(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return {argv, argv + argc};
  std::vector<std::string> arguments;
  arguments.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) arguments.push_back(Utf8Of(wide[i]));
  ::LocalFree(wide);
  return arguments;
}

// Set by PrepareStandardStreams: a console that takes the escape sequences.
bool StandardErrorIsTerminal() { return standardErrorRedraws; }

}  // namespace validador::platform
