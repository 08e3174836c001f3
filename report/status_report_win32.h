// Writing the status report at the end of the work.
#pragma once

// Offers the report to the installation-status library "ismif32.dll" when present;
// writes the MIF file into the Windows directory itself otherwise. Does nothing when
// the log named no report.
void WriteStatusReport();
