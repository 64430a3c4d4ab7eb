// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/panel_accessible.h"

#include "front/spoken.h"

namespace quazzle::accessibility {

namespace {
std::string time(const GameState&) { return spoken::timeLeftName(); }
std::string timeDescription(const GameState&) { return spoken::timeLeftDescription(); }
Meter timeMeter(const GameState& s) { return {spoken::timeLeftPercent(s), 100}; }

std::string experience(const GameState&) { return spoken::experienceName(); }
Meter experienceMeter(const GameState& s) { return {spoken::experience(s), kLinesPerLevel}; }

std::string instructions(const GameState&) { return spoken::instructions(); }
}  // namespace

namespace painted {
const PaintedControl kHourglass = {QAccessible::ProgressBar, time, timeDescription, timeMeter};
const PaintedControl kPreview = {QAccessible::StaticText, spoken::piece, nullptr, nullptr};
const PaintedControl kExperience = {QAccessible::ProgressBar, experience, spoken::experienceText,
                                    experienceMeter};
const PaintedControl kInstructions = {QAccessible::StaticText, instructions, nullptr, nullptr};
const PaintedControl kBombs = {QAccessible::StaticText, spoken::bombs, nullptr, nullptr};
const PaintedControl kScore = {QAccessible::StaticText, spoken::score, nullptr, nullptr};
}  // namespace painted

PanelAccessible::PanelAccessible(QWidget* panel, const PaintedControl& control,
                                 const WindowParts& parts)
    : QAccessibleWidget(panel, control.role), control_(control), parts_(&parts) {}

QString PanelAccessible::text(QAccessible::Text t) const {
    const GameState* state = stateOf(parts_);
    if (!state) return {};
    switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(control_.name(*state));
        case QAccessible::Description:
            return control_.description ? QString::fromStdString(control_.description(*state))
                                        : QString();
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
    const GameState* state = stateOf(parts_);
    return state ? control_.meter(*state).value : 0;
}

QVariant PanelAccessible::maximumValue() const {
    const GameState* state = stateOf(parts_);
    return state ? control_.meter(*state).maximum : 0;
}

}  // namespace quazzle::accessibility
