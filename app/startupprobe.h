#pragma once

class TForm1;

// A measuring aid for the start-up benchmark, used only when the environment
// variable STRIDEWELL_STARTUP_PROBE is set: once the launcher has been shown it
// prints the milliseconds since the process started, then (once the main
// window is built) runs the start link, prints the time again with the
// resident memory, and ends the program.
bool startupprobewanted();
// Prints the time at which the launcher was first painted.
void reportlaunchershown();
// Runs the start link, prints the time and the resident memory, and ends the program.
void finishstartupprobe(TForm1& launcher);
