// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "form1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "accessibility/control_names.h"
#include "artwork.h"
#include "board/colours.h"
#include "detectable_repeat.h"
#include "device_pixels.h"
#include "front/look.h"
#include "pixels.h"
#include "placement.h"
#include "qt_colour.h"

namespace quazzle {

namespace {
QFont verdana(double points) {
    QFont font("Verdana");
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

const QColor kPictureBoxFace = toQColor(look::kPictureBoxFace);
const QColor kFrameEdge = toQColor(look::kFrameEdge);
const QColor kPreviewBack = toQColor(look::kPreviewBack);
const QColor kPreviewEdge = toQColor(look::kPreviewEdge);
const QColor kHourglassRed = toQColor(look::kHourglassEmpty);
// The widest and tallest window Qt makes on X11, in device pixels.
constexpr double kLargestWindow = 32767;
}  // namespace

Form1::Form1(std::uint32_t seed)
    : scoreFont_(verdana(look::kScorePoints)),
      smallFont_(verdana(look::kSmallPoints)),
      platform_(*this),
      game_(platform_, seed),
      views_(*this, game_),
      announcer_(views_.parts()) {
    platform_.attach(game_);
    setWindowTitle("Quazzle");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(px(layout::kClientWidth), px(layout::kClientHeight));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    askForDetectableAutoRepeat();
    buildControls();
    nameControls();
    views_.setControls(
        {board_, hourglass_, preview_, xpBar_, instructions_, bombs_[0], score_, command1_});
}

void Form1::buildControls() {
    board_ = new BoardWidget(this, game_, pictures_);
    connect(board_, &BoardWidget::pointerCellChanged, this,
            [this](int was, int now) { announcer_.pointerMoved(was, now); });
    hourglass_ = new Panel(this, pxRect(layout::kHourglass), [this](QPainter& p, const QRect&) {
        paintHourglass(p);
        platform_.hourglassDrawnAt(devicePixelRatioF());
    });
    preview_ = new Panel(this, pxRect(layout::kPreviewBox),
                         [this](QPainter& p, const QRect&) { paintPreview(p); });
    xpBar_ = new Panel(this, pxRect(layout::kXpBar),
                       [this](QPainter& p, const QRect&) { paintXpBar(p); });
    instructions_ = new Panel(this, pxRect(layout::kInstructionsFrame),
                              [this](QPainter& p, const QRect&) { paintInstructions(p); });
    for (int k = 0; k < kBombSlots; ++k) {
        const QRect r(px(layout::kBombLefts[k]), px(layout::kBombTop), px(layout::kBombWidth),
                      px(layout::kBombHeight));
        bombs_[k] = new Panel(this, r, [this, k](QPainter& p, const QRect&) { paintBomb(p, k); });
    }
    score_ = new Panel(this, scoreRect(), [this](QPainter& p, const QRect&) { paintScore(p); });

    command1_ = new QPushButton("Start Game", this);
    command1_->setGeometry(pxRect(layout::kStartButton));
    command1_->setFont(smallFont_);
    command1_->setFocusPolicy(Qt::NoFocus);
    // Drawn in its own colour, whatever the desktop's style.
    command1_->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; color: %2; border: %3px outset %4; }"
                       "QPushButton:pressed { border-style: inset; }")
            .arg(toQColor(look::kStartFace).name(), toQColor(look::kText).name())
            .arg(look::kStartBorderPixels)
            .arg(toQColor(look::kStartBorder).name()));
    connect(command1_, &QPushButton::clicked, this, [this] { game_.startPressed(); });
}

// From Qt 6.8 on, assistive technology is given identifiers made from these names.
void Form1::nameControls() {
    board_->setObjectName(controls::kBoard);
    hourglass_->setObjectName(controls::kHourglass);
    preview_->setObjectName(controls::kPreview);
    xpBar_->setObjectName(controls::kExperience);
    instructions_->setObjectName(controls::kInstructions);
    for (int k = 0; k < kBombSlots; ++k)
        bombs_[k]->setObjectName(QLatin1String(controls::kBombPrefix) + QString::number(k + 1));
    score_->setObjectName(controls::kScore);
    command1_->setObjectName(controls::kStartButton);
}

