#pragma once

// The check run's own texts, in the order the run uses them. Each is Windows-1251 at run time.

#include "text/Cp1251.h"

#include <string>
#include <string_view>

namespace tabulex::check::msg {
using namespace text::literals;

// Status texts, captions and titles.
inline constexpr std::string_view kChecking = "Идёт проверка..."_cp;
inline constexpr std::string_view kStartingWord = "Запуск Word..."_cp;
inline constexpr std::string_view kNoTables = "Нет таблиц в документе. Проверьте опись."_cp;
inline constexpr std::string_view kCheckingTable = "Идёт проверка... Таблица № "_cp;
inline constexpr std::string_view kReportLocked =
    "Закройте файл отчёта либо поставьте галочку в настройках."_cp;
inline constexpr std::string_view kPaused = "Пауза."_cp;
inline constexpr std::string_view kResuming = "Продолжение работы..."_cp;
inline constexpr std::string_view kStoppedAtRow = "Проверка прервана на строке "_cp;
inline constexpr std::string_view kNoProblems = "Проблемы не обнаружены."_cp;
inline constexpr std::string_view kOutOfMemory = "Недостаточно памяти для проверки этого документа."_cp;
inline constexpr std::string_view kInternalError = "Внутренняя ошибка программы: "_cp;
inline constexpr std::string_view kCaptionChecking = "Проверка "_cp;
inline constexpr std::string_view kCaptionRemaining = " Осталось: "_cp;
inline constexpr std::string_view kApplicationName = "Табулекс"_cp;
inline constexpr std::string_view kApplicationVersion = "2.32";
inline constexpr std::string_view kApplicationDate = "05.03.2008";

// Questions.
inline constexpr std::string_view kResumeTitle = "Продолжить проверку?"_cp;
// %1 the document name, %2 the row.
inline constexpr std::string_view kResumeQuestion =
    "В прошлый раз проверка документа \"%1\" была прервана на строке %2.\r\rПродолжить сейчас проверку со строки %2?\r\rНажмите OK чтобы продолжить проверку или Отмена, чтобы начать проверку заново."_cp;
inline constexpr std::string_view kAttentionTitle = "Внимание!"_cp;
inline constexpr std::string_view kStopQuestion =
    "Прервать проверку?\r\rВ следующий раз проверку можно будет продолжить с прерванной строки."_cp;
inline constexpr std::string_view kRowReadQuestion =
    "Не удается получить следующую строку таблицы.\r\rВозможно, Microsoft Word сейчас не запущен.\rВозможно, опись сейчас не открыта.\rВозможно, открыто какое-либо окно диалога.\r\rОткройте опись или закройте окно диалога.\r\rНажмите OK для продолжения или Отмена для остановки работы."_cp;
// %1 the row, %2 kSupportAddress.
inline constexpr std::string_view kRowFailure =
    "Возникла проблема при обработке строки №%1 таблицы\r\rВышлите, пожалуйста, данный текст автору по адресу %2 (Справка | Письмо автору).\r\rНажмите OK, чтобы продолжить проверку описи или Отмена, чтобы прервать."_cp;
inline constexpr std::string_view kSupportAddress = "support@tabulex.example";

// Row rules.
inline constexpr std::string_view kEmptyRow = "Лишняя пустая строка"_cp;
inline constexpr std::string_view kExtraNumberingRow = "Лишний заголовок; "_cp;
inline constexpr std::string_view kNotBold = "Не выделен жирным; "_cp;
inline constexpr std::string_view kNotKeptWithNext = "Абзац не отрывать от следующего; "_cp;
inline constexpr std::string_view kExtraParagraph = "Лишний абзац; "_cp;
inline constexpr std::string_view kNumberPrefix = "Номер: "_cp;
inline constexpr std::string_view kTitlePrefix = "Название: "_cp;
inline constexpr std::string_view kDatesPrefix = "Даты: "_cp;
inline constexpr std::string_view kNotesPrefix = "Примечание: "_cp;
inline constexpr std::string_view kNumberFinalStop = "Номер. Лишняя точка в конце: "_cp;
inline constexpr std::string_view kNoNumber = "Номер отсутствует; "_cp;
inline constexpr std::string_view kNoTitle = "Название отсутствует; "_cp;
inline constexpr std::string_view kNoDates = "Дата отсутствует; "_cp;
inline constexpr std::string_view kNoQuantity = "Кол-во отсутствует; "_cp;
inline constexpr std::string_view kNumberExpected = "Номер дела ожидался "_cp;
inline constexpr std::string_view kQuantityMissing = "Возможно, кол-во не указано; "_cp;
inline constexpr std::string_view kQuantityDoubtful = "Возможно, кол-во указано неверно "_cp;
inline constexpr std::string_view kQuantityWrong = "Кол-во указано неверно \""_cp;
inline constexpr std::string_view kTitleHintPrefix = "Название "_cp;
inline constexpr std::string_view kPageMark = "стр"_cp;

// Dates cell rules.
inline constexpr std::string_view kDateDigitLetter = "Дата. Нет пробела между цифрой и буквой \""_cp;
inline constexpr std::string_view kDateYearMark = "Дата. Нет пробела между годом и \"г.\"; "_cp;
inline constexpr std::string_view kDateYearMarkStop = "Дата. Нет точки после \"г\"; "_cp;
inline constexpr std::string_view kDateWrong = "Дата неверная \""_cp;
inline constexpr std::string_view kDateStartAfterEnd = "Дата нач. позже кон.\""_cp;
inline constexpr std::string_view kUndated = "б/д"_cp;
inline constexpr std::string_view kYearMarkSpaced = " г."_cp;
inline constexpr std::string_view kYearMark = "г."_cp;
inline constexpr std::string_view kYearLetterSpaced = " г"_cp;

// Header row recognition.
inline constexpr std::string_view kNumeroSign = "№"_cp;
inline constexpr std::string_view kTitleHeading = "агол"_cp;
inline constexpr std::string_view kDatesHeading = "ат"_cp;
inline constexpr std::string_view kSheetsHeading = "лист"_cp;

// Document hints.
// %1 kSkippedColumnsAuto when the columns were found automatically, else nothing; %2 the columns.
inline constexpr std::string_view kSkippedColumns =
    "В описи кроме стандартных столбцов (№; Заголовок; Даты; Кол-во; Прим.) присутствуют дополнительные. Программа %1пропустила при проверке столбцы: %2, как указано в настройках."_cp;
inline constexpr std::string_view kSkippedColumnsAuto = "автоматически "_cp;
inline constexpr std::string_view kExtraColumns =
    "Возможно, в описи кроме стандартных столбцов (№; Заголовок; Даты; Кол-во; Прим.) присутствуют дополнительные. Вы можете указать в настройках столбцы, которые программа должна пропустить, например 2"_cp;
inline constexpr std::string_view kBreakableRows =
    "В таблице встретились строки, перенос которых разрешён на следующую страницу."_cp;
inline constexpr std::string_view kBreakableRowsAdvice =
    "Рекомендуется для всех строк таблицы запретить перенос строк. Выберите \"Таблица | Выделить | Таблицу\". Выберите \"Таблица | Свойства таблицы...\". Закладка \"Строка\". Снимите галочку \"Разрешить перенос строк на следующую страницу\"."_cp;
// %1 the rows with dashes, %2 the rows with hyphens.
inline constexpr std::string_view kMixedDashes =
    "В столбце \"Дата\" встретились и тире (%1) и дефисы (%2) одновременно. Выделите столбец \"Даты\". Выберите пункт меню \"Правка | Замена...\". В поле \"Найти\" введите \"-\". В поле \"Заменить на\" введите \"–\". Нажмите кнопку \"Заменить все\". На вопрос \"Продолжить замену во всем тексте\" нажмите \"Нет\", иначе все дефисы будут заменены на тире."_cp;
// %1 the empty rows, %2 kApplicationName.
inline constexpr std::string_view kEmptyRows =
    "В таблице встретились пустые строки (%1). Выберите в %2 пункт меню \"Правка | Удалить пустые строки\". Смотрите также справку к программе (F1)."_cp;
// %1 the findings.
inline constexpr std::string_view kSpacing =
    "В таблице встретились пробелы в начале строки или двойные пробелы (%1)"_cp;

// Word settings advice.
inline constexpr std::string_view kAdviceReplaceQuotes =
    "Word: Рекомендуется поставить галочку \"Заменять прямые кавычки парными\". Выберите пункт меню \"Сервис | Параметры автозамены...\". Закладка \"Автоформат при вводе\". \"Заменять при вводе\""_cp;
inline constexpr std::string_view kAdviceDefineStyles =
    "Word: Рекомендуется снять галочку \"Определять стили\". Выберите пункт меню \"Сервис | Параметры автозамены...\". Закладка \"Автоформат при вводе\". \"Автоматически при вводе\""_cp;

// A table right after the main table that continues it.
inline constexpr std::string_view kSplitTable =
    "Таблица описи разорвана: таблица №%1 продолжает проверенную (%2 %3); объедините таблицы"_cp;
inline constexpr std::string_view kRowOne = "строка"_cp;
inline constexpr std::string_view kRowsFew = "строки"_cp;
inline constexpr std::string_view kRowsMany = "строк"_cp;

// The certification line after the main table, compared with what the check found.
inline constexpr std::string_view kCertCount = "Заверительная надпись: число дел цифрами %1, а в описи %2"_cp;
inline constexpr std::string_view kCertWords =
    "Заверительная надпись: число дел прописью \"%1\", а в описи %2 (%3)"_cp;
inline constexpr std::string_view kCertNoWords = "Заверительная надпись: число дел не написано прописью"_cp;
inline constexpr std::string_view kCertAgreement =
    "Заверительная надпись: после числа %1 должно стоять \"%2\", а не \"%3\""_cp;
inline constexpr std::string_view kCertFirst = "Заверительная надпись: первый номер № %1, а в описи № %2"_cp;
inline constexpr std::string_view kCertLast =
    "Заверительная надпись: последний номер № %1, а в описи № %2"_cp;
inline constexpr std::string_view kCertLiteralDiffer =
    "Заверительная надпись: литерные номера %1, а в описи литерные номера %2"_cp;
inline constexpr std::string_view kCertLiteralNoneInInventory =
    "Заверительная надпись: литерные номера %1, а в описи литерных номеров нет"_cp;
inline constexpr std::string_view kCertLiteralNoneInLine =
    "Заверительная надпись: литерных номеров нет, а в описи литерные номера %1"_cp;
inline constexpr std::string_view kCertLiteralForgotten =
    "Заверительная надпись не называет литерные номера описи: %1"_cp;
inline constexpr std::string_view kCertMissingDiffer =
    "Заверительная надпись: пропущенные номера %1, а в описи пропущенные номера %2"_cp;
inline constexpr std::string_view kCertMissingNoneInInventory =
    "Заверительная надпись: пропущенные номера %1, а в описи пропущенных номеров нет"_cp;
inline constexpr std::string_view kCertMissingNoneInLine =
    "Заверительная надпись: пропущенных номеров нет, а в описи пропущенные номера %1"_cp;
inline constexpr std::string_view kCertMissingForgotten =
    "Заверительная надпись не называет пропущенные номера описи: %1"_cp;
inline constexpr std::string_view kCertUnreadable =
    "Заверительная надпись после таблицы не разобрана, сверьте её с описью вручную: \"%1\""_cp;
inline constexpr std::string_view kCertNotFound = "Заверительная надпись после таблицы не найдена"_cp;

// After a completed check: %1 the left-out table, %2 its case rows, %3 the checked table.
inline constexpr std::string_view kLeftOutTable =
    "Внимание: таблица %1 не проверена, а в ней %2 строк(и) дел и столько же столбцов, сколько в проверенной таблице %3; возможно, таблица описи разорвана абзацем."_cp;

// Notices of a resume point that cannot be used; the check starts at row 1.
inline std::string ResumePointOfAnotherFile(std::string_view documentName) {
    return std::string("Прерванная проверка в этой папке отчёта относится к другому файлу ("_cp) +
           std::string(documentName) +
           std::string(") или файл изменился; проверка начата с первой строки."_cp);
}
inline std::string ResumedElsewhere(std::string_view folder) {
    return std::string("Проверка этого документа была прервана с отчётом в папке "_cp) + std::string(folder) +
           std::string(
               "; продолжить её можно только с той же папкой отчёта. Проверка начата с первой строки."_cp);
}

inline constexpr std::string_view kResumePointDamaged =
    "Сохранённое место остановки проверки повреждено или не подходит к этому документу; проверка начата с первой строки."_cp;
// %1 the report file.
inline constexpr std::string_view kResumedReportMissing =
    "Отчёт %1, который продолжает прерванная проверка, отсутствует или изменён; проверка начата с первой строки."_cp;

}  // namespace tabulex::check::msg
