#pragma once

// The user's messages of the package layer (opening, saving, converting a document), in Windows-1251.
// Each is followed by the file name (or part name) it concerns.

#include "platform/FileMessages.h"
#include "text/Cp1251.h"

#include <string>
#include <string_view>

namespace tabulex::ooxml::messages {

using namespace tabulex::text::literals;
// Reading and saving a file: the messages of the OOXML writing layer, the same to the user.
using namespace tabulex::platform::messages;

inline constexpr std::string_view kNotDocx = "Файл не является документом Word (.docx): "_cp;
inline constexpr std::string_view kCorrupt = "Файл повреждён (архив обрезан или испорчен): "_cp;
inline constexpr std::string_view kNoMainPart = "В документе нет основной части (word/document.xml): "_cp;
inline constexpr std::string_view kEncrypted =
    "Документ зашифрован паролем; снимите пароль в текстовом редакторе и сохраните документ заново: "_cp;
inline constexpr std::string_view kBadXmlPrefix = "Документ повреждён: ошибка XML в части "_cp;
inline constexpr std::string_view kMissingPart = "В документе нет части "_cp;
inline constexpr std::string_view kNeedsLibreOfficePrefix = "Формат "_cp;
inline constexpr std::string_view kNeedsLibreOfficeSuffix =
    " читается только через LibreOffice: установите LibreOffice (soffice) или сохраните документ в формате .docx"_cp;
inline constexpr std::string_view kConversionFailed =
    "Не удалось преобразовать документ в формат .docx через LibreOffice: "_cp;
// ... + seconds + kConversionTimedOutSuffix + file name
inline constexpr std::string_view kConversionTimedOutPrefix =
    "LibreOffice не успел преобразовать документ в формат .docx (предел "_cp;
inline constexpr std::string_view kConversionTimedOutSuffix = " с): "_cp;

// %1 the part, %2 the limit in millions, %3 the file.
inline constexpr std::string_view kTooManyNodes =
    "Документ слишком велик: в части %1 больше %2 млн элементов, атрибутов и текстов XML; такой файл не проверяется: %3"_cp;

inline constexpr std::string_view kOpenInterrupted = "Открытие документа прервано: "_cp;

// "... deeper than N levels: " + file name
inline std::string TooDeep(int limit) {
    return std::string(
               "Документ вложен слишком глубоко: таблицы или другие элементы вложены друг в друга больше чем на "_cp) +
           std::to_string(limit) + std::string(" уровней; такой файл не проверяется: "_cp);
}

}  // namespace tabulex::ooxml::messages
