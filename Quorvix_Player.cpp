#include "shell/Application.h"

int main(int argc, char* argv[]) {
    return RunQuorvixPlayer(argc, argv);
}
