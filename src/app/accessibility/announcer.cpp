// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/announcer.h"

#include <QWidget>

#include "accessibility/notice_accessible.h"
#include "board_widget.h"
#include "front/spoken.h"
#include "game/game.h"

namespace quazzle::accessibility {

namespace {
enum class Says { Name, Value };

struct Target {
    Region region;
    Says says;
};

// Cells are told one by one (tellCells); the start button is Qt's own and tells its own showing
// and hiding.
constexpr std::array<Target, 6> kTargets = {{
    {Region::Preview, Says::Name},
    {Region::Levels, Says::Name},
    {Region::Score, Says::Name},
    {Region::Hourglass, Says::Value},
    {Region::XpBar, Says::Value},
    {Region::Bombs, Says::Name},
}};

QAccessibleInterface* viewOf(QWidget* control) {
    return control ? QAccessible::queryAccessibleInterface(control) : nullptr;
}

// The view that shows what the rules changed in `region`.
QAccessibleInterface* viewOf(const WindowParts& parts, Region region) {
    const Controls& c = parts.controls();
    switch (region) {
        case Region::Cell:
            return viewOf(c.board);
        case Region::Preview:
            return viewOf(c.preview);
        case Region::Levels:
            return parts.level();
        case Region::Hourglass:
            return viewOf(c.hourglass);
        case Region::XpBar:
            return viewOf(c.experience);
        case Region::Bombs:
            return viewOf(c.bombs);
        case Region::Score:
            return viewOf(c.score);
        case Region::StartButton:
            return viewOf(c.startButton);
    }
    return nullptr;
}

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

Announcer::Announcer(const WindowParts& parts) : parts_(parts) {
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

void Announcer::notePointer(int was, int now) {
    // A cell never told before starts from the name it had before the pointer moved, so that a
    // name the move did not change is not told.
    const GameState& state = parts_.state();
    if (onBoard(was) && cellsSaid_[was].isNull())
        cellsSaid_[was] = QString::fromStdString(spoken::cellName(state, was, true));
    if (onBoard(now) && cellsSaid_[now].isNull())
        cellsSaid_[now] = QString::fromStdString(spoken::cellName(state, now, false));
    note(Region::Cell, was);
    note(Region::Cell, now);
}

void Announcer::flush() {
    if (QAccessible::isActive()) {
        tellCells();
        tellRegions();
        gatherNews();
    }
    cellsDue_.reset();
    regionsDue_.reset();
}

void Announcer::tellCells() {
    if (cellsDue_.none()) return;
    QAccessibleInterface* board = viewOf(parts_, Region::Cell);
    if (!board) return;
    for (int i = 0; i < kCellCount; ++i)
        if (cellsDue_.test(i)) tellName(board->child(i), cellsSaid_[i]);
}

void Announcer::tellRegions() {
    // Screen readers speak a bar's every move; the demo's experience is not the player's.
    if (parts_.state().isDemo) regionsDue_.reset(int(Region::XpBar));
    for (const Target& target : kTargets) {
        const int r = int(target.region);
        if (!regionsDue_.test(r)) continue;
        if (QAccessibleInterface* iface = viewOf(parts_, target.region))
            (target.says == Says::Name ? tellName : tellValue)(iface, regionsSaid_[r]);
    }
}

void Announcer::gatherNews() {
    const Game& game = parts_.game();
    for (const News& news : newsroom_.look(sceneOf(game.state(), game.gameOverRunning())))
        queue_.add(news);
    if (!speak_.isActive() && queue_.wait(clock_.elapsed()) >= 0)
        speak_.start(int(queue_.wait(clock_.elapsed())));
}

void Announcer::speak() {
    if (const auto words = queue_.take(clock_.elapsed()); words && QAccessible::isActive())
        announce(QString::fromStdString(*words));
    if (queue_.wait(clock_.elapsed()) >= 0) speak_.start(int(queue_.wait(clock_.elapsed())));
}

void Announcer::announce(const QString& words) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(&parts_.window(), words);
    QAccessible::updateAccessibility(&event);
#else
    if (!noticeId_)
        noticeId_ =
            QAccessible::registerAccessibleInterface(new NoticeAccessible(&parts_.window()));
    auto* notice = static_cast<NoticeAccessible*>(QAccessible::accessibleInterface(noticeId_));
    notice->setWords(words);
    QAccessibleEvent event(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
#endif
}

}  // namespace quazzle::accessibility
