// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/panel_accessible.h"

#include <algorithm>
#include <array>

#include "accessibility/control_names.h"
#include "accessibility/game_of.h"
#include "accessibility/spoken.h"

namespace quazzle::accessibility {

namespace {
QString time(const GameState&) { return QStringLiteral("Time left"); }
QString timeDescription(const GameState&) {
    return QStringLiteral("The game ends when it runs out; each placement fills it again");
}
Meter timeMeter(const GameState& s) { return {spoken::timeLeftPercent(s), 100}; }

QString experience(const GameState&) { return QStringLiteral("Experience"); }
Meter experienceMeter(const GameState& s) { return {spoken::experience(s), kLinesPerLevel}; }

QString instructions(const GameState&) { return spoken::instructions(); }

// The first bomb slot speaks for all three; the window leaves the other two out.
constexpr std::array<PaintedControl, 6> kPaintedControls = {{
    {controls::kHourglass, QAccessible::ProgressBar, time, timeDescription, timeMeter},
    {controls::kPreview, QAccessible::StaticText, spoken::piece, nullptr, nullptr},
    {controls::kExperience, QAccessible::ProgressBar, experience, spoken::experienceText,
     experienceMeter},
    {controls::kInstructions, QAccessible::StaticText, instructions, nullptr, nullptr},
    {controls::kBombs[0], QAccessible::StaticText, spoken::bombs, nullptr, nullptr},
    {controls::kScore, QAccessible::StaticText, spoken::score, nullptr, nullptr},
}};
}  // namespace

const PaintedControl* findPaintedControl(std::string_view objectName) {
    const auto* const it =
        std::ranges::find(kPaintedControls, objectName, &PaintedControl::objectName);
    return it != kPaintedControls.end() ? &*it : nullptr;
}

PanelAccessible::PanelAccessible(QWidget* panel, const PaintedControl& control)
    : QAccessibleWidget(panel, control.role), control_(control) {}

QString PanelAccessible::text(QAccessible::Text t) const {
    const GameState* state = gameOf(widget());
    if (!state) return {};
    switch (t) {
        case QAccessible::Name:
            return control_.name(*state);
        case QAccessible::Description:
            return control_.description ? control_.description(*state) : QString();
        default:
            return {};
    }
}

void* PanelAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface)
        return control_.meter ? static_cast<QAccessibleValueInterface*>(this) : nullptr;
    return QAccessibleWidget::interface_cast(type);
}

QVariant PanelAccessible::currentValue() const {
    const GameState* state = gameOf(widget());
    return state ? control_.meter(*state).value : 0;
}

QVariant PanelAccessible::maximumValue() const {
    const GameState* state = gameOf(widget());
    return state ? control_.meter(*state).maximum : 0;
}

}  // namespace quazzle::accessibility
