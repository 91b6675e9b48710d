#include "word/WordModel.h"

#include "text/Cp1251.h"

namespace tabulex::word {

using namespace tabulex::text::literals;

void Document::SaveCopyWithComments(const std::string& path, const CommentSet& /*comments*/) {
    throw text::Error(std::string("Этот документ нельзя сохранить с примечаниями."_cp), path);
}

}  // namespace tabulex::word
