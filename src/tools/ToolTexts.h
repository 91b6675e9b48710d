#pragma once

// The document tools' own texts, command by command. Each is Windows-1251 at run time.

#include "text/Cp1251.h"

#include <string_view>

namespace tabulex::tools::msg {
using namespace text::literals;

// Row clean-up.
inline constexpr std::string_view kDeleteEmptyCaption = "Удалить пустые строки сейчас?"_cp;
inline constexpr std::string_view kDeleteEmptyText =
    "В текущем файле описи будут автоматически удалены лишние пустые (незаполненные) строки. Для "
    "оформления описи пустые строки не нужны.\r\rУдалить пустые строки сейчас?"_cp;
inline constexpr std::string_view kDeleteNumberingCaption = "Удалить строки \"1|2|3|4|5\"?"_cp;
inline constexpr std::string_view kDeleteNumberingText =
    "В текущем файле описи будут автоматически удалены лишние строки вида \"1|2|3|4|5\". Для оформления "
    "описи такие строки не нужны.\r\rУдалить такие строки сейчас?"_cp;
inline constexpr std::string_view kDeletingRows = "Удаление пустых строк..."_cp;
inline constexpr std::string_view kRowsDeleted = "Удалено пустых строк: "_cp;
inline constexpr std::string_view kNumberingRowsDeleted = "Удалено строк нумерации: "_cp;

// Case numbering.
inline constexpr std::string_view kNumberCaption = "Расставить номера дел?"_cp;
inline constexpr std::string_view kNumberText =
    "В текущем файле описи будут расставлены номера для всех дел как текст.\r\rАвтонумерация через "
    "списки удаляется.\r\rВсе существующие номера дел удаляются.\r\rРасставить номера дел сейчас?"_cp;
inline constexpr std::string_view kAutoNumberText =
    "В текущем файле описи будут автоматически расставлены номера для всех дел через списки.\r\r"
    "Автонумерация через списки удаляется.\r\rВсе существующие номера дел удаляются.\r\rРасставить "
    "автоматические номера дел сейчас?"_cp;
inline constexpr std::string_view kNumbering = "Расстановка номеров дел..."_cp;
inline constexpr std::string_view kNumbersSet = "Расставлено номеров: "_cp;
inline constexpr std::string_view kLiteralNumbersReplaced = "Литерные номера заменены: %1"_cp;
// On the terminal and in JSON (UTF-8), and in the window (Windows-1251 has no arrow).
inline constexpr std::string_view kLiteralNumberReplacedUtf8 = "%1 → %2";
inline constexpr std::string_view kLiteralNumberReplaced = "%1 на %2"_cp;

// Table conversions.
inline constexpr std::string_view kConvertTablesStatus = "Преобразовать таблицы?"_cp;
inline constexpr std::string_view kConvertTablesText1 = "В текущем файле все таблицы ("_cp;
inline constexpr std::string_view kConvertTablesText2 =
    ") будут преобразованы в текст.\r\rПреобразовать таблицы сейчас?"_cp;
inline constexpr std::string_view kConvertListsStatus = "Преобразовать списки?"_cp;
inline constexpr std::string_view kConvertListsText1 = "В текущем файле списки всех таблиц ("_cp;
inline constexpr std::string_view kConvertListsText2 =
    ") будут преобразованы в текст.\r\rПреобразовать списки сейчас?"_cp;
inline constexpr std::string_view kConvertingTables = "Преобразование таблиц..."_cp;
inline constexpr std::string_view kConvertingLists = "Преобразование списков..."_cp;
inline constexpr std::string_view kForbiddingBreaks = "Таблица. Не разрывать строки..."_cp;
inline constexpr std::string_view kTablesProgress = "Таблицы "_cp;
inline constexpr std::string_view kTablesConverted = "Преобразовано таблиц: "_cp;

// Joining a split table.
inline constexpr std::string_view kJoinCaption = "Объединить разорванную таблицу?"_cp;
inline constexpr std::string_view kJoinText =
    "Таблица описи, которую разорвал лишний абзац, будет объединена с таблицей, продолжающей её "
    "номера дел. Пустые абзацы между ними удаляются.\r\rОбъединить таблицы сейчас?"_cp;
inline constexpr std::string_view kJoining = "Объединение таблиц..."_cp;
inline constexpr std::string_view kTablesJoined = "Присоединено таблиц: "_cp;

// Graphics removal.
inline constexpr std::string_view kDeleteGraphicsCaption = "Удалить графику сейчас?"_cp;
inline constexpr std::string_view kDeleteGraphicsText =
    "В текущем файле описи будут автоматически удалены лишняя графика (линии). Для оформления графика "
    "не нужна.\r\rУдалить графику сейчас?"_cp;
inline constexpr std::string_view kDeletingGraphics = "Удаление графики..."_cp;
inline constexpr std::string_view kShapesDeleted = "Удалено линий: %1, рисунков: %2, других объектов: %3"_cp;

// The preface.
inline constexpr std::string_view kNoPreface = "Перед основной таблицей нет текста: предисловия нет."_cp;

// Heading formatting.
inline constexpr std::string_view kDone = "Готово."_cp;
inline constexpr std::string_view kRowReadQuestion =
    "Не удаётся получить следующую строку таблицы.\r\rВозможно, Microsoft Word сейчас не запущен.\r"
    "Возможно, опись сейчас не открыта.\rВозможно, открыто какое-либо окно диалога.\r\r"
    "Откройте опись или закройте окно диалога.\r\rНажмите OK для продолжения или Отмена для остановки "
    "работы."_cp;

// Date commands.
inline constexpr std::string_view kDatesCaption = "Изменить даты?"_cp;
inline constexpr std::string_view kDatesText =
    "В столбце дат основной таблицы будет изменено дат: %1.\r\rДаты, которые команда не может прочитать, "
    "останутся как есть.\r\rИзменить даты сейчас?"_cp;
inline constexpr std::string_view kDatesProgress = "Даты. Строка %1 / %2"_cp;
inline constexpr std::string_view kDatesChanged = "Изменено дат: "_cp;

}  // namespace tabulex::tools::msg
