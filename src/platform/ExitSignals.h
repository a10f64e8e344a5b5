#pragma once

// The signals that end a program from outside: SIGTERM (logout, shutdown),
// SIGHUP (its terminal closed) and SIGINT. They are caught and each one is
// written as a byte to a pipe, so that the main loop can act on it between
// two of its own steps rather than in the middle of one.

// Starts catching them; the pipe's read end, or -1 where the system has no
// such signals or the pipe cannot be made (they then end the program as
// before).
int CatchExitSignals();
// The signal whose byte waits on the pipe; 0 when none does.
int TakeExitSignal(int readEnd);
// Ends the program at once, as the signal itself would have (0: none, exit
// code 0), without running any exit handling.
[[noreturn]] void EndAsSignalled(int signal);
