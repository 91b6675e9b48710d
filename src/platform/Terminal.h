#pragma once

namespace tabulex::platform {

// The standard error stream is a terminal (a progress line may be redrawn on it).
bool StandardErrorIsTerminal();

}  // namespace tabulex::platform