void Form1::refresh(Region region, int index) {
    announcer_.changed(region, index);
    switch (region) {
        case Region::Cell:
            board_->refreshCell(index);
            break;
        case Region::Preview:
            updateArea(preview_, shown_.previewSlots(game_.state()));
            break;
        case Region::Levels:
            for (int k = 0; k < kLevelLabels; ++k)
                updateArea(preview_, levelLabelBox(k).toAlignedRect());
            break;
        case Region::Hourglass:
            updateArea(hourglass_, shown_.hourglass(game_.state().hourglassFill,
                                                    devicePixelRatioF(), hourglass_->size()));
            break;
        case Region::XpBar:
            updateArea(xpBar_, shown_.xpBar(game_.state(), xpBar_->size()));
            break;
        case Region::Bombs: {
            const auto changed = shown_.bombSlots(game_.state());
            for (int k = 0; k < kBombSlots; ++k)
                if (changed[k]) bombs_[k]->update();
            break;
        }
        case Region::StartButton:
            command1_->setVisible(game_.state().startButtonVisible);
            break;
        case Region::Score:
            score_->setGeometry(scoreRect());
            score_->update();
            break;
    }
}

void Form1::showWindow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(placeWindow(screen->availableGeometry(), size()));
    show();
    setFocus();
    // A window no window system can make would leave the game playing unseen, sound and all:
    // a scale factor from another of Qt's variables gone wild, say.
    const double ratio = devicePixelRatioF();
    const double width = this->width() * ratio;
    const double height = this->height() * ratio;
    const bool made = isVisible() && windowHandle() && windowHandle()->handle();
    if (made && width >= 1 && height >= 1 && width <= kLargestWindow && height <= kLargestWindow)
        return;
    std::fprintf(stderr,
                 "quazzle: the window cannot be shown at a device pixel ratio of %g (see "
                 "QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS)\n",
                 ratio);
    platform_.endProgramWith(1);
}

double Form1::scoreTextWidth(const std::string& text) const {
    const QString label = QString::fromStdString(text);
    return QFontMetricsF(scoreFontFor(label)).horizontalAdvance(label) * layout::kTwipsPerPixel;
}

// The score's own font while the text ends before the instructions frame; past that, the same
// font just small enough that it still does.
QFont Form1::scoreFontFor(const QString& text) const {
    if (text == fittedText_) return fittedFont_;
    const double room = layout::kScoreRoom / double(layout::kTwipsPerPixel);
    QFont font = scoreFont_;
    double width = QFontMetricsF(font).horizontalAdvance(text);
    // Glyph sizes step with hinting, so shrink in proportion first, then nudge until it fits.
    if (width > room) font.setPointSizeF(font.pointSizeF() * room / width);
    for (width = QFontMetricsF(font).horizontalAdvance(text); width > room && font.pointSizeF() > 1;
         width = QFontMetricsF(font).horizontalAdvance(text))
        font.setPointSizeF(font.pointSizeF() * 0.97);
    fittedText_ = text;
    fittedFont_ = font;
    return font;
}

// The label grows to the right with its text and reaches down to the divider's lower end.
QRect Form1::scoreRect() const {
    const GameState& s = game_.state();
    return {px(layout::kScoreLabel.left), px(layout::kScoreLabel.top),
            int(std::ceil(s.lblScoreWidth / layout::kTwipsPerPixel)),
            px(layout::kLineBottom - layout::kScoreLabel.top)};
}

void Form1::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), Qt::white);
    if (!firstFrameShown_) afterFirstFrame();
}

// What the first frame need not wait for.
void Form1::afterFirstFrame() {
    firstFrameShown_ = true;
    QTimer::singleShot(0, this, [this] {
        setWindowIcon(art::windowIcon());
        platform_.openSound();
    });
}

// Only what looks different, widened to whole device pixels.
void Form1::updateArea(QWidget* control, const QRegion& area) {
    const qreal ratio = devicePixelRatioF();
    for (const QRect& r : area) control->update(coverDevicePixels(r, ratio));
}

// A level label's box in the preview: one on the right keeps its one-digit place and grows
// leftwards, inside the box.
QRectF Form1::levelLabelBox(int k) const {
    const qreal digit = QFontMetricsF(smallFont_).horizontalAdvance(QLatin1Char('0'));
    const QSizeF room(px(layout::kLevelLabelWidth), px(layout::kLevelLabelHeight));
    const QPointF at(px(layout::kLevelLabelLefts[k]), px(layout::kLevelLabelTops[k]));
    return {layout::kLevelLabelGrowsLeft[k] ? at - QPointF(room.width() - digit, 0) : at, room};
}

