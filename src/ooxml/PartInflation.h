#pragma once

// One step of reading a part as a stream, shared by both ways of running it: the next bytes of a
// deflated entry, counted against the tree-size limit before anyone parses them.

#include "ooxml/PartStream.h"
#include "ooxml/TreeSizeLimit.h"
#include "ooxml/ZipArchive.h"

#include <memory>
#include <string>
#include <string_view>

namespace tabulex::ooxml {

class PartInflation {
  public:
    PartInflation(std::unique_ptr<zip::EntryReader> entry, std::string packageName,
                  std::string_view partName);

    // Fills `buffer` with up to `size` next bytes; 0 at the end. Throws text::Error.
    std::size_t Fill(char* buffer, std::size_t size);

  private:
    std::unique_ptr<zip::EntryReader> entry_;
    std::string packageName_;
    std::string partName_;
    // Only a part of more bytes than the limit can hold more nodes than it.
    bool counted_;
    XmlNodeCounter counter_;
};

}  // namespace tabulex::ooxml
