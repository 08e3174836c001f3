// The uninstaller's command line: options, the log path and the second argument.
#pragma once
#include <cstdint>

const unsigned CommandLineSize = 256;  // 255 characters and a terminator

struct CommandLine {
  char Text[CommandLineSize];  // the command line as taken, cut to 255 characters
  int32_t InPlaceRun;          // begins with "/Z" in either case: no temporary copy
  int32_t AutomaticRun;
  int32_t SilentRun;
  int32_t RollbackRequested;
  int32_t FinishPageStart;
  int32_t SecondStage;
  int32_t RebootNeeded;
  // The text after the options and their blanks. In a second stage it is left whole;
  // otherwise it is the log path, cut at its first blank.
  char ArgumentText[CommandLineSize];
  int32_t HasSecondArgument;  // a blank followed the log path (an empty second argument counts)
  char SecondArgument[CommandLineSize];
};

// Parses a command line (without the program name). Pure: asks nothing of the system.
CommandLine ParseCommandLine(const char* text);
