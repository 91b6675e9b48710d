// Every .docx of the corpus folder (CorpusFolder.h) answers the same from the compact model of its
// main story as from the DOM. Skipped when there is no corpus folder.

#include "CorpusFolder.h"
#include "StreamCompare.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace tabulex::word::docx::testing {
namespace {

TEST(StreamCorpusTest, EveryDocumentAnswersAsTheDom) {
    const std::string root = CorpusFolder();
    if (root.empty()) GTEST_SKIP() << "no corpus folder: set TABULEX_CORPUS";
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file() && entry.path().extension() == ".docx")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    std::vector<std::string> domOnly;
    for (const std::string& file : files) {
        bool usedCompact = true;
        ExpectSameAnswers(file, Expect::Either, &usedCompact);
        if (!usedCompact) domOnly.push_back(file);
    }
    std::cout << files.size() << " documents, " << domOnly.size() << " read through the DOM only\n";
    for (const std::string& file : domOnly) std::cout << "  " << file << "\n";
}

}  // namespace
}  // namespace tabulex::word::docx::testing
