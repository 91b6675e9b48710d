#include "platform/FileSystem.h"

#include "text/Cp1251.h"
#include "text/Utf8Paths.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace tabulex::platform {

using namespace text::literals;

std::string DisplayName(std::string_view utf8Path) {
    return text::Utf8ToCp1251(utf8Path);
}

std::string FailureReason(int errorCode) {
    switch (errorCode) {
        case EACCES:
        case EPERM:
            return std::string("нет прав на запись"_cp);
        case EROFS:
            return std::string("диск доступен только для чтения"_cp);
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return std::string("нет места на диске"_cp);
        case EEXIST:
        case ENOTDIR:
            return std::string("на месте папки находится файл"_cp);
        case EISDIR:
            return std::string("на месте файла находится папка"_cp);
        case ENOENT:
            return std::string("папка не найдена"_cp);
        case EFBIG:
            return std::string("превышен допустимый размер файла"_cp);
        case ENAMETOOLONG:
            return std::string("слишком длинное имя"_cp);
        case EIO:
            return std::string("ошибка ввода-вывода"_cp);
        case ELOOP:
            return std::string("слишком много символических ссылок подряд"_cp);
        case ENXIO:
        case ENODEV:
            return std::string("устройство недоступно"_cp);
        case EBUSY:
        case ETXTBSY:
            return std::string("файл занят другой программой"_cp);
        case EMLINK:
            return std::string("слишком много ссылок на файл"_cp);
        case EXDEV:
            return std::string("файл и папка на разных дисках"_cp);
        case EMFILE:
        case ENFILE:
            return std::string("открыто слишком много файлов"_cp);
        case ENOMEM:
            return std::string("не хватает памяти"_cp);
        case EAGAIN:
            return std::string("ресурс временно недоступен"_cp);
        case ENOTEMPTY:
            return std::string("папка не пуста"_cp);
        case EINVAL:
            return std::string("недопустимое имя или операция"_cp);
        default:
            return std::string("ошибка системы № "_cp) + std::to_string(errorCode);
    }
}

namespace {

// The errno value of a standard library error: on Windows its code is the system's own error
// number, which the library maps to the portable condition.
int ErrnoOf(const std::error_code& code) {
    const std::error_condition condition = code.default_error_condition();
    return condition.category() == std::generic_category() ? condition.value() : code.value();
}

}  // namespace

std::string ExceptionReason(const std::exception& error) {
    if (const auto* fsError = dynamic_cast<const std::filesystem::filesystem_error*>(&error)) {
        std::string reason = FailureReason(ErrnoOf(fsError->code()));
        if (!fsError->path1().empty()) reason += ": " + DisplayName(text::Utf8OfPath(fsError->path1()));
        return reason;
    }
    if (const auto* systemError = dynamic_cast<const std::system_error*>(&error))
        return FailureReason(ErrnoOf(systemError->code()));
    return std::string("внутренняя ошибка программы: "_cp) + text::Utf8ToCp1251(error.what());
}

}  // namespace tabulex::platform
