#include "ooxml/WriteAhead.h"

namespace tabulex::ooxml {
namespace {

// Pieces made and not yet taken: enough to keep both threads busy, few enough to hold little.
constexpr std::size_t kQueuedPieces = 8;
// A writer's own pieces (a row of a table) are gathered into pieces of about this size, so that the
// threads meet seldom.
constexpr std::size_t kPieceBytes = 64 * 1024;

}  // namespace

WriteAhead::WriteAhead(PartWriter& writer) : writer_(writer) {
    helper_ = std::thread([this] { Write(); });
}

WriteAhead::~WriteAhead() {
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    changed_.notify_all();
    helper_.join();
}

void WriteAhead::Write() {
    for (bool more = true; more;) {
        if (!WaitForRoom()) return;
        std::string piece;
        std::exception_ptr failure;
        try {
            while (more && piece.size() < kPieceBytes) more = writer_.Next(piece);
        } catch (...) {
            failure = std::current_exception();
            more = false;
        }
        {
            std::lock_guard lock(mutex_);
            if (!piece.empty()) pieces_.push_back(std::move(piece));
            failure_ = failure;
            ended_ = !more;
        }
        changed_.notify_all();
    }
}

bool WriteAhead::WaitForRoom() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return cancelled_ || pieces_.size() < kQueuedPieces; });
    return !cancelled_;
}

bool WriteAhead::Next(std::string& out) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !pieces_.empty() || ended_; });
    if (!pieces_.empty()) {
        out += pieces_.front();
        pieces_.pop_front();
        lock.unlock();
        changed_.notify_all();
        return true;
    }
    if (failure_) std::rethrow_exception(failure_);
    return false;
}

}  // namespace tabulex::ooxml
