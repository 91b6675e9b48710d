#include "cli/ConsoleHost.h"

#include "report/ReportFolder.h"
#include "text/Cp1251.h"
#include "text/TextHelpers.h"

#include <ostream>

namespace tabulex::cli {

std::string ToTerminalText(std::string_view text1251) {
    std::string lines = text::ReplaceAll(text::ReplaceAll(text1251, "\r\n", "\n"), "\r", "\n");
    return text::Cp1251ToUtf8(lines);
}

ConsoleHost::ConsoleHost(settings::Settings& settings, const std::atomic<bool>& stop,
                         ProgressDisplay& progress, std::ostream& err, std::string documentLabel,
                         ConsolePolicy policy)
    : settings_(settings),
      stop_(stop),
      progress_(progress),
      err_(err),
      label_(std::move(documentLabel)),
      policy_(policy) {}

void ConsoleHost::ShowStatus(std::string_view text) {
    lastStatus_ = std::string(text);
}

void ConsoleHost::SetCaption(std::string_view text) {
    progress_.Update(label_, ToTerminalText(text));
}

bool ConsoleHost::AskOkCancel(check::Question question, std::string_view, std::string_view text) {
    switch (question) {
        case check::Question::Resume:
            return policy_.Resume;
        case check::Question::Stop:
            return true;
        case check::Question::RowRead:
            PrintMessage(text);
            return ++rowReadFailures_ <= policy_.RowReadRetries;
    }
    return false;
}

bool ConsoleHost::InputBox(std::string_view, std::string_view prompt, std::string_view text) {
    PrintMessage(std::string(prompt) + "\r" + std::string(text));
    return true;
}

void ConsoleHost::ShowMessageText(std::string_view text) {
    lastMessage_ = std::string(text);
    PrintMessage(text);
}

std::string ConsoleHost::ReportUnavailableText(const std::filesystem::path& report, int errorCode) {
    return report::ReportFailureText(report, errorCode);
}

void ConsoleHost::PrintMessage(std::string_view text1251) {
    progress_.Print(err_, label_ + ": " + ToTerminalText(text1251) + "\n");
}

}  // namespace tabulex::cli
