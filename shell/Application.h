#pragma once

// Runs the program: single-instance rule, the four windows, the message loop.
int RunQuorvixPlayer(int argc, char* argv[]);
