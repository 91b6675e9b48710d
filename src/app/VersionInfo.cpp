#include "app/VersionInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeDatabase>

namespace tabulex::app {
namespace {

constexpr int kTypeNameLength = 80;

bool IsProgramFile(const QString& path) {
    return QCoreApplication::instance() &&
           QFileInfo(path).canonicalFilePath() ==
               QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
}

}  // namespace

FileVersionInfo ReadFileVersionInfo(const QString& path) {
    FileVersionInfo info;
    const QFileInfo file(path);
    if (!file.exists()) return info;
    info.TypeName = QMimeDatabase().mimeTypeForFile(file).comment().left(kTypeNameLength);
    if (!IsProgramFile(path)) return info;
    info.CompanyName = QStringLiteral("Tabulex");
    info.FileDescription = QStringLiteral("Табулекс: проверка описей дел");
    info.FileVersion = QStringLiteral(TABULEX_VERSION);
    info.InternalName = QStringLiteral("tabulex-gui");
    info.OriginalFileName = file.fileName();
    info.ProductName = QStringLiteral("Табулекс");
    info.ProductVersion = QStringLiteral(TABULEX_VERSION);
    info.FileType = QStringLiteral("Application");
#ifndef NDEBUG
    info.IsDebug = true;
#endif
    return info;
}

const FileVersionInfo& ProgramVersionInfo() {
    static const FileVersionInfo info = ReadFileVersionInfo(QCoreApplication::applicationFilePath());
    return info;
}

}  // namespace tabulex::app
