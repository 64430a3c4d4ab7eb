// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Draws the desktop icons for the hicolor theme, each size drawn at that size rather than scaled.
// Usage: make_icons OUTDIR NAME SIZE...
// Writes OUTDIR/<SIZE>x<SIZE>/apps/NAME.png for every SIZE and OUTDIR/scalable/apps/NAME.svg.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgGenerator>
#include <cstdio>

#include "artwork.h"
#include "painting.h"

namespace {

// The vector icon's own square; the 32-unit grid the icon is drawn on keeps its numbers whole.
constexpr int kSvgSize = 32;

bool makeDir(const QDir& out, const QString& sub) {
    if (out.mkpath(sub)) return true;
    std::fprintf(stderr, "make_icons: cannot create %s\n", qPrintable(out.filePath(sub)));
    return false;
}

bool writePng(const QDir& out, const QString& name, int size) {
    const QString sub = QString("%1x%1/apps").arg(size);
    if (!makeDir(out, sub)) return false;
    const QString path = out.filePath(sub + "/" + name + ".png");
    if (quazzle::art::icon(size).save(path, "PNG")) return true;
    std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
    return false;
}

bool writeSvg(const QDir& out, const QString& name) {
    if (!makeDir(out, "scalable/apps")) return false;
    const QString path = out.filePath("scalable/apps/" + name + ".svg");
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle("Quazzle");
    svg.setDescription("The Quazzle icon: a board whose middle row is one colour");
    QPainter p;
    if (p.begin(&svg)) {
        quazzle::art::beginPainter(p);
        quazzle::art::paintIcon(p, kSvgSize);
        if (p.end()) return true;
    }
    std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    // No display needed: we only paint into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: make_icons OUTDIR NAME SIZE...\n");
        return 1;
    }
    const QDir out(args.at(1));
    const QString& name = args.at(2);
    bool ok = true;
    for (const QString& arg : args.mid(3)) {
        bool isNumber = false;
        const int size = arg.toInt(&isNumber);
        if (!isNumber || size <= 0) {
            std::fprintf(stderr, "make_icons: not a size: %s\n", qPrintable(arg));
            return 1;
        }
        ok &= writePng(out, name, size);
    }
    ok &= writeSvg(out, name);
    return ok ? 0 : 1;
}
