// quorvix-catalog: the catalog of a disc as text, and a check of the disc.
#include "tools/CatalogTool.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return RunCatalogTool(app.arguments().mid(1), std::cout, std::cerr);
}
