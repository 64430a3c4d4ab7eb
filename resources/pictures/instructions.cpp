// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include <QLinearGradient>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include "artwork.h"

#include "painting.h"

namespace quazzle::art {

namespace {

// --- Instruction-card icons, each fitted into a 24x24 box at the origin. ---

void paintMouse(QPainter& p) {
    const QRectF body(5.5, 3.5, 13.0, 20.0);
    const QPointF top(body.center().x(), body.top());

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath cable(top);
    cable.cubicTo(QPointF(top.x(), 1.2), QPointF(16.0, 2.2), QPointF(17.5, 0.6));
    p.drawPath(cable);

    QPainterPath shell;
    shell.addRoundedRect(body, 6.0, 7.0);
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0.0, QColor(0xFA, 0xFA, 0xFA));
    g.setColorAt(1.0, QColor(0xC8, 0xC8, 0xC8));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
    p.setBrush(g);
    p.drawPath(shell);

    // The left button is the one the player uses, so it is the coloured one.
    const qreal split = body.top() + 8.0;
    QPainterPath left;
    left.addRect(QRectF(body.left(), body.top(), body.width() / 2, split - body.top()));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPath(shell.intersected(left));

    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.0));
    p.drawLine(QPointF(body.left(), split), QPointF(body.right(), split));
    p.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), split));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.2));
    p.drawPath(shell);
}

void paintSpaceBar(QPainter& p) {
    const QRectF key(0.5, 7.0, 23.0, 11.5);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.0));
    p.setBrush(QColor(0xB0, 0xB0, 0xB0));
    p.drawRoundedRect(key, 2.5, 2.5);

    const QRectF face = key.adjusted(2.0, 1.2, -2.0, -3.2);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0.0, Qt::white);
    g.setColorAt(1.0, QColor(0xE4, 0xE4, 0xE4));
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 0.7));
    p.setBrush(g);
    p.drawRoundedRect(face, 1.8, 1.8);

    // The usual "open box" space symbol.
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const qreal y = face.center().y();
    QPainterPath sym(QPointF(8.0, y - 1.5));
    sym.lineTo(8.0, y + 1.5);
    sym.lineTo(16.0, y + 1.5);
    sym.lineTo(16.0, y - 1.5);
    p.drawPath(sym);
}

void paintRedSquare(QPainter& p) { drawBlock(p, QRectF(2.0, 2.0, 20.0, 20.0), kRed); }

void paintSmallCherries(QPainter& p) {
    p.save();
    p.scale(24.0 / 30.0, 24.0 / 30.0);
    paintCherries(p, false);
    p.restore();
}

QFont pixelFont(const QString& family, int pixels, QFont::Weight weight) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setWeight(weight);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void drawTitle(QPainter& p, int width, qreal baseline) {
    const QFont font = pixelFont("DejaVu Sans", 28, QFont::Black);
    const QString title = "Quazzle";
    const std::array<QColor, 7> tints{kRed, kTeal, kAmber, kGreen, kBlue, kPurple, kRed};

    QFontMetricsF fm(font);
    const qreal textWidth = fm.horizontalAdvance(title);
    qreal x = (width - textWidth) / 2;
    for (int i = 0; i < title.size(); ++i) {
        const QString letter = title.mid(i, 1);
        QPainterPath path;
        path.addText(QPointF(x, baseline), font, letter);
        // Soft drop shadow, then a dark rim so amber and teal hold up on white.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 55));
        p.drawPath(path.translated(1.0, 1.2));
        p.setPen(QPen(tints[i].darker(190), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(tints[i]);
        p.drawPath(path);
        x += fm.horizontalAdvance(letter);
    }
}

}  // namespace

QImage instructions(qreal ratio) {
    const int kWidth = kInstructionsSize.width();
    QImage img = blankImage(kInstructionsSize, ratio, Qt::white);
    QPainter p(&img);
    beginPainter(p);

    drawTitle(p, kWidth, 27.0);

    using Painter = void (*)(QPainter&);
    struct Row {
        Painter icon;
        const char* text;
    };
    const std::array<Row, 4> rows{{
        {paintMouse, "Left Click to place a block on the board"},
        {paintSpaceBar, "The Spacebar will explode a Bomb"},
        {paintRedSquare, "Fill rows and columns with single colors"},
        {paintSmallCherries, "Lines with these will give you extra points"},
    }};

    const QFont font = pixelFont("DejaVu Sans", 11, QFont::Normal);
    p.setFont(font);
    constexpr qreal kTop = 38.0;
    constexpr qreal kRowHeight = 38.5;
    constexpr qreal kTextLeft = 33.0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const qreal y = kTop + static_cast<qreal>(i) * kRowHeight;
        p.save();
        p.translate(4.0, y + (kRowHeight - 24.0) / 2);
        rows[i].icon(p);
        p.restore();

        p.setPen(QColor(0x20, 0x20, 0x20));
        const QRectF textBox(kTextLeft, y, kWidth - kTextLeft - 3.0, kRowHeight);
        p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                   QString::fromLatin1(rows[i].text));
    }
    p.end();
    return img.convertToFormat(QImage::Format_RGB32);
}

}  // namespace quazzle::art
