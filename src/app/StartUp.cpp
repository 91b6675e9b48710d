#include "app/StartUp.h"
#include "app/PathText.h"

#include "app/AppTexts.h"
#include "app/MainPage.h"
#include "app/QtText.h"
#include "app/ReleaseReminder.h"
#include "app/WindowOptions.h"

#include <QFileInfo>
#include <QWidget>

namespace tabulex::app {
namespace {

constexpr int kTipsIntervalMs = 10'000;
constexpr std::string_view kRunSwitch = "/run";
constexpr std::string_view kReminderKey = "2.32";

std::string_view ReminderText(int months) {
    switch (months) {
        case 4:
            return msg::kReminderFourMonths;
        case 3:
            return msg::kReminderThreeMonths;
        case 2:
            return msg::kReminderTwoMonths;
        default:
            return msg::kReminderOneMonth;
    }
}

}  // namespace

StartUp::StartUp(const CommandServices& services, MainPage& fileChoice, QWidget& window,
                 std::function<void()> startCheck, std::function<QDateTime()> now)
    : QObject(&window),
      services_(services),
      fileChoice_(fileChoice),
      window_(window),
      startCheck_(std::move(startCheck)),
      now_(std::move(now)) {
    tipsTimer_.setInterval(kTipsIntervalMs);
    connect(&tipsTimer_, &QTimer::timeout, this, &StartUp::TipsTick);
    tipsTimer_.start();
}

void StartUp::ApplyCommandLine(const QStringList& arguments) {
    if (arguments.isEmpty()) return;
    const QString first = arguments.first();
    if (first == QLatin1String(kRunSwitch.data(), kRunSwitch.size())) {
        fileChoice_.SetChoice(FileChoice::Opened);
        runAtActivation_ = true;
    } else if (QFileInfo(first).isFile()) {
        fileChoice_.SetFileName(QFileInfo(first).absoluteFilePath());
    }
}

void StartUp::OnActivated() {
    // The saved position is taken once, at the first activation: moving the window back on every
    // activation would undo where the user put it during the run.
    if (!positioned_) {
        positioned_ = true;
        if (const auto position = ReadWindowPosition(services_.Settings))
            window_.move(position->first, position->second);
    }
    if (runAtActivation_) {
        runAtActivation_ = false;
        // After the activation has been handled: the check may open its questions.
        QTimer::singleShot(0, &window_, [this] { startCheck_(); });
        return;
    }
    if (!justCreated_) return;
    justCreated_ = false;
    RemindOfNewerVersion();
}

void StartUp::RemindOfNewerVersion() {
    settings::Settings& settings = services_.Settings;
    const int counter = settings.ReadInteger(settings::kMainSection, kReminderKey, 0);
    const ReminderStep step = ReleaseReminder(ReleaseDate(), now_(), counter);
    if (step.Counter != counter) settings.WriteInteger(settings::kMainSection, kReminderKey, step.Counter);
    if (step.Months == 0) return;
    std::string text(ReminderText(step.Months));
    text += msg::kReminderClose1;
    text += msg::kWebAddress;
    text += msg::kReminderClose2;
    services_.Status.ShowMessageText(text);
}

void StartUp::TipsTick() {
    settings::Settings& settings = services_.Settings;
    if (ReadBool(settings, "FirstTime", true)) {
        WriteBool(settings, "FirstTime", false);
        services_.Status.ShowMessageText(msg::kFirstTimeTips);
        return;
    }
    const QString folder = QStringOfPath(services_.Folders.Program);
    const bool onDesktop =
        folder.contains(FromCp(msg::kDesktopFolder), Qt::CaseInsensitive) ||
        folder.split(QLatin1Char('/')).contains(QStringLiteral("Desktop"), Qt::CaseInsensitive);
    if (onDesktop) {
        services_.Status.ShowMessageText(msg::kDesktopWarning);
        tipsTimer_.stop();
    }
}

}  // namespace tabulex::app
