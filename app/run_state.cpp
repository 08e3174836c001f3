// The process-wide run state.
#include "app/run_state.h"

RunState Run;
InstallData Log;
char* ScratchText;
uint32_t* CrcTable;
char WizardCaption[256];
char CancelQuestion[256];
