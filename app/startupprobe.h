#pragma once

class TForm1;
class Tform_Main;

// A measuring aid for the start-up benchmark, used only when the environment
// variable STRIDEWELL_STARTUP_PROBE is set: once the launcher has been shown it
// prints the milliseconds since the process started, then runs the start link,
// prints the time again with the resident memory, and ends the program.
bool startupprobewanted();
void installstartupprobe(TForm1& launcher, Tform_Main& mainForm);
