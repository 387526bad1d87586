#pragma once
// The priority of the threads that work behind the window.

// Lowers the calling thread below the window's thread: when both want a core, the window's
// thread gets it first and stays quick to repaint and to answer Esc, while the worker takes
// every moment the window leaves. On Linux the thread's nice value goes up by 10 (at most to
// 19); on Windows the thread runs below normal priority.
void LowerThisThreadsPriority();
