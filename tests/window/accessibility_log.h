// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QTest>
#include <QVariant>
#include <utility>
#include <vector>

namespace quazzle::window {

// Switches Qt's accessibility on, as a screen reader's first question does on a desktop, and
// records every event it is told. Offscreen nothing else can switch it on: QAccessible::setActive
// only informs observers, while isActive() asks the platform's own switch.
class AccessibilityLog {
  public:
    struct Told {
        QAccessible::Event type;
        QAccessibleInterface* target;
        QString name;  // the target's name when it was told
        QVariant value;
    };

    AccessibilityLog() {
        platform()->setActive(true);
        current() = this;
        previous_ = QAccessible::installUpdateHandler(&record);
    }
    ~AccessibilityLog() {
        QAccessible::installUpdateHandler(previous_);
        current() = nullptr;
        platform()->setActive(false);
    }
    AccessibilityLog(const AccessibilityLog&) = delete;
    AccessibilityLog& operator=(const AccessibilityLog&) = delete;

    // Lets the window tell what is due, then hands over everything told since the last take.
    std::vector<Told> take() {
        QTest::qWait(5);
        return std::exchange(told_, {});
    }

    // What was spoken as news so far, without taking anything: announcements where Qt has
    // them, else the appearing notification.
    std::vector<QString> spoken() const {
        std::vector<QString> words;
        for (const Told& t : told_)
            if (isNews(t)) words.push_back(t.name);
        return words;
    }
    static bool isNews(const Told& t) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        return t.type == QAccessible::Announcement;
#else
        return t.type == QAccessible::ObjectShow && t.target &&
               t.target->role() == QAccessible::Notification;
#endif
    }

  private:
    static QPlatformAccessibility* platform() {
        return QGuiApplicationPrivate::platformIntegration()->accessibility();
    }
    static AccessibilityLog*& current() {
        static AccessibilityLog* log = nullptr;
        return log;
    }
    static void record(QAccessibleEvent* event) {
        if (!current()) return;
        QAccessibleInterface* target = event->accessibleInterface();
        QVariant value;
        if (event->type() == QAccessible::ValueChanged)
            value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
        QString name = target ? target->text(QAccessible::Name) : QString();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement)
            name = static_cast<QAccessibleAnnouncementEvent*>(event)->message();
#endif
        current()->told_.push_back({event->type(), target, name, value});
    }

    QAccessible::UpdateHandler previous_ = nullptr;
    std::vector<Told> told_;
};

}  // namespace quazzle::window
