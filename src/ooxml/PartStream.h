#pragma once

// A part read piece by piece as it is inflated, for a reader that parses as it goes: the part is
// never held whole, and with a second thread it is inflated while the reader parses.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tabulex::ooxml {

namespace zip {
class EntryReader;
}

// The most bytes a piece holds.
inline constexpr std::size_t kStreamPiece = 128 * 1024;

class PartStream {
  public:
    virtual ~PartStream() = default;
    // The next piece of the part, empty at the end. A piece stays valid until the second call after
    // the one that gave it, so that a reader may look back one piece. Throws text::Error (a damaged
    // entry, the package limits and their stop, a part that may hold more XML nodes than
    // kMaxXmlNodes) in the caller's thread, after the pieces before the failure.
    virtual std::string_view Next() = 0;
};

// Bytes in memory handed out in pieces of at most `piece` bytes; they must outlive the stream.
class BytesInPieces final : public PartStream {
  public:
    explicit BytesInPieces(std::string_view bytes, std::size_t piece = kStreamPiece)
        : bytes_(bytes), piece_(piece) {}

    std::string_view Next() override {
        const std::string_view next = bytes_.substr(0, piece_);
        bytes_.remove_prefix(next.size());
        return next;
    }

  private:
    std::string_view bytes_;
    std::size_t piece_;
};

// The bytes of a part in memory, in pieces.
std::unique_ptr<PartStream> StreamBytes(std::string_view bytes, const std::string& packageName,
                                        std::string_view partName);

// A part inflated as it is read. With `threads` of 2 or more, a helper thread belonging to the
// stream inflates ahead of the reader into a bounded ring of buffers; destroying the stream stops
// and joins it. With 1, the reader's own thread inflates each piece when it asks for it.
std::unique_ptr<PartStream> StreamDeflated(std::unique_ptr<zip::EntryReader> entry,
                                           const std::string& packageName, std::string_view partName,
                                           int threads);

}  // namespace tabulex::ooxml
