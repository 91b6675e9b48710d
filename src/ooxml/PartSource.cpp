#include "ooxml/PartSource.h"

#include <algorithm>
#include <cstring>

namespace tabulex::ooxml {
namespace {

// Pieces kept ready by the writer's thread (each about a quarter of a megabyte): enough to even
// out their sizes, little memory.
constexpr std::size_t kReadyPieces = 4;

}  // namespace

PartSource::PartSource(PartWriter& writer, std::uint64_t sizeHint, Producer producer)
    : writer_(writer), sizeHint_(sizeHint), producer_(producer) {
    zip_error_init(&error_);
}

PartSource::~PartSource() {
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            abandoned_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    zip_error_fini(&error_);
}

zip_source_t* PartSource::Create(zip_t* archive) {
    return zip_source_function(archive, &PartSource::Callback, this);
}

void PartSource::RethrowFailure() const {
    if (failure_) std::rethrow_exception(failure_);
}

zip_int64_t PartSource::Callback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
    auto& self = *static_cast<PartSource*>(state);
    switch (command) {
        case ZIP_SOURCE_OPEN:
        case ZIP_SOURCE_CLOSE:
        case ZIP_SOURCE_FREE:
            return 0;
        case ZIP_SOURCE_READ:
            return self.Read(static_cast<char*>(data), length);
        case ZIP_SOURCE_STAT: {
            auto* stat = static_cast<zip_stat_t*>(data);
            zip_stat_init(stat);
            stat->valid |= ZIP_STAT_SIZE;
            stat->size = self.sizeHint_;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&self.error_, data, length);
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                  ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&self.error_, ZIP_ER_OPNOTSUPP, 0);
            return -1;
    }
}

zip_int64_t PartSource::Read(char* data, zip_uint64_t length) {
    try {
        while (pending_.size() - offset_ < length && more_) {
            pending_.erase(0, offset_);
            offset_ = 0;
            more_ = NextPiece(pending_);
        }
    } catch (...) {
        failure_ = std::current_exception();
        zip_error_set(&error_, ZIP_ER_READ, 0);
        return -1;
    }
    const std::size_t count = std::min<std::size_t>(length, pending_.size() - offset_);
    std::memcpy(data, pending_.data() + offset_, count);
    offset_ += count;
    return static_cast<zip_int64_t>(count);
}

bool PartSource::NextPiece(std::string& out) {
    if (producer_ == Producer::Reader) return writer_.Next(out);
    if (!thread_.joinable()) thread_ = std::thread([this] { Produce(); });
    return TakeReadyPiece(out);
}

void PartSource::Produce() {
    try {
        for (bool more = true; more;) {
            std::string piece;
            more = writer_.Next(piece);
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return abandoned_ || ready_.size() < kReadyPieces; });
            if (abandoned_) return;
            ready_.push_back(std::move(piece));
            changed_.notify_all();
        }
    } catch (...) {
        std::lock_guard lock(mutex_);
        producerFailure_ = std::current_exception();
    }
    std::lock_guard lock(mutex_);
    produced_ = true;
    changed_.notify_all();
}

bool PartSource::TakeReadyPiece(std::string& out) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !ready_.empty() || produced_; });
    if (!ready_.empty()) {
        out += ready_.front();
        ready_.pop_front();
        changed_.notify_all();
        return true;
    }
    if (producerFailure_) std::rethrow_exception(producerFailure_);
    return false;
}

}  // namespace tabulex::ooxml
