#pragma once

// The folder of real documents the corpus tests read: $TABULEX_CORPUS when set, else the corpus
// beside the clone (../shared/corpus, given by the build); empty when neither exists.

#include <cstdlib>
#include <filesystem>
#include <string>

namespace tabulex::word::docx::testing {

inline std::string CorpusFolder() {
    if (const char* own = std::getenv("TABULEX_CORPUS"); own && *own) return own;
#ifdef TABULEX_DEFAULT_CORPUS
    std::error_code ignored;
    if (std::filesystem::is_directory(TABULEX_DEFAULT_CORPUS, ignored)) return TABULEX_DEFAULT_CORPUS;
#endif
    return {};
}

}  // namespace tabulex::word::docx::testing
