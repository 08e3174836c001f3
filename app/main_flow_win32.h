// The main flow of a first stage or an in-place run: choose and read the log, run the
// wizard and the work, ask about a restart, report, and end the message loop.
#pragma once

void RunMainFlow(const char* argumentText);
