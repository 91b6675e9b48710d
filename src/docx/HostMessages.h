#pragma once

// The document host's own messages to the user (Windows-1251 at run time).

#include "ooxml/PackageMessages.h"
#include "text/Cp1251.h"

#include <string>
#include <string_view>

namespace tabulex::word::docx::messages {

using namespace tabulex::text::literals;
// Reading and saving a file, the package: the same messages to the user.
using namespace tabulex::ooxml::messages;

inline constexpr std::string_view kNoDocument = "Эта команда недоступна, так как нет открытых документов."_cp;
inline constexpr std::string_view kDocumentNotOpen = "Документ не открыт в программе."_cp;
inline constexpr std::string_view kObjectDeleted = "Объект был удален."_cp;
inline constexpr std::string_view kTextOnlyForCells =
    "Замена текста поддерживается только для ячейки таблицы."_cp;
inline constexpr std::string_view kSaveOnlyDocx =
    "Документ можно сохранить только в формате .docx: выберите имя файла с расширением .docx."_cp;
inline constexpr std::string_view kTablesNotJoined =
    "Таблицы не объединены: между ними есть текст, разрыв раздела, закладка или примечание."_cp;

inline std::string NoSuchDocument(int index) {
    return std::string("Документ "_cp) + std::to_string(index) + std::string(" отсутствует."_cp);
}
inline std::string NoSuchTable(int index) {
    return std::string("Таблица "_cp) + std::to_string(index) + std::string(" отсутствует в документе."_cp);
}
inline std::string NoSuchRow(int index) {
    return std::string("Строка "_cp) + std::to_string(index) + std::string(" отсутствует в таблице."_cp);
}
inline std::string NoSuchCell(int row, int column) {
    return std::string("Ячейка ("_cp) + std::to_string(row) + ", " + std::to_string(column) +
           std::string(") отсутствует в таблице."_cp);
}
inline std::string NoSuchShape(int index) {
    return std::string("Графический объект "_cp) + std::to_string(index) +
           std::string(" отсутствует в документе."_cp);
}

}  // namespace tabulex::word::docx::messages
