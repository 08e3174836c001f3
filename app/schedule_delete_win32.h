// Deletion of a file at the next restart.
#pragma once

// NT family: MoveFileExA with delay until reboot. Windows 95 family: a "NUL=" line
// appended to WININIT.INI in the Windows directory, created with "[rename]" when absent.
void ScheduleDeleteOnRestart(const char* path);
