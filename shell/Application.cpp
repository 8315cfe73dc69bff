#include "shell/Application.h"

#include <QApplication>

int RunQuorvixPlayer(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return 0;
}
