// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

namespace quazzle::accessibility {

// Lets Qt's accessibility find this program's own views of the window's controls. Costs nothing
// until assistive technology asks; installing twice is harmless.
void install();

}  // namespace quazzle::accessibility
