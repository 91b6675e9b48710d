#pragma once

// A check host that records what the run shows and answers its questions from a script.

#include "check/CheckHost.h"
#include "check/Clock.h"
#include "text/Cp1251.h"

#include <functional>
#include <string>
#include <vector>

namespace tabulex::check::fake {

struct AskedQuestion {
    Question Kind;
    std::string Title;  // UTF-8, for readable expectations
    std::string Text;
};

class FakeHost : public CheckHost {
  public:
    // Texts are kept in UTF-8.
    std::vector<std::string> Statuses;
    std::vector<std::string> Captions;
    std::vector<std::string> Titles;
    std::vector<std::string> Messages;
    std::vector<AskedQuestion> Questions;
    std::vector<std::string> InputBoxes;  // prompt, then a TAB, then the text
    int ProcessEventsCalls = 0;
    int CloseReportCalls = 0;

    // Answers, by question kind; input boxes answer InputBoxAnswer.
    bool ResumeAnswer = true;
    bool StopAnswer = true;
    bool RowReadAnswer = true;
    bool InputBoxAnswer = true;
    bool Stop = false;
    // Called at every ProcessEvents, to press Stop at a chosen moment.
    std::function<void(FakeHost&)> OnProcessEvents;

    settings::MemorySettings Store;

    void ShowStatus(std::string_view text) override { Statuses.push_back(text::Cp1251ToUtf8(text)); }
    void SetCaption(std::string_view text) override { Captions.push_back(text::Cp1251ToUtf8(text)); }
    void SetApplicationTitle(std::string_view text) override { Titles.push_back(text::Cp1251ToUtf8(text)); }
    void ProcessEvents() override {
        ++ProcessEventsCalls;
        if (OnProcessEvents) OnProcessEvents(*this);
    }
    bool StopRequested() override { return Stop; }
    void ClearStopRequest() override { Stop = false; }
    bool AskOkCancel(Question question, std::string_view title, std::string_view text) override {
        Questions.push_back({question, text::Cp1251ToUtf8(title), text::Cp1251ToUtf8(text)});
        switch (question) {
            case Question::Resume:
                return ResumeAnswer;
            case Question::Stop:
                return StopAnswer;
            case Question::RowRead:
                return RowReadAnswer;
        }
        return false;
    }
    bool InputBox(std::string_view title, std::string_view prompt, std::string_view text) override {
        InputBoxes.push_back(text::Cp1251ToUtf8(title) + "\n" + text::Cp1251ToUtf8(prompt) + "\n" +
                             text::Cp1251ToUtf8(text));
        return InputBoxAnswer;
    }
    void ShowMessageText(std::string_view text) override { Messages.push_back(text::Cp1251ToUtf8(text)); }
    void CloseReportDocuments() override { ++CloseReportCalls; }
    settings::Settings& Settings() override { return Store; }
};

// Advances by a fixed step at every reading.
class FakeClock : public Clock {
  public:
    explicit FakeClock(std::int64_t step = 0) : step_(step) {}
    std::int64_t NowMs() override {
        Now += step_;
        return Now;
    }
    std::int64_t Now = 0;

  private:
    std::int64_t step_;
};

}  // namespace tabulex::check::fake
