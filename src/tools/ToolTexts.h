#pragma once

// The document tools' texts that more than one command uses, or that are no part of one command's
// confirmation, progress and result (those stand in the command's row of the tool catalog). Each is
// Windows-1251 at run time.

#include "text/Cp1251.h"

#include <string_view>

namespace tabulex::tools::msg {
using namespace text::literals;

// Row clean-up: both deletions show the same progress.
inline constexpr std::string_view kDeletingRows = "Удаление пустых строк..."_cp;

// Case numbering, as text and as a list.
inline constexpr std::string_view kNumberCaption = "Расставить номера дел?"_cp;
inline constexpr std::string_view kNumbering = "Расстановка номеров дел..."_cp;
inline constexpr std::string_view kNumbersSet = "Расставлено номеров: %1"_cp;
inline constexpr std::string_view kLiteralNumbersReplaced = "Литерные номера заменены: %1"_cp;
// On the terminal and in JSON (UTF-8), and in the window (Windows-1251 has no arrow).
inline constexpr std::string_view kLiteralNumberReplacedUtf8 = "%1 → %2";
inline constexpr std::string_view kLiteralNumberReplaced = "%1 на %2"_cp;

// Table conversions: the caption after each table, and the result of all three.
inline constexpr std::string_view kTablesProgress = "Таблицы "_cp;
inline constexpr std::string_view kTablesConverted = "Преобразовано таблиц: %1"_cp;

// The preface.
inline constexpr std::string_view kNoPreface = "Перед основной таблицей нет текста: предисловия нет."_cp;

// Heading formatting: the pause when a row cannot be read.
inline constexpr std::string_view kRowReadQuestion =
    "Не удаётся получить следующую строку таблицы.\r\rВозможно, Microsoft Word сейчас не запущен.\r"
    "Возможно, опись сейчас не открыта.\rВозможно, открыто какое-либо окно диалога.\r\r"
    "Откройте опись или закройте окно диалога.\r\rНажмите OK для продолжения или Отмена для остановки "
    "работы."_cp;

}  // namespace tabulex::tools::msg
