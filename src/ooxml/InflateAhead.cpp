#include "ooxml/InflateAhead.h"

namespace tabulex::ooxml {
namespace {

// Enough to keep inflating while the reader parses a piece and still holds the one before.
constexpr std::size_t kRingPieces = 8;

}  // namespace

InflateAhead::InflateAhead(std::unique_ptr<PartInflation> inflation)
    : inflation_(std::move(inflation)), ring_(kRingPieces), sizes_(kRingPieces, 0) {
    for (std::string& buffer : ring_) buffer.resize(kStreamPiece);
    helper_ = std::thread([this] { Inflate(); });
}

InflateAhead::~InflateAhead() {
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    changed_.notify_all();
    helper_.join();
}

void InflateAhead::Inflate() {
    for (std::size_t piece = 0;; ++piece) {
        if (!WaitForRoom(piece)) return;
        std::string& buffer = ring_[piece % ring_.size()];
        std::size_t size = 0;
        try {
            size = inflation_->Fill(buffer.data(), buffer.size());
        } catch (...) {
            Publish(0, std::current_exception());
            return;
        }
        Publish(size, nullptr);
        if (size == 0) return;
    }
}

// The reader holds the piece it was last given and the one before; every other slot is free.
bool InflateAhead::WaitForRoom(std::size_t piece) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] {
        const std::size_t oldestHeld = taken_ >= 2 ? taken_ - 2 : 0;
        return cancelled_ || piece - oldestHeld < ring_.size();
    });
    return !cancelled_;
}

void InflateAhead::Publish(std::size_t size, std::exception_ptr failure) {
    {
        std::lock_guard lock(mutex_);
        if (failure) {
            failure_ = std::move(failure);
            ended_ = true;
        } else if (size == 0) {
            ended_ = true;
        } else {
            sizes_[filled_ % ring_.size()] = size;
            ++filled_;
        }
    }
    changed_.notify_all();
}

std::string_view InflateAhead::Next() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return filled_ > taken_ || ended_; });
    if (filled_ > taken_) {
        const std::size_t slot = taken_ % ring_.size();
        ++taken_;
        lock.unlock();
        changed_.notify_all();
        return std::string_view(ring_[slot].data(), sizes_[slot]);
    }
    if (failure_) std::rethrow_exception(failure_);
    return {};
}

}  // namespace tabulex::ooxml
