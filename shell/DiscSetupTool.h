#pragma once
// Sets up the per-user settings for a program disc, as its installer did on
// Windows: a working folder for the disc's volume, where favourites are kept.
//   quorvix-disc-setup [--force] [--workdir FOLDER] [DISC_FOLDER]
// Speaks the user's language, as the player does. Returns the exit status.

int RunDiscSetupTool(int argc, char* argv[]);
