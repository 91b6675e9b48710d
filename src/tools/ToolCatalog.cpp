#include "tools/ToolCatalog.h"

#include "text/Cp1251.h"
#include "tools/ToolTexts.h"

namespace tabulex::tools {
namespace {
using namespace text::literals;

template <Tool Which, rules::DateRewrite Rewrite>
ToolOutcome RewriteDatesAs(word::Document& document, ToolHost& host, const ToolOptions& options,
                           const CommandTexts& texts) {
    return RewriteDates(Which, Rewrite, document, host, options, texts);
}

ToolOutcome FormatHeadingsAs(word::Document& document, ToolHost& host, const ToolOptions& options,
                             const CommandTexts& texts) {
    return FormatHeadings(document, host, {.CloseReportFile = options.Table.CloseReportFile}, texts);
}

using enum ToolMenu;
using rules::DateRewrite;

// Every date command asks, shows its progress and reports in the same words; %1 of the question is
// the number of cells that change, the progress is the row and the row count.
constexpr CommandTexts kDateTexts{
    "Изменить даты?"_cp,
    "В столбце дат основной таблицы будет изменено дат: %1.\r\rДаты, которые команда не может прочитать, "
    "останутся как есть.\r\rИзменить даты сейчас?"_cp,
    false, "Даты. Строка %1 / %2"_cp, "Изменено дат: %1"_cp};

constexpr ToolEntry kCatalog[] = {
    {Tool::DeleteGraphics,
     "delete-graphics",
     "Удалить плавающую графику (линии, рисунки, надписи); рисунки в тексте остаются",
     Edit,
     "У&далить графику",
     "mmDelGraph",
     false,
     &DeleteGraphics,
     {"Удалить графику сейчас?"_cp,
      "В текущем файле описи будут автоматически удалены лишняя графика (линии). Для оформления графика "
      "не нужна.\r\rУдалить графику сейчас?"_cp,
      false, "Удаление графики..."_cp, "Удалено линий: %1, рисунков: %2, других объектов: %3"_cp}},
    {Tool::NumberCases,
     "number-cases",
     "Расставить номера дел текстом",
     Edit,
     "Ну&мерация дел",
     "mmNum",
     false,
     &NumberCases,
     {msg::kNumberCaption,
      "В текущем файле описи будут расставлены номера для всех дел как текст.\r\rАвтонумерация через "
      "списки удаляется.\r\rВсе существующие номера дел удаляются.\r\rРасставить номера дел сейчас?"_cp,
      true, msg::kNumbering, msg::kNumbersSet}},
    {Tool::AutoNumberCases,
     "auto-number-cases",
     "Расставить номера дел списком Word",
     Edit,
     "А&втонумерация дел",
     "mmNubAuto",
     false,
     &AutoNumberCases,
     {msg::kNumberCaption,
      "В текущем файле описи будут автоматически расставлены номера для всех дел через списки.\r\r"
      "Автонумерация через списки удаляется.\r\rВсе существующие номера дел удаляются.\r\rРасставить "
      "автоматические номера дел сейчас?"_cp,
      true, msg::kNumbering, msg::kNumbersSet}},
    {Tool::ListsToText,
     "lists-to-text",
     "Номера списков в пустых ячейках сделать текстом",
     Edit,
     "&Списки в текст",
     "mmListsToText",
     false,
     &ListsToText,
     {"Преобразовать списки?"_cp,
      "В текущем файле списки всех таблиц (%1) будут преобразованы в текст.\r\rПреобразовать списки "
      "сейчас?"_cp,
      true, "Преобразование списков..."_cp, msg::kTablesConverted}},

    {Tool::DatesFullYear, "dates-full-year", "Даты: 10.11.78 >> 10.11.1978", Dates, "10.11.78 >> 10.11.1978",
     "mmDates78To1978", false, &RewriteDatesAs<Tool::DatesFullYear, DateRewrite::FullYear>, kDateTexts},
    {Tool::DatesMonthWords, "dates-month-words", "Даты: 10.11.1978 >> 10 ноября 1978", Dates,
     "10.11.1978 >> 10 ноября 1978", "mmDates11ToNov", false,
     &RewriteDatesAs<Tool::DatesMonthWords, DateRewrite::MonthWords>, kDateTexts},
    {Tool::DatesMonthNumbers, "dates-month-numbers", "Даты: 10 ноября 1978 >> 10.11.1978", Dates,
     "10 ноября 1978 >> 10.11.1978", "mmDatesNovTo11", false,
     &RewriteDatesAs<Tool::DatesMonthNumbers, DateRewrite::MonthNumbers>, kDateTexts},
    {Tool::DatesDropZero, "dates-drop-zero", "Даты: удалить ведущий 0", Dates, "Удалить ведущий 0",
     "mmDatesDelZero", true, &RewriteDatesAs<Tool::DatesDropZero, DateRewrite::DropZero>, kDateTexts},
    {Tool::DatesAddZero, "dates-add-zero", "Даты: установить ведущий 0", Dates, "Установить ведущий 0",
     "mmDatesSetZero", false, &RewriteDatesAs<Tool::DatesAddZero, DateRewrite::AddZero>, kDateTexts},
    {Tool::DatesDropYearMark, "dates-drop-year-mark", "Даты: удалить \"г.\" после года", Dates,
     "Удалить \"г.\" после года", "mmDatesDelG", true,
     &RewriteDatesAs<Tool::DatesDropYearMark, DateRewrite::DropYearMark>, kDateTexts},
    {Tool::DatesAddYearMark, "dates-add-year-mark", "Даты: установить \"г.\" после года", Dates,
     "Установить \"г.\" после года", "mmDatesSetG", false,
     &RewriteDatesAs<Tool::DatesAddYearMark, DateRewrite::AddYearMark>, kDateTexts},
    {Tool::DatesJoinRanges, "dates-join-ranges", "Даты: диапазоны дат без пробелов", Dates,
     "Диапазоны дат без пробелов", "mmDatesJoinRanges", true,
     &RewriteDatesAs<Tool::DatesJoinRanges, DateRewrite::JoinRanges>, kDateTexts},

    {Tool::DeleteEmptyRows,
     "delete-empty-rows",
     "Удалить пустые строки",
     Table,
     "&Удалить пустые строки",
     "mmDelEmpyStr",
     false,
     &DeleteEmptyRows,
     {"Удалить пустые строки сейчас?"_cp,
      "В текущем файле описи будут автоматически удалены лишние пустые (незаполненные) строки. Для "
      "оформления описи пустые строки не нужны.\r\rУдалить пустые строки сейчас?"_cp,
      true, msg::kDeletingRows, "Удалено пустых строк: %1"_cp}},
    {Tool::DeleteNumberingRows,
     "delete-numbering-rows",
     "Удалить строки \"1|2|3|4|5\"",
     Table,
     "У&далить строки \"1|2|3|4|5\"",
     "mmDel12345Str",
     false,
     &DeleteNumberingRows,
     {"Удалить строки \"1|2|3|4|5\"?"_cp,
      "В текущем файле описи будут автоматически удалены лишние строки вида \"1|2|3|4|5\". Для оформления "
      "описи такие строки не нужны.\r\rУдалить такие строки сейчас?"_cp,
      false, msg::kDeletingRows, "Удалено строк нумерации: %1"_cp}},
    {Tool::ForbidRowBreaks,
     "no-row-breaks",
     "Запретить перенос строк таблиц на следующую страницу",
     Table,
     "&Запретить перенос строк",
     "N5",
     false,
     &ForbidRowBreaks,
     {{}, {}, false, "Таблица. Не разрывать строки..."_cp, msg::kTablesConverted}},
    {Tool::FormatHeadings,
     "format-headings",
     "Оформить заголовки: полужирный, не отрывать от следующего",
     Table,
     "О&формить заголовки",
     "N12",
     false,
     &FormatHeadingsAs,
     {{}, {}, false, {}, "Готово."_cp}},
    {Tool::TablesToText,
     "tables-to-text",
     "Преобразовать все таблицы в текст",
     Table,
     "&Преобразовать все таблицы в текст",
     "mmTablesToText",
     false,
     &TablesToText,
     {"Преобразовать таблицы?"_cp,
      "В текущем файле все таблицы (%1) будут преобразованы в текст.\r\rПреобразовать таблицы сейчас?"_cp,
      true, "Преобразование таблиц..."_cp, msg::kTablesConverted}},
    {Tool::JoinTables,
     "join-tables",
     "Объединить таблицу описи, разорванную лишним абзацем",
     Table,
     "&Объединить разорванную таблицу",
     "mmJoinTables",
     false,
     &JoinTables,
     {"Объединить разорванную таблицу?"_cp,
      "Таблица описи, которую разорвал лишний абзац, будет объединена с таблицей, продолжающей её "
      "номера дел. Пустые абзацы между ними удаляются.\r\rОбъединить таблицы сейчас?"_cp,
      false, "Объединение таблиц..."_cp, "Присоединено таблиц: %1"_cp}},
};

}  // namespace

std::span<const ToolEntry> ToolCatalog() {
    return kCatalog;
}

const ToolEntry* FindTool(Tool tool, std::span<const ToolEntry> catalog) {
    for (const ToolEntry& entry : catalog)
        if (entry.Tool == tool) return &entry;
    return nullptr;
}

}  // namespace tabulex::tools
