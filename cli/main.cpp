#include "cli/CommandLineMain.h"

int main(int argc, char** argv)
{
    return commandLineMain(argc, argv);
}
