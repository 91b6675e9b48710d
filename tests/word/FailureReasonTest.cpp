// Why a file operation failed is told in the program's own Russian words, never in the system's
// English: for the errors a save or a report meets, and for exceptions of the standard library.

#include "platform/FileSystem.h"
#include "text/Cp1251.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace tabulex::platform {
namespace {

bool HasLatinLetters(std::string_view utf8) {
    for (char c : utf8)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
    return false;
}

TEST(FailureReasonTest, EveryErrorASaveMeetsIsSaidInRussian) {
    const struct {
        int Code;
        const char* Reason;
    } cases[] = {
        {ENOENT, "папка не найдена"},
        {EIO, "ошибка ввода-вывода"},
        {ELOOP, "слишком много символических ссылок подряд"},
        {ENXIO, "устройство недоступно"},
        {ETXTBSY, "файл занят другой программой"},
        {EMLINK, "слишком много ссылок на файл"},
        {ENOSPC, "нет места на диске"},
        {EFBIG, "превышен допустимый размер файла"},
        {ENAMETOOLONG, "слишком длинное имя"},
    };
    for (const auto& c : cases) EXPECT_EQ(text::Cp1251ToUtf8(FailureReason(c.Code)), c.Reason) << c.Code;
    // The rest by number, which differs between systems.
    EXPECT_EQ(text::Cp1251ToUtf8(FailureReason(EPROTO)), "ошибка системы № " + std::to_string(EPROTO));
}

TEST(FailureReasonTest, ExceptionsOfTheStandardLibraryGetTheSameWords) {
    const std::filesystem::filesystem_error missing(
        "copy", "/a/b.docx", std::make_error_code(std::errc::no_such_file_or_directory));
    const std::system_error io(std::make_error_code(std::errc::io_error));
    EXPECT_EQ(text::Cp1251ToUtf8(ExceptionReason(missing)), "папка не найдена: /a/b.docx");
    EXPECT_EQ(text::Cp1251ToUtf8(ExceptionReason(io)), "ошибка ввода-вывода");
    EXPECT_FALSE(HasLatinLetters(text::Cp1251ToUtf8(ExceptionReason(io))));
    EXPECT_EQ(text::Cp1251ToUtf8(ExceptionReason(std::logic_error("x"))), "внутренняя ошибка программы: x");
}

}  // namespace
}  // namespace tabulex::platform
