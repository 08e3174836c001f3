// The uninstaller's entry to the log reader.
#pragma once

// Reads the install log at logPath into the run's lists (Log) and removalRoot (a buffer
// of at least 260 bytes). Result 0: read. 1: the log cannot be opened, is invalid or
// demands administrator rights the user lacks; the message has been shown in a box owned
// by the background window.
int ReadInstallLog(const char* logPath, char* removalRoot);
