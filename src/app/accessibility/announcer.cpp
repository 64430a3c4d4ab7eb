// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/announcer.h"

#include <QWidget>

#include "accessibility/control_names.h"
#include "accessibility/notice_accessible.h"
#include "accessibility/window_accessible.h"
#include "form1.h"

namespace quazzle::accessibility {

namespace {
enum class Says { Name, Value };

struct Target {
    Region region;
    const char* control;
    Says says;
};

// Cells are told one by one (tellCells); the start button is Qt's own and tells its own showing
// and hiding.
constexpr std::array<Target, 6> kTargets = {{
    {Region::Preview, controls::kPreview, Says::Name},
    {Region::Levels, controls::kLevel, Says::Name},
    {Region::Score, controls::kScore, Says::Name},
    {Region::Hourglass, controls::kHourglass, Says::Value},
    {Region::XpBar, controls::kExperience, Says::Value},
    {Region::Bombs, controls::kBombs[0], Says::Name},
}};

void tellName(QAccessibleInterface* iface, QVariant& said) {
    const QString now = iface->text(QAccessible::Name);
    if (said == now) return;
    said = now;
    QAccessibleEvent event(iface, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void tellValue(QAccessibleInterface* iface, QVariant& said) {
    QAccessibleValueInterface* value = iface->valueInterface();
    if (!value) return;
    const QVariant now = value->currentValue();
    if (said == now) return;
    said = now;
    QAccessibleValueChangeEvent event(iface, now);
    QAccessible::updateAccessibility(&event);
}
}  // namespace

Announcer::Announcer(QWidget& window) : window_(window) {
    flush_.setSingleShot(true);
    flush_.setInterval(0);
    QObject::connect(&flush_, &QTimer::timeout, &flush_, [this] { flush(); });
    speak_.setSingleShot(true);
    QObject::connect(&speak_, &QTimer::timeout, &speak_, [this] { speak(); });
    clock_.start();
}

Announcer::~Announcer() {
    if (noticeId_) QAccessible::deleteAccessibleInterface(noticeId_);
}

void Announcer::note(Region region, int index) {
    if (region == Region::Cell) {
        if (onBoard(index)) cellsDue_.set(index);
    } else {
        regionsDue_.set(int(region));
    }
    if (!flush_.isActive()) flush_.start();
}

void Announcer::flush() {
    auto* window = dynamic_cast<WindowAccessible*>(QAccessible::queryAccessibleInterface(&window_));
    if (window && QAccessible::isActive()) {
        tellCells(*window);
        tellRegions(*window);
        gatherNews();
    }
    cellsDue_.reset();
    regionsDue_.reset();
}

void Announcer::tellCells(const WindowAccessible& window) {
    if (cellsDue_.none()) return;
    QAccessibleInterface* board = window.control(controls::kBoard);
    if (!board) return;
    for (int i = 0; i < kCellCount; ++i)
        if (cellsDue_.test(i)) tellName(board->child(i), cellsSaid_[i]);
}

void Announcer::tellRegions(const WindowAccessible& window) {
    // Screen readers speak a bar's every move; the demo's experience is not the player's.
    auto* form = qobject_cast<Form1*>(&window_);
    if (form && form->game().state().isDemo) regionsDue_.reset(int(Region::XpBar));
    for (const Target& target : kTargets) {
        const int r = int(target.region);
        if (!regionsDue_.test(r)) continue;
        if (QAccessibleInterface* iface = window.control(target.control))
            (target.says == Says::Name ? tellName : tellValue)(iface, regionsSaid_[r]);
    }
}

void Announcer::gatherNews() {
    auto* form = qobject_cast<Form1*>(&window_);
    if (!form) return;
    const Game& game = form->game();
    for (const News& news : newsroom_.look(sceneOf(game.state(), game.gameOverRunning())))
        queue_.add(news);
    if (!speak_.isActive() && queue_.wait(clock_.elapsed()) >= 0)
        speak_.start(int(queue_.wait(clock_.elapsed())));
}

void Announcer::speak() {
    if (const auto words = queue_.take(clock_.elapsed()); words && QAccessible::isActive())
        announce(*words);
    if (queue_.wait(clock_.elapsed()) >= 0) speak_.start(int(queue_.wait(clock_.elapsed())));
}

void Announcer::announce(const QString& words) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(&window_, words);
    QAccessible::updateAccessibility(&event);
#else
    if (!noticeId_)
        noticeId_ = QAccessible::registerAccessibleInterface(new NoticeAccessible(&window_));
    auto* notice = static_cast<NoticeAccessible*>(QAccessible::accessibleInterface(noticeId_));
    notice->setWords(words);
    QAccessibleEvent event(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
#endif
}

}  // namespace quazzle::accessibility
