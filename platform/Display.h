#pragma once
// Whether the windows have somewhere to go, asked before the toolkit is
// started: without a display it would abort the whole process.

#include <QString>

// Empty when the program's windows can be shown; else why not, for the user.
QString DisplayProblem();
