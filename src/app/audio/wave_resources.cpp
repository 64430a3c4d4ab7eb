// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "audio/wave_resources.h"

#include <QDir>
#include <QFile>

namespace quazzle {

QByteArray loadWaveResource(QStringView name) {
    if (name.isEmpty()) return {};
    const QDir dir(QStringLiteral(":/WAVE"));
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0) continue;
        QFile file(dir.filePath(entry));
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll();
    }
    return {};
}

QString waveNameFromLocator(QStringView locator) {
    constexpr QStringView scheme = u"res://";
    constexpr QStringView type = u"/WAVE";
    if (!locator.startsWith(scheme, Qt::CaseInsensitive)) return {};
    const QStringView rest = locator.sliced(scheme.size());
    const qsizetype slash = rest.lastIndexOf(u'/');
    if (slash < 0) return {};
    const QStringView module = rest.first(slash);
    const QStringView name = rest.sliced(slash + 1);
    // The module part must be there and the resource type must be WAVE.
    if (name.isEmpty() || module.size() <= type.size() ||
        !module.endsWith(type, Qt::CaseInsensitive)) {
        return {};
    }
    return name.toString();
}

}  // namespace quazzle
