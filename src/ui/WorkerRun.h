#pragma once
// Runs a piece of work on a thread of its own while the calling thread's event loop goes
// on: the window repaints, its timers fire and it answers the keyboard and the mouse, and
// what the work sends through queued signals arrives in order, all of it before this
// returns. The work starts behind the events already waiting. An exception of the work is
// thrown again here.

#include <functional>

namespace validador::ui {

void RunOnWorker(const std::function<void()>& work);

}  // namespace validador::ui
