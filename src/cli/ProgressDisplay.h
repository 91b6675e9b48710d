#pragma once

// One progress line on standard error, shared by the checks of a command. Drawn only when
// standard error is a terminal; otherwise silent.

#include <iosfwd>
#include <mutex>
#include <string>

namespace tabulex::cli {

class ProgressDisplay {
  public:
    ProgressDisplay(std::ostream& err, bool enabled, int totalFiles);

    // A check's caption changed ("Проверка 120/5000 (2%) Осталось: 00:03").
    void Update(const std::string& label, const std::string& captionUtf8);
    void FileDone();
    // Writes a message without tearing the progress line.
    void Print(std::ostream& stream, const std::string& textUtf8);
    void Finish();

  private:
    void Draw();
    void Clear();

    std::ostream& err_;
    bool enabled_;
    int totalFiles_;
    int doneFiles_ = 0;
    std::string line_;
    bool drawn_ = false;
    std::mutex mutex_;
};

}  // namespace tabulex::cli
