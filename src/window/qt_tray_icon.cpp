// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/qt_tray_icon.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDateTime>
#include <QSignalBlocker>

namespace vorlak {
namespace {

constexpr int kTooltipMax = 127;
constexpr int kNoticeTextMax = 255;

// A call of org.freedesktop.Notifications.Notify.
QDBusMessage NotifyCall(const QString& title, const QString& text, int displayMs, uint replaces) {
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                       "/org/freedesktop/Notifications",
                                                       "org.freedesktop.Notifications", "Notify");
    call << QString("Vorlak") << replaces << QString("dialog-information") << title << text
         << QStringList() << QVariantMap() << displayMs;
    return call;
}

// Qt's tray speaks StatusNotifierItem over D-Bus when a watcher is there; that protocol
// reports no double click, only activation.
bool StatusNotifierTray() {
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    return bus != nullptr && bus->isServiceRegistered("org.kde.StatusNotifierWatcher");
}

}  // namespace

QtTrayIcon::QtTrayIcon(const QIcon& icon, QObject* parent)
    : QObject(parent), icon_(icon), clickCountsAsDoubleClick_(StatusNotifierTray()) {
    autostartAction_ = menu_.addAction(QString());
    autostartAction_->setCheckable(true);
    connect(autostartAction_, &QAction::toggled, this, &QtTrayIcon::AutostartToggled);
    exitAction_ = menu_.addAction(QString());
    connect(exitAction_, &QAction::triggered, this, &QtTrayIcon::ExitChosen);
    connect(&menu_, &QMenu::aboutToShow, this, &QtTrayIcon::MenuAboutToShow);
    icon_.setContextMenu(&menu_);
    connect(&icon_, &QSystemTrayIcon::activated, this, &QtTrayIcon::OnActivated);
    removal_.setSingleShot(true);
    connect(&removal_, &QTimer::timeout, &icon_, &QSystemTrayIcon::hide);
}

void QtTrayIcon::SetExitText(const QString& text) {
    exitAction_->setText(text);
}

void QtTrayIcon::SetAutostartItem(const QString& text, bool on) {
    const QSignalBlocker quiet(autostartAction_);
    autostartAction_->setText(text);
    autostartAction_->setChecked(on);
}

void QtTrayIcon::AddTrayIcon(const std::string& tooltip) {
    removal_.stop();
    icon_.setToolTip(QString::fromStdString(tooltip).left(kTooltipMax));
    icon_.show();
    shown_ = true;
}

// A notice that is still on screen keeps its icon until it has been read: the warning
// that the mouse was lost comes right before the icon goes.
void QtTrayIcon::RemoveTrayIcon() {
    shown_ = false;
    const qint64 left = noticeEnd_ - QDateTime::currentMSecsSinceEpoch();
    if (left > 0 && icon_.isVisible()) {
        removal_.start(static_cast<int>(left));
    } else {
        icon_.hide();
    }
}

void QtTrayIcon::ShowNotice(const std::string& text, const std::string& title, int displayMs) {
    const QString body = QString::fromStdString(text).left(kNoticeTextMax);
    const QString heading = QString::fromStdString(title);
    const int shownMs = std::max(displayMs, kMinimumNoticeMs);
    if (shown_ && QSystemTrayIcon::isSystemTrayAvailable()) {
        icon_.showMessage(heading, body, QSystemTrayIcon::Information, shownMs);
        noticeEnd_ = QDateTime::currentMSecsSinceEpoch() + shownMs;
    } else if (const auto out =
                   notices_.Show({heading.toStdString(), body.toStdString(), shownMs})) {
        SendNotice(*out);
    }
}

void QtTrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick ||
        (reason == QSystemTrayIcon::Trigger && clickCountsAsDoubleClick_)) {
        emit DoubleClicked();
    }
}

// A mouse's notice, without waiting for the answer, which names the notification the next
// notice replaces (as a balloon replaces the one on the icon, so that a burst of mouse events
// does not pile up notifications).
void QtTrayIcon::SendNotice(const OutgoingNotice& out) {
    const QDBusMessage call =
        NotifyCall(QString::fromStdString(out.notice.title),
                   QString::fromStdString(out.notice.text), out.notice.displayMs, out.replaces);
    if (!QDBusConnection::sessionBus().callWithCallback(call, this, SLOT(OnNotificationId(uint)),
                                                        SLOT(OnNotificationFailed(QDBusError))))
        OnNotificationFailed(QDBusError());
}

void QtTrayIcon::ShowNote(const QString& title, const QString& text, int displayMs) {
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    if (bus == nullptr || !bus->isServiceRegistered("org.freedesktop.Notifications")) {
        ShowNotice(text.toStdString(), title.toStdString(), displayMs);
        return;
    }
    QDBusConnection::sessionBus().send(NotifyCall(title, text, displayMs, 0));
}

void QtTrayIcon::OnNotificationId(uint id) {
    if (const auto next = notices_.Answered(id))
        SendNotice(*next);
}

void QtTrayIcon::OnNotificationFailed(const QDBusError&) {
    if (const auto next = notices_.Answered(std::nullopt))
        SendNotice(*next);
}

}  // namespace vorlak
