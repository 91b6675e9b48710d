#include "word/WordModel.h"

#include "text/Cp1251.h"
#include "text/Error.h"

#include <string>

namespace tabulex::word {

using namespace tabulex::text::literals;

void Document::SaveCopyWithComments(const std::string& path, const CommentSet& /*comments*/) {
    throw text::Error(std::string("Этот документ нельзя сохранить с примечаниями."_cp), path);
}

void Document::JoinTableWithNext(int tableIndex) {
    throw text::Error(std::string("В этом документе таблицы нельзя объединить."_cp),
                      "table " + std::to_string(tableIndex));
}

}  // namespace tabulex::word
