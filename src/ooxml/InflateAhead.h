#pragma once

// A part stream whose own helper thread inflates ahead of the reader into a bounded ring of
// buffers, so that inflating (and counting the part's nodes) overlaps parsing.

#include "ooxml/PartInflation.h"
#include "ooxml/PartStream.h"

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tabulex::ooxml {

class InflateAhead final : public PartStream {
  public:
    explicit InflateAhead(std::unique_ptr<PartInflation> inflation);
    InflateAhead(const InflateAhead&) = delete;
    InflateAhead& operator=(const InflateAhead&) = delete;
    // Stops the helper at its next piece (a reader that gave up early) and joins it.
    ~InflateAhead() override;

    std::string_view Next() override;

  private:
    void Inflate();
    bool WaitForRoom(std::size_t piece);
    void Publish(std::size_t size, std::exception_ptr failure);

    std::unique_ptr<PartInflation> inflation_;
    std::vector<std::string> ring_;
    std::vector<std::size_t> sizes_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t filled_ = 0;  // pieces the helper has published
    std::size_t taken_ = 0;   // pieces handed to the reader
    bool ended_ = false;      // the helper published the end or a failure
    bool cancelled_ = false;
    std::exception_ptr failure_;

    std::thread helper_;  // last: started once the rest is in place
};

}  // namespace tabulex::ooxml
