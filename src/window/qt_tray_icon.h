// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon on QSystemTrayIcon, with its menu (starting with the desktop, Exit) and
// balloon notices. Without a tray, notices go to the desktop's notification service instead.
#pragma once

#include <QDBusError>
#include <QIcon>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include "controller/replacing_notices.h"
#include "controller/tray_icon.h"

namespace vorlak {

class QtTrayIcon : public QObject, public TrayIcon {
    Q_OBJECT
public:
    QtTrayIcon(const QIcon& icon, QObject* parent = nullptr);

    // The menu's last item, and its text.
    void SetExitText(const QString& text);
    // The item above Exit that turns starting with the desktop on and off.
    void SetAutostartItem(const QString& text, bool on);

    void AddTrayIcon(const std::string& tooltip) override;
    void RemoveTrayIcon() override;
    void ShowNotice(const std::string& text, const std::string& title, int displayMs) override;
    // A desktop notification of its own, beside the mouse's notices: it replaces none of them
    // and none replaces it. Without a notification service, the icon's balloon.
    void ShowNote(const QString& title, const QString& text, int displayMs);

    // The shortest time a notice stays on screen: desktops, like the one the display times
    // were chosen for, keep a notice readable however short the time asked.
    static constexpr int kMinimumNoticeMs = 4000;

signals:
    // A double click on the icon; where the tray protocol reports none, a click.
    void DoubleClicked();
    void ExitChosen();
    void AutostartToggled(bool on);
    // Before the menu opens: the window comes to the front.
    void MenuAboutToShow();

private slots:
    void OnNotificationId(uint id);
    void OnNotificationFailed(const QDBusError& error);

private:
    void OnActivated(QSystemTrayIcon::ActivationReason reason);
    void SendNotice(const OutgoingNotice& out);

    QMenu menu_;  // outlives the icon that shows it
    QSystemTrayIcon icon_;
    QAction* autostartAction_;
    QAction* exitAction_;
    QTimer removal_;
    qint64 noticeEnd_ = 0;      // when the last balloon leaves the screen (ms since the epoch)
    ReplacingNotices notices_;  // the mouse's notices on the desktop, each replacing the last
    bool shown_ = false;
    bool clickCountsAsDoubleClick_ = false;
};

}  // namespace vorlak
