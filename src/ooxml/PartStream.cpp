#include "ooxml/PartStream.h"

#include "ooxml/InflateAhead.h"
#include "ooxml/PartInflation.h"
#include "ooxml/TreeSizeLimit.h"

#include <algorithm>
#include <array>

namespace tabulex::ooxml {
namespace {

// Inflates each piece when the reader asks for it, into two buffers taken in turn (the reader may
// still look at the piece before).
class InflateOnDemand final : public PartStream {
  public:
    explicit InflateOnDemand(std::unique_ptr<PartInflation> inflation) : inflation_(std::move(inflation)) {
        for (auto& buffer : buffers_) buffer.resize(kStreamPiece);
    }

    std::string_view Next() override {
        std::string& buffer = buffers_[turn_];
        turn_ ^= 1;
        return std::string_view(buffer.data(), inflation_->Fill(buffer.data(), buffer.size()));
    }

  private:
    std::unique_ptr<PartInflation> inflation_;
    std::array<std::string, 2> buffers_;
    std::size_t turn_ = 0;
};

}  // namespace

std::unique_ptr<PartStream> StreamBytes(std::string_view bytes, const std::string& packageName,
                                        std::string_view partName) {
    RefuseOversizedTree(bytes, packageName, partName);
    return std::make_unique<BytesInPieces>(bytes);
}

std::unique_ptr<PartStream> StreamDeflated(std::unique_ptr<zip::EntryReader> entry,
                                           const std::string& packageName, std::string_view partName,
                                           int threads) {
    auto inflation = std::make_unique<PartInflation>(std::move(entry), packageName, partName);
    if (threads >= 2) return std::make_unique<InflateAhead>(std::move(inflation));
    return std::make_unique<InflateOnDemand>(std::move(inflation));
}

}  // namespace tabulex::ooxml
