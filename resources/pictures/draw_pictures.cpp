// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Writes the game's pictures as PNG files, to look at them outside the game, or for the page.
// Usage: draw_pictures [OUTDIR [RATIO]]   (the current directory, at 1 device pixel a pixel)
//        draw_pictures --web OUTDIR       (every picture at every ratio the page picks from,
//                                          "<name>-<ratio>x.png", and its icons)

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

// The ratios the page draws its pictures for; it takes the nearest at or above its own.
constexpr double kWebRatios[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3};
// The page's icons: the tab's and a large one for home screens.
constexpr int kWebIconSizes[] = {32, 192};

bool drawForTheWeb(const QDir& dir) {
    using namespace quazzle::art;
    bool ok = true;
    for (const double ratio : kWebRatios) {
        const QString suffix = QString("-%1x.png").arg(ratio);
        ok &= save(instructions(ratio), dir, "instructions" + suffix);
        ok &= save(bombOutline(ratio), dir, "bomb-outline" + suffix);
        ok &= save(bombSolid(ratio), dir, "bomb-solid" + suffix);
        ok &= save(cherry(ratio), dir, "cherry" + suffix);
    }
    for (const int size : kWebIconSizes)
        ok &= save(icon(size), dir, QString("icon-%1.png").arg(size));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    // No display needed: we only paint into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 3 && args.at(1) == "--web") {
        const QDir dir(args.at(2));
        if (!dir.exists() && !QDir().mkpath(args.at(2))) {
            std::fprintf(stderr, "draw_pictures: cannot make %s\n", qPrintable(args.at(2)));
            return 1;
        }
        return drawForTheWeb(QDir(args.at(2))) ? 0 : 1;
    }
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
