#pragma once

// Runs the program: single-instance rule, the four windows, the message loop.
int RunQuorvixPlayer(int argc, char* argv[]);

// The four windows in their order of creation, and their destruction.
void CreateForms();
void DestroyForms();
