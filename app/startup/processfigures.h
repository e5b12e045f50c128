#pragma once

// What the start-up probes print about their own process, from the kernel's
// records: no Qt, so a bare window can print the same figures.

// Milliseconds since the process was started.
double millisecondssinceprocessstart();
// The resident memory, in kilobytes; -1 where the system does not say.
long residentkilobytes();
