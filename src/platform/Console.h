#pragma once
// The program's console: its arguments and its standard streams, as UTF-8 bytes that
// pass unchanged whatever the system's own code page.

#include <string>
#include <vector>

namespace validador::platform {

// Makes stdin, stdout and stderr binary (no line-end or end-of-file translation) and,
// where a console shows them, makes it show UTF-8. Called once, first thing in main.
void PrepareStandardStreams();

// The program's arguments in UTF-8, the program's own name first. On Windows they are
// taken from the UTF-16 command line, not from the ANSI `argv`.
std::vector<std::string> ArgumentsOf(int argc, char** argv);

// True when stderr is a terminal that can redraw its last line ("\r", "ESC[K").
bool StandardErrorIsTerminal();

}  // namespace validador::platform
