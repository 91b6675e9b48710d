#pragma once

// The user's messages of reading, building and saving a document file, in Windows-1251. Each of
// the file messages is followed by the file name it concerns.

#include "text/Cp1251.h"

#include <string_view>

namespace tabulex::platform::messages {

using namespace tabulex::text::literals;

inline constexpr std::string_view kFileNotFound = "Файл не найден: "_cp;
inline constexpr std::string_view kIsFolder = "Это папка, а не файл: "_cp;
inline constexpr std::string_view kCannotRead = "Не удалось прочитать файл: "_cp;
inline constexpr std::string_view kEmptyFile = "Файл пуст: "_cp;
inline constexpr std::string_view kTooLarge =
    "Файл слишком велик после распаковки (больше 1 ГБ) или сжат подозрительно сильно: "_cp;
inline constexpr std::string_view kSaveFailed = "Не удалось сохранить документ "_cp;
inline constexpr std::string_view kReadOnlyTarget = ": файл доступен только для чтения"_cp;
inline constexpr std::string_view kReadOnlyFolder = ": папка доступна только для чтения"_cp;
inline constexpr std::string_view kTargetIsFolder = ": на месте файла находится папка"_cp;
inline constexpr std::string_view kTargetNotRegular =
    ": на месте файла находится не обычный файл (ссылка, устройство, канал или сокет)"_cp;
inline constexpr std::string_view kSaveInterrupted = "Сохранение прервано; файл не изменён: "_cp;
inline constexpr std::string_view kCannotBuildPackage = "Не удалось создать документ в памяти."_cp;

}  // namespace tabulex::platform::messages
