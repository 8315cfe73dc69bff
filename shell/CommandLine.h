#pragma once
// The program's command line: nothing (watch for the disc), a disc image to
// open, or a question about the program itself.

#include <QString>
#include <QStringList>

struct TCommandLine {
    enum TAction { Run, Help, Version, Invalid };
    TAction Action = Run;
    QString Image;   // Run: an absolute path, or empty
    QString Problem; // Invalid: what is wrong, for the user
};

// The arguments after the program's name.
TCommandLine ParseCommandLine(const QStringList& arguments);
QString UsageText();
QString VersionText();
