// Keeps the windows alive during long work.
#pragma once
#include <windows.h>

// With 0: dispatches every waiting message and returns when the queue is empty.
// With a time in milliseconds: also waits until the wait timer on the background
// window has ticked once.
void PumpMessages(UINT milliseconds);
