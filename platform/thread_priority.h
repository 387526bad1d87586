#pragma once
// The priority of the threads that work behind the window.

// Lowers the calling thread below the window's thread: when both want a core, the window's
// thread gets the larger share and stays quick to repaint and to answer Esc, while the worker
// takes every moment the window leaves. On Linux the thread's nice value goes up by 5 (at
// most to 19), a step that still leaves the scan most of a core beside a busy program of the
// same session; on Windows the thread runs below normal priority.
void LowerThisThreadsPriority();
