// Draws the game's pictures with QPainter and saves them as PNG files.
// Usage: draw_pictures [OUTDIR]   (defaults to the current directory)

#include <QtCore/QDir>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QFontMetricsF>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPainterPathStroker>
#include <QtGui/QPen>
#include <QtGui/QPolygonF>
#include <QtGui/QRadialGradient>
#include <QtGui/QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

const QColor kRed{0xFF, 0x00, 0x00};
const QColor kTeal{0x42, 0xB5, 0xA6};
const QColor kAmber{0xFF, 0xC5, 0x00};
const QColor kGreen{0x32, 0xCD, 0x32};
const QColor kBlue{0x00, 0x00, 0xFF};
const QColor kPurple{0x60, 0x00, 0xA0};
const QColor kCellGrey{0x40, 0x40, 0x40};

QImage blankImage(int w, int h, const QColor& fill = Qt::transparent) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void beginPainter(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// A glossy rounded block in one of the piece colours.
void drawBlock(QPainter& p, const QRectF& r, const QColor& c) {
    const qreal radius = r.width() * 0.2;
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, c.lighter(135));
    g.setColorAt(0.5, c);
    g.setColorAt(1.0, c.darker(125));
    p.setPen(QPen(c.darker(170), std::max<qreal>(1.0, r.width() / 16.0)));
    const qreal inset = p.pen().widthF() / 2;
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius, radius);

    // Shine along the top edge; kept faint so small blocks stay crisp.
    QRectF shine(r.left() + r.width() * 0.2, r.top() + r.height() * 0.12, r.width() * 0.6,
                 r.height() * 0.16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawRoundedRect(shine, shine.height() / 2, shine.height() / 2);
}

// 3x3 board with the middle row completed in one colour: the game in one glance.
QImage drawIcon(int size) {
    QImage img = blankImage(size, size);
    QPainter p(&img);
    beginPainter(p);
    p.scale(size / 32.0, size / 32.0);

    p.setPen(Qt::NoPen);
    p.setBrush(kCellGrey);
    p.drawRoundedRect(QRectF(0, 0, 32, 32), 5, 5);

    const std::array<std::array<QColor, 3>, 3> colours{{
        {kRed, kTeal, kBlue},
        {kAmber, kAmber, kAmber},
        {kGreen, kPurple, kRed},
    }};
    // Glow behind the completed row, so it reads as "about to clear".
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawRoundedRect(QRectF(1, 11, 30, 10), 3, 3);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            drawBlock(p, QRectF(2 + col * 10, 2 + row * 10, 8, 8), colours[row][col]);
        }
    }
    return img;
}

const QPointF kBombCentre(12.5, 17.5);
constexpr qreal kBombRadius = 10.5;
const QPointF kSparkCentre(26.0, 3.8);

// The neck sits on the body's upper right, pointing away from the centre.
QPainterPath bombNeckPath() {
    QPainterPath neck;
    neck.addRoundedRect(QRectF(-3.4, -2.6, 6.8, 5.2), 1.0, 1.0);
    QTransform t;
    t.translate(kBombCentre.x() + 7.9, kBombCentre.y() - 7.9);
    t.rotate(45);
    return t.map(neck);
}

QPainterPath bombBodyPath() {
    QPainterPath body;
    body.addEllipse(kBombCentre, kBombRadius, kBombRadius);
    return body;
}

QPainterPath bombFusePath() {
    QPainterPath fuse(QPointF(22.2, 7.8));
    fuse.cubicTo(QPointF(23.0, 5.0), QPointF(24.2, 3.4), kSparkCentre);
    return fuse;
}

QImage drawBombOutline() {
    QImage img = blankImage(30, 29);
    QPainter p(&img);
    beginPainter(p);

    p.setPen(QPen(QColor(0xA8, 0xA8, 0xA8), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xF2, 0xF2, 0xF2));
    p.drawPath(bombBodyPath().united(bombNeckPath()));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xB8, 0xB8, 0xB8), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bombFusePath());
    return img;
}

void drawSpark(QPainter& p, const QPointF& c, qreal outer, qreal inner, int points,
               const QColor& colour) {
    QPainterPath star;
    for (int i = 0; i < points * 2; ++i) {
        const qreal a = std::numbers::pi * i / points - std::numbers::pi / 2;
        const qreal r = (i % 2 == 0) ? outer : inner;
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) {
            star.moveTo(pt);
        } else {
            star.lineTo(pt);
        }
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(star);
}

QImage drawBombSolid() {
    QImage img = blankImage(30, 29);
    QPainter p(&img);
    beginPainter(p);

    QRadialGradient g(QPointF(9.0, 13.5), 14.0);
    g.setColorAt(0.0, QColor(0x6A, 0x6A, 0x6A));
    g.setColorAt(0.45, QColor(0x22, 0x22, 0x22));
    g.setColorAt(1.0, QColor(0x00, 0x00, 0x00));
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(QColor(0x38, 0x38, 0x38));
    p.drawPath(bombNeckPath());
    p.setBrush(g);
    p.drawPath(bombBodyPath());

    // Specular highlight, upper left.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.save();
    p.translate(8.2, 12.6);
    p.rotate(-40);
    p.drawEllipse(QRectF(-3.2, -1.8, 6.4, 3.6));
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8B, 0x5A, 0x2B), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bombFusePath());

    drawSpark(p, kSparkCentre, 3.8, 1.5, 8, QColor(0xFF, 0x80, 0x00));
    drawSpark(p, kSparkCentre, 2.4, 1.0, 8, QColor(0xFF, 0xE0, 0x30));
    p.setBrush(Qt::white);
    p.drawEllipse(kSparkCentre, 0.8, 0.8);
    return img;
}

