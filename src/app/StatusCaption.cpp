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

// Stays until the next status text: a progress caption or how a check ended.
void StatusCaption::SetCaption(const QString& text) {
    countdown_ = 0;
    window_->setWindowTitle(text);
}

void StatusCaption::SetDocumentName(const QString& name) {
    const bool idle = window_->windowTitle() == IdleCaption();
    documentName_ = name;
    if (idle) window_->setWindowTitle(IdleCaption());
}

QString StatusCaption::IdleCaption() const {
    return documentName_.isEmpty() ? ShortTitle() : ShortTitle() + QStringLiteral(" — ") + documentName_;
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
    if (countdown_ == 1) window_->setWindowTitle(IdleCaption());
}

}  // namespace tabulex::app
