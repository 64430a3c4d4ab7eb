// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace quazzle {

// The complete bytes of the embedded recording ":/WAVE/<name>", the name compared without
// regard to case ("thePlace" finds THEPLACE). Empty when there is no such recording.
QByteArray loadWaveResource(QStringView name);

// The recording name in a locator of the form "res://<module>/WAVE/<name>",
// e.g. "theBomb" for "res://quazzle.exe/WAVE/theBomb". Empty for anything else.
QString waveNameFromLocator(QStringView locator);

}  // namespace quazzle
