#pragma once
// The program's start: the toolkit's settings and title, the main window, the splash
// for a second, then the event loop until the main window closes.

#include <chrono>

class QApplication;

namespace validador::app {

inline constexpr std::chrono::milliseconds kSplashTime{1000};

// Title " Validador ", style, icon and pictures; before any window is made.
void PrepareApplication(QApplication& application);

// Shows the splash for `time`, handling no user input meanwhile, then closes it.
void ShowSplash(std::chrono::milliseconds time);

// The whole start-up sequence; returns the program's exit status.
int RunProgram(QApplication& application);

}  // namespace validador::app
