#pragma once

// The report's own texts (Windows-1251 at run time).

#include "text/Cp1251.h"

#include <string_view>

namespace tabulex::report::texts {
using namespace text::literals;

inline constexpr std::string_view kHeaderStart = "№\tЗаголовок\t"_cp;
inline constexpr std::string_view kHeaderOneDate = "Даты"_cp;
inline constexpr std::string_view kHeaderTwoDates = "Нач. дата\tКон. дата"_cp;
inline constexpr std::string_view kHeaderEnd = "\tКол-во\tПримечание\tОтчет"_cp;
inline constexpr std::string_view kHeadingLabel = "\t\t\t\tЗаголовок: "_cp;
inline constexpr std::string_view kSkippedRow = "Строка пропущена."_cp;

// The report document: the report file could not be read back.
inline constexpr std::string_view kReportUnreadable = "Не удалось прочитать файл отчёта."_cp;

inline constexpr std::string_view kCheckedTable = "Проверялась таблица №"_cp;
inline constexpr std::string_view kCheckedTableEnd =
    ". Если программа неверно выбрала таблицу, временно удалите лишние таблицы из файла."_cp;
// Written under the table line only for the modern rules, so that a report of the original rules
// stays as it always was.
inline constexpr std::string_view kModernRules =
    "Правила проверки: современные (диапазоны дат с пробелами у тире, месяцы словами, литеры "
    "строчными буквами, номера с точкой)."_cp;

inline constexpr std::string_view kNoProblems = "Проблемы не обнаружены."_cp;
inline constexpr std::string_view kNoErrors = "Ошибки не обнаружены. OK."_cp;
inline constexpr std::string_view kErrors = "Ошибки: "_cp;
inline constexpr std::string_view kErrorsEnd = ". (Можете временно отключить вывод подсказок)"_cp;
inline constexpr std::string_view kNoWarnings = "Предупреждений нет. OK."_cp;
inline constexpr std::string_view kWarnings = "Предупреждения: "_cp;
inline constexpr std::string_view kWarningsHidden = " (Предупреждения не показаны - поставьте галочку)"_cp;
inline constexpr std::string_view kNoHints = "Подсказок нет. OK."_cp;
inline constexpr std::string_view kHints = "Подсказки: "_cp;
inline constexpr std::string_view kHintsHidden = " (Подсказки не показаны - поставьте галочку)"_cp;

inline constexpr std::string_view kCertification = "В данную опись занесено "_cp;
inline constexpr std::string_view kCase = "дело"_cp;
inline constexpr std::string_view kCasesFew = "дела"_cp;
inline constexpr std::string_view kCasesMany = "дел"_cp;
inline constexpr std::string_view kFromNumber = " с № "_cp;
inline constexpr std::string_view kToNumber = " по № "_cp;

inline constexpr std::string_view kStartDates = "Начальная дата от "_cp;
inline constexpr std::string_view kEndDates = "Конечная дата от "_cp;
inline constexpr std::string_view kUntil = ") до "_cp;

inline constexpr std::string_view kHeadingCount = "Количество строк рубрикатора: "_cp;
inline constexpr std::string_view kRubricator = "Рубрикатор:"_cp;
inline constexpr std::string_view kCertificationCheck = "Сверка заверительной надписи:"_cp;

}  // namespace tabulex::report::texts
