#pragma once

// The command line as a program: the core application, the English catalogue (which makes
// identifiers such as "E__SENSOR_NC" readable), quiet diagnostics, the terminal's streams, and
// one call of runCommandLine. Both executables (on hidapi and on the simulated bus) end here.
int commandLineMain(int argc, char** argv);
