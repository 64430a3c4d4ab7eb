// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <string>

#include "accessibility/window_parts.h"

namespace quazzle::accessibility {

// A reading of a bar: its value out of its full scale (the least is 0).
struct Meter {
    int value;
    int maximum;
};

// What one painted control says about itself.
struct PaintedControl {
    QAccessible::Role role;
    std::string (*name)(const GameState&);
    std::string (*description)(const GameState&);  // nullptr: none
    Meter (*meter)(const GameState&);              // nullptr: the control shows no value
};

// What each painted control says. The first bomb slot speaks for all three.
namespace painted {
extern const PaintedControl kHourglass;
extern const PaintedControl kPreview;
extern const PaintedControl kExperience;
extern const PaintedControl kInstructions;
extern const PaintedControl kBombs;
extern const PaintedControl kScore;
}  // namespace painted

// A painted control, named and valued from the game's state each time it is asked.
class PanelAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    PanelAccessible(QWidget* panel, const PaintedControl& control, const WindowParts& parts);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleValueInterface: the value is read-only.
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

  private:
    const PaintedControl& control_;
    QPointer<const WindowParts> parts_;
};

}  // namespace quazzle::accessibility
