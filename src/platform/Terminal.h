#pragma once

#include <string>
#include <vector>

namespace tabulex::platform {

// The standard error stream is a terminal (a progress line may be redrawn on it).
bool StandardErrorIsTerminal();

// Lets the console show the program's UTF-8 output as text (on Windows it would otherwise read it
// in the console's own code page).
void PrepareConsoleOutput();

// The program's arguments in UTF-8, whatever the system's code page: on Windows they are read again
// from the wide command line.
std::vector<std::string> Utf8Arguments(int argc, const char* const* argv);

}  // namespace tabulex::platform
