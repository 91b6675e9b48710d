#pragma once

// A part writer whose own helper thread runs another writer ahead of the reader, into a bounded
// queue of pieces: the part's XML is made while the zip deflates the pieces before it.

#include "ooxml/MinimalPackage.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <thread>

namespace tabulex::ooxml {

class WriteAhead final : public PartWriter {
  public:
    // `writer` is called on the helper thread only, and must outlive this object.
    explicit WriteAhead(PartWriter& writer);
    WriteAhead(const WriteAhead&) = delete;
    WriteAhead& operator=(const WriteAhead&) = delete;
    // Stops the helper at its next piece (a zip that gave up early) and joins it.
    ~WriteAhead() override;

    // The writer's pieces in order; what it threw is rethrown here, after the pieces before.
    bool Next(std::string& out) override;

  private:
    void Write();
    bool WaitForRoom();

    PartWriter& writer_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::string> pieces_;
    bool ended_ = false;
    bool cancelled_ = false;
    std::exception_ptr failure_;
    std::thread helper_;  // last: started once the rest is in place
};

}  // namespace tabulex::ooxml
