// The process-wide run state.
#include "app/run_state.h"

RunState Run;
InstallData Log;
