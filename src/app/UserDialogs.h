#pragma once

// The modal questions and file dialogs of the window, behind one interface so that tests can answer
// them from a script. Texts are 1251 with CR line breaks.

#include <QString>

#include <functional>
#include <optional>
#include <string_view>

class QWidget;

namespace tabulex::app {

enum class Answer { Yes, No, Cancel };

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    // OK/Cancel; true for OK.
    virtual bool AskOkCancel(std::string_view title, std::string_view text) = 0;
    // OK/Cancel with a Справка button beside them, which calls `showHelp` and leaves the question
    // open; true for OK.
    virtual bool AskOkCancelHelp(std::string_view title, std::string_view text,
                                 const std::function<void()>& showHelp) = 0;
    virtual Answer AskYesNoCancel(std::string_view title, std::string_view text) = 0;
    // Shows `text` for the user to copy; true for OK.
    virtual bool InputBox(std::string_view title, std::string_view prompt, std::string_view text) = 0;
    // The open-file dialog; the chosen path, or nothing when cancelled.
    virtual std::optional<QString> ChooseFileToOpen() = 0;
    virtual std::optional<QString> ChooseFileToSave(const QString& suggested) = 0;
};

// The real dialogs, parented to `parent`.
class QtDialogs : public UserDialogs {
  public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}
    bool AskOkCancel(std::string_view title, std::string_view text) override;
    bool AskOkCancelHelp(std::string_view title, std::string_view text,
                         const std::function<void()>& showHelp) override;
    Answer AskYesNoCancel(std::string_view title, std::string_view text) override;
    bool InputBox(std::string_view title, std::string_view prompt, std::string_view text) override;
    std::optional<QString> ChooseFileToOpen() override;
    std::optional<QString> ChooseFileToSave(const QString& suggested) override;

  private:
    QWidget* parent_;
};

// The filter of the open-file dialog.
QString OpenFileFilter();

}  // namespace tabulex::app
