#pragma once

// Version information of a file: the type name the desktop shows for it, and for the program
// itself the version built into it (Windows' version resource carries the same strings).

#include <QString>

namespace tabulex::app {

struct FileVersionInfo {
    QString TypeName;  // the MIME database's description, at most 80 characters
    QString CompanyName;
    QString FileDescription;
    QString FileVersion;
    QString InternalName;
    QString LegalCopyRight;
    QString LegalTradeMarks;
    QString OriginalFileName;
    QString ProductName;
    QString ProductVersion;
    QString Comments;
    QString SpecialBuild;
    QString PrivateBuild;
    QString FileType;
    bool IsDebug = false;
    bool IsPreRelease = false;
    bool IsInfoInferred = false;
    bool IsPrivateBuild = false;
    bool IsPatched = false;
    bool IsSpecialBuild = false;
};

// Only TypeName for a file other than the running program.
FileVersionInfo ReadFileVersionInfo(const QString& path);

// The running program's information, read once.
const FileVersionInfo& ProgramVersionInfo();

}  // namespace tabulex::app