// The fill in window pixels, exact: the bar shows it to the nearest device pixel.
double Form1::hourglassFill() const {
    return std::min(game_.state().hourglassFill, double(layout::kHourglass.height)) /
           layout::kTwipsPerPixel;
}

void Form1::paintHourglass(QPainter& p) const {
    DevicePixels device(p, devicePixelRatioF());
    const QRect all(QPoint(0, 0), hourglass_->size());
    device.fill(all, kHourglassRed);
    device.fill(QRectF(0, 0, all.width(), hourglassFill()), Qt::black);
}

void Form1::paintPreview(QPainter& p) const {
    const GameState& s = game_.state();
    {
        DevicePixels device(p, devicePixelRatioF());
        device.fill(QRect(QPoint(0, 0), preview_->size()), kPreviewBack);
        for (int slot = 0; slot < kPreviewSlots; ++slot)
            if (hasPreviewCell(slot))
                device.box(Shown::previewSlot(slot), toQColor(s.previewCell[slot]), kPreviewEdge);
    }
    p.setFont(smallFont_);
    p.setPen(Qt::black);
    for (int k = 0; k < kLevelLabels; ++k)
        p.drawText(
            levelLabelBox(k),
            int((layout::kLevelLabelGrowsLeft[k] ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop),
            QString::fromStdString(s.lblMyLevel[k]));
}

void Form1::paintXpBar(QPainter& p) const {
    const ProgressImage& bar = game_.state().picXP;
    const QRect all(QPoint(0, 0), xpBar_->size());
    DevicePixels device(p, devicePixelRatioF());
    if (!bar.painted) {
        device.fill(all, kPictureBoxFace);
        return;
    }
    device.fill(all, toQColor(bar.back));
    const double filled =
        std::clamp(bar.filled / double(layout::kTwipsPerPixel), 0.0, double(all.width()));
    device.fill(QRectF(0, 0, filled, all.height()), toQColor(bar.fore));
}

void Form1::paintInstructions(QPainter& p) {
    pictures_.drawFor(devicePixelRatioF());
    DevicePixels device(p, devicePixelRatioF());
    device.box(QRect(QPoint(0, 0), instructions_->size()), kPictureBoxFace, kFrameEdge);
    const GameState& s = game_.state();
    device.picture(QPoint(px(s.image1Left), px(s.image1Top)), pictures_.instructions());
}

void Form1::paintBomb(QPainter& p, int slot) {
    pictures_.drawFor(devicePixelRatioF());
    DevicePixels device(p, devicePixelRatioF());
    device.fill(QRect(QPoint(0, 0), bombs_[slot]->size()), Qt::white);
    device.picture(QPoint(0, 0), pictures_.bomb(game_.state().bombSolid[slot]));
}

void Form1::paintScore(QPainter& p) const {
    p.fillRect(QRect(QPoint(0, 0), score_->size()), Qt::white);
    const GameState& s = game_.state();
    const QString text = QString::fromStdString(s.lblScore);
    p.setFont(scoreFontFor(text));
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, score_->width(), px(layout::kScoreLabel.height)),
               Qt::AlignLeft | Qt::AlignVCenter, text);
    // The divider stands at the label's middle.
    const int x = int((s.line1X - layout::kScoreLabel.left) / layout::kTwipsPerPixel);
    p.drawLine(x, 0, x, score_->height());
}

void Form1::mouseMoveEvent(QMouseEvent*) { game_.backgroundMoved(); }

void Form1::keyPressEvent(QKeyEvent* event) {
    keys_.pressed(event->key(), event->timestamp(), event->isAutoRepeat());
    QWidget::keyPressEvent(event);
}

// Space held down, however long and however it repeats, sets off one bomb as it comes up.
void Form1::keyReleaseEvent(QKeyEvent* event) {
    if (keys_.released(event->key(), event->timestamp(), event->isAutoRepeat()) &&
        event->key() == Qt::Key_Space)
        game_.keyReleased(kSpaceKey);
}

// The keys go to another window: one down now may come up there, unheard, and one that comes up
// here later went down for something else.
void Form1::focusOutEvent(QFocusEvent*) { keys_.forget(); }

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    platform_.endProgram();
}

}  // namespace quazzle
