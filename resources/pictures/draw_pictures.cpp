// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Writes the game's pictures as PNG files, to look at them outside the game.
// Usage: draw_pictures [OUTDIR [RATIO]]   (the current directory, at 1 device pixel a pixel)

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <cstdio>

#include "artwork.h"

namespace {

bool save(const QImage& img, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // No display needed: we only paint into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    const QDir dir(args.size() > 1 ? args.at(1) : QStringLiteral("."));
    const qreal ratio = args.size() > 2 ? args.at(2).toDouble() : 1.0;
    if (!dir.exists() || ratio <= 0) {
        std::fprintf(stderr, "usage: draw_pictures [OUTDIR [RATIO]]\n");
        return 1;
    }

    using namespace quazzle::art;
    bool ok = true;
    for (int size : kWindowIconSizes) ok &= save(icon(size), dir, QString("icon-%1.png").arg(size));
    ok &= save(instructions(ratio), dir, "instructions.png");
    ok &= save(bombOutline(ratio), dir, "bomb_outline.png");
    ok &= save(bombSolid(ratio), dir, "bomb_solid.png");
    ok &= save(cherry(ratio), dir, "cherry.png");
    return ok ? 0 : 1;
}
