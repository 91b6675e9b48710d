#include "app/StatusCaption.h"

#include "app/QtText.h"
#include "check/Messages.h"
#include "check/ProgressMeter.h"

#include <QWidget>

namespace tabulex::app {
namespace {
constexpr int kTickMs = 1000;
constexpr int kCountdown = 8;
}  // namespace

StatusCaption::StatusCaption(QWidget* window) : QObject(window), window_(window) {
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &StatusCaption::Tick);
}

QString StatusCaption::ShortTitle() {
    return FromCp(check::msg::kApplicationName) + QLatin1Char(' ') + FromCp(check::msg::kApplicationVersion);
}

QString StatusCaption::FullTitle() {
    return FromCp(check::IdleTitle());
}

void StatusCaption::ShowStatus(const QString& text) {
    window_->setWindowTitle(text);
    countdown_ = kCountdown;
    timer_.start();
}

void StatusCaption::ShowStatus(std::string_view text1251) {
    ShowStatus(FromCp(text1251));
}

void StatusCaption::SetCaption(const QString& text) {
    window_->setWindowTitle(text);
}

void StatusCaption::SetApplicationTitle(const QString& text) {
    window_->setWindowIconText(text);
}

QString StatusCaption::ApplicationTitle() const {
    return window_->windowIconText();
}

void StatusCaption::Tick() {
    if (countdown_ <= 0) return;
    --countdown_;
    SetApplicationTitle(ShortTitle());
    if (countdown_ == 1) window_->setWindowTitle(ShortTitle());
}

}  // namespace tabulex::app
