#pragma once

// The in-process document host: plays the running word processor for the checker and the tools.

#include "word/WordModel.h"

#include <memory>

namespace tabulex::word::docx {

std::unique_ptr<word::Application> CreateApplication();

}  // namespace tabulex::word::docx
