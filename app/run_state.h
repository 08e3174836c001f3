// The run state every part of the uninstaller reads: platform, paths and the run's flags.
// Flags are 32-bit integers used as booleans, 0 at start.
#pragma once
#include <cstdint>

#include "log/item_lists.h"

const unsigned PathSize = 256;

struct RunState {
  int32_t PlatformKind;  // 1 = Windows NT family, 2 = Windows 95 family
  int32_t NewShell;      // major version 4 or later
  char UninstallerPath[PathSize];  // running program, long-name form
  char SettingsPath[PathSize];     // running program with extension INI
  char TempCopyPath[PathSize];     // the first stage's copy of itself
  char LogPath[PathSize];
  char RemovalRoot[260];
  int32_t HasSecondArgument;  // the command line carried a caption (an empty one counts)

  int32_t InPlaceRun;
  int32_t AutomaticRun;
  int32_t SilentRun;
  int32_t RollbackRequested;
  int32_t FinishPageStart;
  int32_t SecondStage;
  int32_t RebootNeeded;
  int32_t SelfRemovalPending;
  int32_t CancelRequested;
  int32_t WizardFinished;
  int32_t WaitFlag;  // set while a timed wait runs; cleared by any timer tick
};

const int32_t PlatformNT = 1;
const int32_t Platform95 = 2;

const unsigned ScratchTextSize = 16384;

extern RunState Run;
extern char* ScratchText;       // 16 KB working text shared by the later steps
extern uint32_t* CrcTable;      // 256 entries
extern char WizardCaption[256];   // message 25, for the wizard's cancel question
extern char CancelQuestion[256];  // message 59
extern InstallData Log;  // what the install log recorded
