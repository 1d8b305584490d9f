#pragma once

// The program's start-up: the application object, the four top-level objects
// in their fixed order, then the message loop. Returns the exit code.
int executaPrograma(int argc, char **argv);
