#pragma once
// quorvix-author without a window: build a disc image from a folder, check
// an image or a folder. For scripts.

#include <QStringList>

#include <ostream>

// Runs one command (the arguments after the program name); the exit status:
// 0 done, 1 an error finding or a failure, 2 a wrong command line.
int RunAuthorTool(const QStringList& arguments, std::ostream& out, std::ostream& err);
