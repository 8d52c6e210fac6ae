// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/qt_tray_icon.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDateTime>
#include <QSignalBlocker>

namespace vorlak {
namespace {

constexpr int kTooltipMax = 127;
constexpr int kNoticeTextMax = 255;

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
    } else {
        DesktopNotify(heading, body, shownMs);
    }
}

void QtTrayIcon::OnActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick ||
        (reason == QSystemTrayIcon::Trigger && clickCountsAsDoubleClick_)) {
        emit DoubleClicked();
    }
}

// org.freedesktop.Notifications, without waiting for the answer. Each notice replaces the
// last one still shown (its id comes back in the answer), as a balloon replaces the one on
// the icon, so that a burst of mouse events does not pile up notifications.
bool QtTrayIcon::DesktopNotify(const QString& title, const QString& text, int displayMs,
                               bool replaceLast) {
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                       "/org/freedesktop/Notifications",
                                                       "org.freedesktop.Notifications", "Notify");
    call << QString("Vorlak") << (replaceLast ? notificationId_ : 0u)
         << QString("dialog-information") << title << text << QStringList() << QVariantMap()
         << displayMs;
    if (!replaceLast)
        return QDBusConnection::sessionBus().send(call);
    return QDBusConnection::sessionBus().callWithCallback(call, this, SLOT(OnNotificationId(uint)));
}

void QtTrayIcon::ShowNote(const QString& title, const QString& text, int displayMs) {
    const QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
    if (bus == nullptr || !bus->isServiceRegistered("org.freedesktop.Notifications")) {
        ShowNotice(text.toStdString(), title.toStdString(), displayMs);
        return;
    }
    DesktopNotify(title, text, displayMs, false);
}

void QtTrayIcon::OnNotificationId(uint id) {
    notificationId_ = id;
}

}  // namespace vorlak
