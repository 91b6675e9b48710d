#pragma once

// What the window tests share: dialogs answered from a script, a desktop that records what it was
// asked to open, and a window over a fresh data folder with a real settings file.

#include "app/DesktopShell.h"
#include "app/MainWindow.h"
#include "app/UserDialogs.h"
#include "settings/IniSettings.h"
#include "text/Cp1251.h"
#include "text/Utf8Paths.h"

#include <QDir>
#include <QTemporaryDir>

#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tabulex::app::test {

struct AskedQuestion {
    QString Title;
    QString Text;
    bool HasHelp = false;  // the question offered Справка
};

class ScriptedDialogs : public UserDialogs {
  public:
    std::vector<AskedQuestion> Questions;  // every question asked, in order
    std::deque<bool> OkAnswers;            // answers of OK/Cancel questions; OK when none is left
    std::deque<Answer> YesNoAnswers;       // Cancel when none is left
    std::deque<QString> Files;             // files chosen in the open dialog; cancelled when none
    QString SaveAsPath;
    bool PressHelp = false;  // a question with Справка gets it pressed before its answer

    bool AskOkCancel(std::string_view title, std::string_view text) override {
        Record(title, text);
        if (OkAnswers.empty()) return true;
        const bool answer = OkAnswers.front();
        OkAnswers.pop_front();
        return answer;
    }
    bool AskOkCancelHelp(std::string_view title, std::string_view text,
                         const std::function<void()>& showHelp) override {
        if (PressHelp) showHelp();
        const bool answer = AskOkCancel(title, text);
        Questions.back().HasHelp = true;
        return answer;
    }
    Answer AskYesNoCancel(std::string_view title, std::string_view text) override {
        Record(title, text);
        if (YesNoAnswers.empty()) return Answer::Cancel;
        const Answer answer = YesNoAnswers.front();
        YesNoAnswers.pop_front();
        return answer;
    }
    bool InputBox(std::string_view title, std::string_view prompt, std::string_view) override {
        Record(title, prompt);
        return true;
    }
    std::optional<QString> ChooseFileToOpen() override {
        if (Files.empty()) return std::nullopt;
        QString file = Files.front();
        Files.pop_front();
        return file;
    }
    std::optional<QString> ChooseFileToSave(const QString&) override {
        if (SaveAsPath.isEmpty()) return std::nullopt;
        return SaveAsPath;
    }
    QStringList Titles() const {
        QStringList titles;
        for (const auto& question : Questions) titles << question.Title;
        return titles;
    }

  private:
    void Record(std::string_view title, std::string_view text) {
        Questions.push_back({QString::fromStdString(text::Cp1251ToUtf8(title)),
                             QString::fromStdString(text::Cp1251ToUtf8(text))});
    }
};

class RecordingShell : public DesktopShell {
  public:
    std::vector<QUrl> Opened;
    bool Succeeds = true;
    bool Open(const QUrl& url) override {
        Opened.push_back(url);
        return Succeeds;
    }
};

// A window over `folder` (data and report folder); the settings file lives there too, so that a
// second window over the same folder is a restart.
class TestApp {
    // First, so that it outlives the window.
    settings::IniSettings settings_;

  public:
    explicit TestApp(const QString& folder, QStringList arguments = {},
                     QDateTime now = QDateTime(QDate(2026, 12, 8), QTime(12, 0)))
        : settings_(std::filesystem::path(folder.toStdString()) / "Tabulex.ini") {
        AppServices services;
        services.Folders.Program = std::filesystem::path(folder.toStdString()) / "program";
        services.Folders.Data = folder.toStdString();
        services.Folders.Report = folder.toStdString();
        services.Settings = &settings_;
        services.Dialogs = &Dialogs;
        services.Shell = &Shell;
        services.Now = [now] { return now; };
        services.Arguments = std::move(arguments);
        Window = std::make_unique<MainWindow>(std::move(services));
    }
    ~TestApp() {
        if (Window) Window->close();
    }

    settings::IniSettings& Settings() { return settings_; }

    ScriptedDialogs Dialogs;
    RecordingShell Shell;
    std::unique_ptr<MainWindow> Window;
};

// A 1251 text as the widgets show it.
inline QString Shown(std::string_view text1251) {
    QString text = QString::fromStdString(text::Cp1251ToUtf8(text1251));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// A file system path of a QString: through UTF-8, as the program makes its paths (on Windows a
// path made from a plain string would name another file).
inline std::filesystem::path FsPath(const QString& path) {
    return text::PathFromUtf8(path.toStdString());
}

// A path as the window shows it: with the system's own separators.
inline QString AsShown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace tabulex::app::test
