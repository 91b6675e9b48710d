#include "ooxml/PartInflation.h"

namespace tabulex::ooxml {

PartInflation::PartInflation(std::unique_ptr<zip::EntryReader> entry, std::string packageName,
                             std::string_view partName)
    : entry_(std::move(entry)),
      packageName_(std::move(packageName)),
      partName_(partName),
      counted_(entry_->DeclaredSize() >= kMaxXmlNodes) {}

std::size_t PartInflation::Fill(char* buffer, std::size_t size) {
    const std::size_t filled = entry_->Read(buffer, size);
    if (!counted_) return filled;
    counter_.Add(std::string_view(buffer, filled));
    if (filled == 0) counter_.Finish();
    counter_.RefuseOversized(packageName_, partName_);
    return filled;
}

}  // namespace tabulex::ooxml
