// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>
#include <string_view>

namespace quazzle {

struct GameState;

namespace accessibility {

// A reading of a bar: its value out of its full scale (the least is 0).
struct Meter {
    int value;
    int maximum;
};

// What one painted control says about itself.
struct PaintedControl {
    std::string_view objectName;
    QAccessible::Role role;
    QString (*name)(const GameState&);
    QString (*description)(const GameState&);  // nullptr: none
    Meter (*meter)(const GameState&);          // nullptr: the control shows no value
};

// The painted control whose object name is `objectName`, or nullptr.
const PaintedControl* findPaintedControl(std::string_view objectName);

// A painted control, named and valued from the game's state each time it is asked.
class PanelAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    PanelAccessible(QWidget* panel, const PaintedControl& control);

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
};

}  // namespace accessibility
}  // namespace quazzle
