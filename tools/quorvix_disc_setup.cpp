#include "shell/DiscSetupTool.h"

int main(int argc, char* argv[]) {
    return RunDiscSetupTool(argc, argv);
}
