#pragma once

// Word's reading of a Boolean property over a range: -1 when every part has it, 0 when none
// has, 9999999 (undefined) when the parts differ.

#include "word/WordModel.h"

namespace tabulex::word::docx {

class TriState {
  public:
    void Add(bool value) { (value ? anyTrue_ : anyFalse_) = true; }
    bool Empty() const { return !anyTrue_ && !anyFalse_; }
    int Value() const { return anyTrue_ && anyFalse_ ? kUndefined : anyTrue_ ? kTrue : kFalse; }

  private:
    bool anyTrue_ = false;
    bool anyFalse_ = false;
};

}  // namespace tabulex::word::docx
