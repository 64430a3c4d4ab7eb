// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QDateTime>
#include <QFont>
#include <QThreadPool>
#include <QTimer>

#include "audio/quiet_sound_library.h"
#include "form1.h"
#include "process_setup.h"

int main(int argc, char* argv[]) {
    quazzle::guardStandardStreams();
    quazzle::sanitiseScaleFactor();
    quazzle::sendPixelsThroughConnection();
    quazzle::quietSoundLibrary();
    QApplication app(argc, argv);
    // Qt blends a large translucent fill of the pictures on pooled threads; they end with the
    // fill instead of idling on for half a minute.
    QThreadPool::globalInstance()->setExpiryTimeout(0);
    QApplication::setApplicationName(QStringLiteral(QUAZZLE_APP_NAME));
    // Names the desktop entry, so docks and Wayland compositors show the game's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUAZZLE_APP_ID));
    // Where Verdana is missing, a sans of much the same metrics stands in.
    QFont::insertSubstitution("Verdana", "DejaVu Sans");

    quazzle::Form1 form(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
    QTimer::singleShot(0, &form, [&form] { form.game().load(); });
    return QApplication::exec();
}
