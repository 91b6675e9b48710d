#pragma once

// The window's own status texts, messages and questions, Windows-1251 at run time like every text
// the core shows; line breaks inside texts are single CRs. Captions of controls live with the
// controls.

#include "text/Cp1251.h"

#include <string_view>

namespace tabulex::app::msg {
using namespace text::literals;

inline constexpr std::string_view kInDevelopment = "В разработке."_cp;
inline constexpr std::string_view kDone = "Готово."_cp;
inline constexpr std::string_view kPaused = "Пауза."_cp;
// Followed by the copy's path.
inline constexpr std::string_view kAnnotatedCopyWritten = "Копия описи с примечаниями: "_cp;
// The desktop's editor stands where the word processor was started.
inline constexpr std::string_view kOpeningInEditor = "Открытие в текстовом редакторе..."_cp;
inline constexpr std::string_view kEditorFailed = "Не удалось открыть в текстовом редакторе"_cp;
// %1 the file.
inline constexpr std::string_view kCannotOpenFile =
    "Не удалось открыть %1: на компьютере не найдена программа для этого типа файлов (нужен пакет "
    "xdg-utils и текстовый редактор, например LibreOffice Writer)."_cp;
// %1 the report document.
inline constexpr std::string_view kCannotOpenReport =
    "Не удалось открыть отчёт %1: на компьютере не найдена программа для документов (нужен пакет "
    "xdg-utils и текстовый редактор, например LibreOffice Writer).\rОтчёт можно посмотреть здесь же: "
    "Файл | Открыть отчёт (Ctrl+R)."_cp;
inline constexpr std::string_view kOpeningDocument = "Открытие документа..."_cp;
inline constexpr std::string_view kConvertingDocument = "Преобразование через LibreOffice..."_cp;
inline constexpr std::string_view kOpeningStopped = "Открытие документа прервано."_cp;
// Followed by what failed.
inline constexpr std::string_view kOpenFailed = "Не удалось открыть документ: "_cp;
inline constexpr std::string_view kGiveFile = "Укажите файл."_cp;
inline constexpr std::string_view kFileNotFound = "Файл не найден."_cp;
inline constexpr std::string_view kCheckCancelled = "Проверка прервана."_cp;
inline constexpr std::string_view kNoFileCheckedYet = "Файл еще не проверялись."_cp;
inline constexpr std::string_view kDragHint =
    "Вы можете перетащить файл из файлового менеджера на окно программы."_cp;
inline constexpr std::string_view kFolderFailed = "Не удалось открыть папку."_cp;
inline constexpr std::string_view kMailFailed = "Не удалось создать письмо."_cp;
inline constexpr std::string_view kWebFailed = "Не удалось открыть страницу программы."_cp;
inline constexpr std::string_view kSaved = "Документ сохранён."_cp;
inline constexpr std::string_view kNoDocument = "Нет открытого документа."_cp;
inline constexpr std::string_view kNoReport = "Отчёта ещё нет: выполните проверку."_cp;
// %1 the report folder, %2 the reason.
inline constexpr std::string_view kReportFolderNotWritable =
    "Не удаётся записать отчёт в папку %1: %2.\rУкажите другую папку отчёта (ключ ReportPath в "
    "Tabulex.ini) либо разрешите запись в эту папку."_cp;

// The end of a check: the caption is short enough for the window's title bar. %1 errors,
// %2 warnings, %3 hints.
inline constexpr std::string_view kOutcomeCounts = "ошибок: %1, предупреждений: %2, подсказок: %3"_cp;
inline constexpr std::string_view kCaptionCompleted = "Ошибок: %1, предупр.: %2, подсказок: %3"_cp;
// %1 the row the check stopped at, %2 the rows.
inline constexpr std::string_view kCaptionStopped = "Проверка прервана на строке %1 из %2"_cp;
// %1 the document.
inline constexpr std::string_view kCaptionNotChecked = "%1 не проверен"_cp;
inline constexpr std::string_view kOutcomeCompleted = "Проверка описи %1 завершена."_cp;
inline constexpr std::string_view kOutcomeStopped =
    "Проверка описи %1 прервана на строке %2. Следующая проверка этого файла предложит продолжить с неё."_cp;
// %2 why.
inline constexpr std::string_view kOutcomeNotChecked = "Опись %1 не проверена.\r%2"_cp;
// %1 the report file.
inline constexpr std::string_view kOutcomeReport = "Отчёт: %1"_cp;

// Closing the window while a check or an opening runs.
inline constexpr std::string_view kExitDuringCheckTitle = "Выход из программы"_cp;
inline constexpr std::string_view kExitDuringCheck =
    "Идёт проверка описи.\r\rOK - прервать её (следующая проверка сможет продолжить с той же строки) и "
    "выйти\rОтмена - продолжить проверку"_cp;

// Document choice.
inline constexpr std::string_view kChooseTitle = "Выбрать файл описи?"_cp;
inline constexpr std::string_view kFileNotFoundRetry =
    "Файл не найден.\r\rПопробуйте выбрать файл еще раз."_cp;
inline constexpr std::string_view kChooseCheck1 =
    "Файл не найден.\r\rПопробуйте выбрать файл еще раз.\r\rДа - выбрать файл описи\rНет - проверить последний файл \""_cp;
inline constexpr std::string_view kChooseCheck2 = "\"\rОтмена - ничего не проверять"_cp;
inline constexpr std::string_view kChooseEdit = "Опись не открыта.\r\rВыбрать файл описи сейчас?"_cp;
inline constexpr std::string_view kLastFileHint1 = "Проверить файл \""_cp;
inline constexpr std::string_view kFileQuote1 = "Файл \""_cp;
inline constexpr std::string_view kFileQuote2 = "\" не найден."_cp;

// Closing and reloading documents.
inline constexpr std::string_view kSaveTitle = "Сохранить документ?"_cp;
inline constexpr std::string_view kSaveQuestion1 = "Документ \""_cp;
inline constexpr std::string_view kSaveQuestion2 = "\" изменён.\r\rСохранить изменения?"_cp;
inline constexpr std::string_view kChangedOnDiskTitle = "Файл изменён"_cp;
inline constexpr std::string_view kChangedOnDisk1 = "Файл \""_cp;
inline constexpr std::string_view kChangedOnDisk2 =
    "\" изменён другой программой, а в Табулексе есть несохранённые изменения.\r\r"
    "Да - перечитать файл (изменения в Табулексе пропадут)\rНет - оставить документ как есть\r"
    "Отмена - ничего не делать"_cp;

// Start-up.
inline constexpr std::string_view kFirstTimeTips =
    "Для работы с программой:\r1. Откройте файл нужной описи: Файл | Открыть (Ctrl+O) или кнопка \"Обзор...\".\r"
    "2. В программе Табулекс нажмите кнопку \"Начать\".\r3. Проверьте по отчёту проблемы и исправьте в файле описи.\r4. Проведите проверку ещё раз."_cp;
inline constexpr std::string_view kDesktopWarning =
    "Программа установлена на Рабочем столе.\rНа Рабочем столе должен находиться только ярлык к программе "
    "Табулекс.\rОбратитесь к системному администратору."_cp;
inline constexpr std::string_view kDesktopFolder = "рабочий стол"_cp;

// Release-age reminders; each is followed by kReminderClose1, the web address and kReminderClose2.
inline constexpr std::string_view kReminderFourMonths =
    "C момента выхода программы прошло более ЧЕТЫРЁХ месяцев.\r\rНастоятельно рекомендуется проверить "
    "обновления "
    "на сайте программы.\r\rДальнейшее использование этой версии программы не рекомендуется.\r\r"_cp;
inline constexpr std::string_view kReminderThreeMonths =
    "C момента выхода программы прошло более ТРЁХ месяцев.\r\rНастоятельно рекомендуется проверить "
    "обновления на "
    "сайте программы.\r\rСкорее всего, в новой версии есть существенные изменения.\rДальнейшее использование "
    "этой "
    "версии программы не рекомендуется.\r\r"_cp;
inline constexpr std::string_view kReminderTwoMonths =
    "C момента выхода программы прошло более ДВУХ месяцев.\rПроверьте, пожалуйста, обновления на сайте "
    "программы.\r\rВозможно, в новой версии есть существенные изменения.\r\r"_cp;
inline constexpr std::string_view kReminderOneMonth =
    "C момента выхода программы прошло более месяца.\rПроверьте, пожалуйста, обновления на сайте программы.\r\r"_cp;
inline constexpr std::string_view kReminderClose1 = "Нажмите OK, чтобы открыть сайт "_cp;
inline constexpr std::string_view kReminderClose2 = " сейчас."_cp;

// About.
inline constexpr std::string_view kAbout1 =
    "Табулекс. Версия 2.32 от 05.03.2008\rПроверка описей на правильность заполнения и исправление ошибок.\r"_cp;
inline constexpr std::string_view kAbout2 =
    "Для проверки описи откройте файл описи (Файл | Открыть) и нажмите кнопку «Начать»\r\r"_cp;
inline constexpr std::string_view kAbout3 =
    "Подробней смотрите справку по программе – «Справка | Вызов справки (F1)»\r\r"_cp;
inline constexpr std::string_view kAbout4 = "Используйте памятки по работе в Word и Windows.\r\r\r"_cp;
inline constexpr std::string_view kAboutProgramFolder = "Папка программы: "_cp;
inline constexpr std::string_view kAboutDataFolder = "Папка данных: "_cp;
inline constexpr std::string_view kAboutFileVersion = "Версия файла программы: "_cp;

// Contacts.
inline constexpr std::string_view kSupportAddress = "support@tabulex.example";
inline constexpr std::string_view kWebHost = "tabulex.example";
inline constexpr std::string_view kWebAddress = "https://tabulex.example/";
inline constexpr std::string_view kMailSubject = "О%20программе%20Табулекс%202.32"_cp;
inline constexpr std::string_view kMailBody = "Здравствуйте!%0D%0A%0D%0AПишу о программе Табулекс 2.32."_cp;

}  // namespace tabulex::app::msg
