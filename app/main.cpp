#include "startup.h"

int main(int argc, char** argv) { return runstridewell(argc, argv); }
