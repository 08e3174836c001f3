// The first stage's copy of the uninstaller in the temporary directory.
#pragma once

// Sets TempCopyPath to KPM1A2B.EXE in the temporary directory, copies the running
// program there and, when the copy succeeded, has it deleted at the next restart.
void MakeTempCopy();
