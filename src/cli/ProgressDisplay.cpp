#include "cli/ProgressDisplay.h"

#include <ostream>

namespace tabulex::cli {

ProgressDisplay::ProgressDisplay(std::ostream& err, bool enabled, int totalFiles)
    : err_(err), enabled_(enabled), totalFiles_(totalFiles) {}

void ProgressDisplay::Update(const std::string& label, const std::string& captionUtf8) {
    if (!enabled_) return;
    std::lock_guard lock(mutex_);
    line_ =
        totalFiles_ > 1 ? "[" + std::to_string(doneFiles_) + "/" + std::to_string(totalFiles_) + "] " : "";
    line_ += label + ": " + captionUtf8;
    Draw();
}

void ProgressDisplay::FileDone() {
    std::lock_guard lock(mutex_);
    ++doneFiles_;
}

void ProgressDisplay::Print(std::ostream& stream, const std::string& textUtf8) {
    std::lock_guard lock(mutex_);
    Clear();
    stream << textUtf8 << std::flush;
    if (!line_.empty()) Draw();
}

void ProgressDisplay::Finish() {
    std::lock_guard lock(mutex_);
    Clear();
    line_.clear();
}

void ProgressDisplay::Draw() {
    if (!enabled_) return;
    err_ << "\r\x1b[K" << line_ << std::flush;
    drawn_ = true;
}

void ProgressDisplay::Clear() {
    if (!enabled_ || !drawn_) return;
    err_ << "\r\x1b[K" << std::flush;
    drawn_ = false;
}

}  // namespace tabulex::cli
