#pragma once

class TForm1;

// The start-up probe, a separate program for the start-up benchmark and the
// start-up test: it starts the program as a user would, prints the
// milliseconds from process start to the launcher being painted, runs the
// start link, prints the time again with the resident memory and whether the
// speech library, the print library or the import module is loaded (none
// may be), and ends.

// Messages are printed instead of shown, so nothing can block it: this puts
// the probe's own stand-in in place of the dialogs.
void installprobedialogs();
void reportlaunchershown();
void finishstartupprobe(TForm1& launcher);
