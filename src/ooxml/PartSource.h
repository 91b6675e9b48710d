#pragma once

// A part handed to libzip piece by piece while the archive is written: its bytes come from a
// PartWriter as the compressor asks for them, so that a large part is never held whole.

#include "ooxml/MinimalPackage.h"

#include <zip.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

namespace tabulex::ooxml {

class PartSource {
  public:
    // Who runs the writer: the compressor as it reads, or a thread of its own that keeps a few
    // pieces ready, so that writing a large part and deflating it overlap on two cores.
    enum class Producer { Reader, OwnThread };

    // `sizeHint` is about how many bytes the writer gives: libzip decides from the size a source
    // states whether the entry needs Zip64 fields (an entry of unknown size always gets them, and a
    // word processor need not read them); the true size is written after the data.
    PartSource(PartWriter& writer, std::uint64_t sizeHint, Producer producer = Producer::Reader);
    PartSource(const PartSource&) = delete;
    PartSource& operator=(const PartSource&) = delete;
    ~PartSource();

    // A libzip source reading from the writer; the source refers to this object, which must outlive
    // the archive's close. Null when libzip refuses (its error in `archive`).
    zip_source_t* Create(zip_t* archive);
    // Rethrows what the writer threw while the archive was written, if it threw: an exception must
    // not cross libzip's C frames, so it is kept and the close fails instead.
    void RethrowFailure() const;

  private:
    static zip_int64_t Callback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command);
    zip_int64_t Read(char* data, zip_uint64_t length);
    // Appends the writer's next piece to `out`; false once the part is complete.
    bool NextPiece(std::string& out);
    void Produce();
    bool TakeReadyPiece(std::string& out);

    PartWriter& writer_;
    std::uint64_t sizeHint_;
    Producer producer_;
    std::string pending_;
    std::size_t offset_ = 0;
    bool more_ = true;
    zip_error_t error_;
    std::exception_ptr failure_;

    // Producer::OwnThread: the pieces written and not yet read.
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> ready_;
    bool produced_ = false;   // the writer gave its last piece, or threw
    bool abandoned_ = false;  // the reader wants no more pieces
    std::exception_ptr producerFailure_;
};

}  // namespace tabulex::ooxml
