#pragma once
// quorvix-catalog: reads, writes and checks a disc's catalog for its author.

#include <QStringList>

#include <ostream>

// Runs one command (the arguments after the program name); the exit status.
int RunCatalogTool(const QStringList& arguments, std::ostream& out, std::ostream& err);
