#include "cli/Cli.h"
#include "platform/StopSignals.h"
#include "platform/Terminal.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    tabulex::platform::KeepStopsFromEndingTheProcess();
    tabulex::platform::PrepareConsoleOutput();
    const std::vector<std::string> arguments = tabulex::platform::Utf8Arguments(argc, argv);
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) pointers.push_back(argument.c_str());
    return tabulex::cli::Run(static_cast<int>(pointers.size()), pointers.data());
}