struct Cherry {
    QPointF centre;
    qreal radius;
};

// Cherries on a 30x30 canvas; the caller scales the painter for other sizes.
void paintCherries(QPainter& p, bool halo) {
    const std::array<Cherry, 2> cherries{{{{9.3, 21.2}, 6.3}, {{20.3, 22.0}, 6.3}}};
    const QPointF joint(17.5, 5.0);

    const QPointF leftBase(cherries[0].centre.x() + 0.8, cherries[0].centre.y() - 5.6);
    const QPointF rightBase(cherries[1].centre.x() - 0.3, cherries[1].centre.y() - 5.8);
    QPainterPath stems(leftBase);
    stems.cubicTo(QPointF(11.0, 11.0), QPointF(14.0, 7.0), joint);
    stems.moveTo(rightBase);
    stems.cubicTo(QPointF(19.8, 12.0), QPointF(18.5, 8.0), joint);

    QPainterPath leaf(joint);
    leaf.cubicTo(QPointF(19.5, 0.8), QPointF(25.5, 1.0), QPointF(27.5, 3.6));
    leaf.cubicTo(QPointF(24.5, 6.8), QPointF(20.0, 7.2), joint);

    QPainterPath berries;
    for (const Cherry& c : cherries) {
        berries.addEllipse(c.centre, c.radius, c.radius);
    }

    if (halo) {
        // Light rim then dark rim, so the picture reads on black, grey and every palette colour.
        QPainterPathStroker stemStroke;
        stemStroke.setWidth(1.5);
        stemStroke.setCapStyle(Qt::RoundCap);
        // The gap between the stems is filled in so only the outer edge gets a rim.
        QPainterPath gap;
        gap.addPolygon(QPolygonF({leftBase, joint, rightBase}));
        gap.closeSubpath();
        const QPainterPath shape =
            berries.united(leaf).united(stemStroke.createStroke(stems)).united(gap).simplified();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 190), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape);
        p.setPen(QPen(QColor(0x20, 0x08, 0x08), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape);
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x4A, 0x7A, 0x1C), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stems);

    QLinearGradient leafFill(QPointF(18, 2), QPointF(26, 6));
    leafFill.setColorAt(0.0, QColor(0x5E, 0xD6, 0x4A));
    leafFill.setColorAt(1.0, QColor(0x24, 0x8F, 0x24));
    p.setPen(QPen(QColor(0x1E, 0x6A, 0x1E), 0.7));
    p.setBrush(leafFill);
    p.drawPath(leaf);
    p.setPen(QPen(QColor(0x1E, 0x6A, 0x1E), 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(18.5, 4.6), QPointF(25.5, 3.7));

    for (const Cherry& c : cherries) {
        QRadialGradient g(c.centre + QPointF(-c.radius * 0.35, -c.radius * 0.4), c.radius * 1.3);
        g.setColorAt(0.0, QColor(0xFF, 0x6A, 0x6A));
        g.setColorAt(0.4, QColor(0xE8, 0x10, 0x10));
        g.setColorAt(1.0, QColor(0x8A, 0x00, 0x08));
        p.setPen(QPen(QColor(0x5A, 0x00, 0x05), 0.8));
        p.setBrush(g);
        p.drawEllipse(c.centre, c.radius, c.radius);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(c.centre + QPointF(-c.radius * 0.38, -c.radius * 0.38), c.radius * 0.26,
                      c.radius * 0.2);
    }
}

QImage drawCherry() {
    QImage img = blankImage(30, 30);
    QPainter p(&img);
    beginPainter(p);
    paintCherries(p, true);
    return img;
}

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

QImage drawInstructions() {
    constexpr int kWidth = 169;
    constexpr int kHeight = 192;
    QImage img = blankImage(kWidth, kHeight, Qt::white);
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

    const QStringList args = app.arguments();
    const QDir dir(args.size() > 1 ? args.at(1) : QStringLiteral("."));
    if (!dir.exists()) {
        std::fprintf(stderr, "draw_pictures: no such directory %s\n", qPrintable(dir.path()));
        return 1;
    }

    bool ok = true;
    ok &= save(drawIcon(32), dir, "icon.png");
    ok &= save(drawIcon(128), dir, "icon-128.png");
    ok &= save(drawInstructions(), dir, "instructions.png");
    ok &= save(drawBombOutline(), dir, "bomb_outline.png");
    ok &= save(drawBombSolid(), dir, "bomb_solid.png");
    ok &= save(drawCherry(), dir, "cherry.png");
    return ok ? 0 : 1;
}
