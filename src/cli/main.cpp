#include "cli/Cli.h"

int main(int argc, char** argv) {
    return tabulex::cli::Run(argc, argv);
}
