#pragma once

// The check run's own texts, in the order the run uses them. Each is Windows-1251 at run time.

#include "text/Cp1251.h"

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
inline constexpr std::string_view kReportWriteFailed = "Не удалось записать файл отчёта."_cp;
inline constexpr std::string_view kCaptionChecking = "Проверка "_cp;
inline constexpr std::string_view kCaptionRemaining = " Осталось: "_cp;
inline constexpr std::string_view kApplicationName = "Табулекс"_cp;
inline constexpr std::string_view kApplicationVersion = "2.32";
inline constexpr std::string_view kApplicationDate = "05.03.2008";

// Questions.
inline constexpr std::string_view kResumeTitle = "Продолжить проверку?"_cp;
inline constexpr std::string_view kResumeText1 = "В прошлый раз проверка документа \""_cp;
inline constexpr std::string_view kResumeText2 = "\" была прервана на строке "_cp;
inline constexpr std::string_view kResumeText3 = "Продолжить сейчас проверку со строки "_cp;
inline constexpr std::string_view kResumeText4 =
    "Нажмите OK чтобы продолжить проверку или Отмена, чтобы начать проверку заново."_cp;
inline constexpr std::string_view kAttentionTitle = "Внимание!"_cp;
inline constexpr std::string_view kStopQuestion =
    "Прервать проверку?\r\rВ следующий раз проверку можно будет продолжить с прерванной строки."_cp;
inline constexpr std::string_view kRowReadQuestion =
    "Не удается получить следующую строку таблицы.\r\rВозможно, Microsoft Word сейчас не запущен.\r"
    "Возможно, опись сейчас не открыта.\rВозможно, открыто какое-либо окно диалога.\r\r"
    "Откройте опись или закройте окно диалога.\r\rНажмите OK для продолжения или Отмена для остановки работы."_cp;
inline constexpr std::string_view kRowFailure1 = "Возникла проблема при обработке строки №"_cp;
inline constexpr std::string_view kRowFailure2 =
    " таблицы\r\rВышлите, пожалуйста, данный текст автору по адресу "_cp;
inline constexpr std::string_view kSupportAddress = "support@tabulex.example";
inline constexpr std::string_view kRowFailure3 = " (Справка | Письмо автору).\r\r"_cp;
inline constexpr std::string_view kRowFailure4 =
    "Нажмите OK, чтобы продолжить проверку описи или Отмена, чтобы прервать."_cp;

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
inline constexpr std::string_view kSkippedColumns1 =
    "В описи кроме стандартных столбцов (№; Заголовок; Даты; Кол-во; Прим.) присутствуют дополнительные. Программа "_cp;
inline constexpr std::string_view kSkippedColumnsAuto = "автоматически "_cp;
inline constexpr std::string_view kSkippedColumns2 = "пропустила при проверке столбцы: "_cp;
inline constexpr std::string_view kSkippedColumns3 = ", как указано в настройках."_cp;
inline constexpr std::string_view kExtraColumns =
    "Возможно, в описи кроме стандартных столбцов (№; Заголовок; Даты; Кол-во; Прим.) присутствуют "
    "дополнительные. Вы можете указать в настройках столбцы, которые программа должна пропустить, например 2"_cp;
inline constexpr std::string_view kBreakableRows1 =
    "В таблице встретились строки, перенос которых разрешён на следующую страницу."_cp;
inline constexpr std::string_view kBreakableRows2 =
    "Рекомендуется для всех строк таблицы запретить перенос строк. Выберите \"Таблица | Выделить | "
    "Таблицу\". "
    "Выберите \"Таблица | Свойства таблицы...\". Закладка \"Строка\". Снимите галочку \"Разрешить перенос "
    "строк "
    "на следующую страницу\"."_cp;
inline constexpr std::string_view kMixedDashes1 = "В столбце \"Дата\" встретились и тире ("_cp;
inline constexpr std::string_view kMixedDashes2 = ") и дефисы ("_cp;
inline constexpr std::string_view kMixedDashes3 =
    ") одновременно. Выделите столбец \"Даты\". Выберите пункт меню \"Правка | Замена...\". В поле \"Найти\" "
    "введите \"-\". В поле \"Заменить на\" введите \"–\". Нажмите кнопку \"Заменить все\". На вопрос "
    "\"Продолжить замену во всем тексте\" нажмите \"Нет\", иначе все дефисы будут заменены на тире."_cp;
inline constexpr std::string_view kEmptyRows1 = "В таблице встретились пустые строки ("_cp;
inline constexpr std::string_view kEmptyRows2 = "). Выберите в "_cp;
inline constexpr std::string_view kEmptyRows3 =
    " пункт меню \"Правка | Удалить пустые строки\". Смотрите также справку к программе (F1)."_cp;
inline constexpr std::string_view kSpacing =
    "В таблице встретились пробелы в начале строки или двойные пробелы ("_cp;

// Word settings advice.
inline constexpr std::string_view kAdviceReplaceQuotes =
    "Word: Рекомендуется поставить галочку \"Заменять прямые кавычки парными\". Выберите пункт меню "
    "\"Сервис | Параметры автозамены...\". Закладка \"Автоформат при вводе\". \"Заменять при вводе\""_cp;
inline constexpr std::string_view kAdviceDefineStyles =
    "Word: Рекомендуется снять галочку \"Определять стили\". Выберите пункт меню \"Сервис | Параметры "
    "автозамены...\". Закладка \"Автоформат при вводе\". \"Автоматически при вводе\""_cp;

// The certification line after the main table, compared with what the check found.
inline constexpr std::string_view kCertCount = "Заверительная надпись: число дел цифрами "_cp;
inline constexpr std::string_view kCertWords = "Заверительная надпись: число дел прописью \""_cp;
inline constexpr std::string_view kCertAgreement = "Заверительная надпись: после числа "_cp;
inline constexpr std::string_view kCertAgreementMid = " должно стоять \""_cp;
inline constexpr std::string_view kCertAgreementEnd = "\", а не \""_cp;
inline constexpr std::string_view kCertFirst = "Заверительная надпись: первый номер № "_cp;
inline constexpr std::string_view kCertLast = "Заверительная надпись: последний номер № "_cp;
inline constexpr std::string_view kCertInInventory = ", а в описи "_cp;
inline constexpr std::string_view kCertInInventoryNumber = ", а в описи № "_cp;
inline constexpr std::string_view kCertQuotedInInventory = "\", а в описи "_cp;
inline constexpr std::string_view kCertLiteral = "Заверительная надпись: литерные номера \""_cp;
inline constexpr std::string_view kCertMissing = "Заверительная надпись: пропущенные номера \""_cp;
inline constexpr std::string_view kCertNone = "нет"_cp;
inline constexpr std::string_view kCertUnreadable =
    "Заверительная надпись после таблицы не разобрана, сверьте её с описью вручную: \""_cp;

}  // namespace tabulex::check::msg
