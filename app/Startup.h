#pragma once

// The program: the start-up sequence, the event loop and the end. Returns the process exit code.
int RunQuorlin(int argc, char** argv);
