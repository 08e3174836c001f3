// The end of every run, and the second stage's own short flow.
#pragma once

// Releases what the run holds; called once after the main flow's message loop.
void EndOfRun();
// The temporary copy's run with "/z": it is given the argument text whole.
void RunSecondStage(const char* argumentText);
