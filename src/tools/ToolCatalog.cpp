#include "tools/ToolCatalog.h"

namespace tabulex::tools {
namespace {

template <Tool Which, rules::DateRewrite Rewrite>
ToolOutcome RewriteDatesAs(word::Document& document, ToolHost& host, const ToolOptions& options) {
    return RewriteDates(Which, Rewrite, document, host, options);
}

ToolOutcome FormatHeadingsAs(word::Document& document, ToolHost& host, const ToolOptions& options) {
    return FormatHeadings(document, host, {.CloseReportFile = options.Table.CloseReportFile});
}

using enum ToolMenu;
using rules::DateRewrite;

constexpr ToolEntry kCatalog[] = {
    {Tool::DeleteGraphics, "delete-graphics",
     "Удалить плавающую графику (линии, рисунки, надписи); рисунки в тексте остаются", Edit,
     "У&далить графику", "mmDelGraph", false, &DeleteGraphics},
    {Tool::NumberCases, "number-cases", "Расставить номера дел текстом", Edit, "Ну&мерация дел", "mmNum",
     false, &NumberCases},
    {Tool::AutoNumberCases, "auto-number-cases", "Расставить номера дел списком Word", Edit,
     "А&втонумерация дел", "mmNubAuto", false, &AutoNumberCases},
    {Tool::ListsToText, "lists-to-text", "Номера списков в пустых ячейках сделать текстом", Edit,
     "&Списки в текст", "mmListsToText", false, &ListsToText},

    {Tool::DatesFullYear, "dates-full-year", "Даты: 10.11.78 >> 10.11.1978", Dates, "10.11.78 >> 10.11.1978",
     "mmDates78To1978", false, &RewriteDatesAs<Tool::DatesFullYear, DateRewrite::FullYear>},
    {Tool::DatesMonthWords, "dates-month-words", "Даты: 10.11.1978 >> 10 ноября 1978", Dates,
     "10.11.1978 >> 10 ноября 1978", "mmDates11ToNov", false,
     &RewriteDatesAs<Tool::DatesMonthWords, DateRewrite::MonthWords>},
    {Tool::DatesMonthNumbers, "dates-month-numbers", "Даты: 10 ноября 1978 >> 10.11.1978", Dates,
     "10 ноября 1978 >> 10.11.1978", "mmDatesNovTo11", false,
     &RewriteDatesAs<Tool::DatesMonthNumbers, DateRewrite::MonthNumbers>},
    {Tool::DatesDropZero, "dates-drop-zero", "Даты: удалить ведущий 0", Dates, "Удалить ведущий 0",
     "mmDatesDelZero", true, &RewriteDatesAs<Tool::DatesDropZero, DateRewrite::DropZero>},
    {Tool::DatesAddZero, "dates-add-zero", "Даты: установить ведущий 0", Dates, "Установить ведущий 0",
     "mmDatesSetZero", false, &RewriteDatesAs<Tool::DatesAddZero, DateRewrite::AddZero>},
    {Tool::DatesDropYearMark, "dates-drop-year-mark", "Даты: удалить \"г.\" после года", Dates,
     "Удалить \"г.\" после года", "mmDatesDelG", true,
     &RewriteDatesAs<Tool::DatesDropYearMark, DateRewrite::DropYearMark>},
    {Tool::DatesAddYearMark, "dates-add-year-mark", "Даты: установить \"г.\" после года", Dates,
     "Установить \"г.\" после года", "mmDatesSetG", false,
     &RewriteDatesAs<Tool::DatesAddYearMark, DateRewrite::AddYearMark>},
    {Tool::DatesJoinRanges, "dates-join-ranges", "Даты: диапазоны дат без пробелов", Dates,
     "Диапазоны дат без пробелов", "mmDatesJoinRanges", true,
     &RewriteDatesAs<Tool::DatesJoinRanges, DateRewrite::JoinRanges>},

    {Tool::DeleteEmptyRows, "delete-empty-rows", "Удалить пустые строки", Table, "&Удалить пустые строки",
     "mmDelEmpyStr", false, &DeleteEmptyRows},
    {Tool::DeleteNumberingRows, "delete-numbering-rows", "Удалить строки \"1|2|3|4|5\"", Table,
     "У&далить строки \"1|2|3|4|5\"", "mmDel12345Str", false, &DeleteNumberingRows},
    {Tool::ForbidRowBreaks, "no-row-breaks", "Запретить перенос строк таблиц на следующую страницу", Table,
     "&Запретить перенос строк", "N5", false, &ForbidRowBreaks},
    {Tool::FormatHeadings, "format-headings", "Оформить заголовки: полужирный, не отрывать от следующего",
     Table, "О&формить заголовки", "N12", false, &FormatHeadingsAs},
    {Tool::TablesToText, "tables-to-text", "Преобразовать все таблицы в текст", Table,
     "&Преобразовать все таблицы в текст", "mmTablesToText", false, &TablesToText},
    {Tool::JoinTables, "join-tables", "Объединить таблицу описи, разорванную лишним абзацем", Table,
     "&Объединить разорванную таблицу", "mmJoinTables", false, &JoinTables},
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
