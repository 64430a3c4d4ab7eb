// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Grabs the game window at moments of its demo and writes, beside each picture, the state it
// was painted from as one frame of the page's messages, so the page can be shown the same.
// Usage: grab_window OUTDIR SEED MS...   (QT_SCALE_FACTOR sets the device pixel ratio)

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "form1.h"

namespace {

QJsonObject frameOf(const quazzle::GameState& s) {
    QJsonArray cells;
    for (int i = 0; i < int(s.picCell.size()); ++i)
        cells.append(QJsonArray{i, int(s.picCell[i].backColor),
                                s.picCell[i].picture == quazzle::Picture::Cherry ? 1 : 0});
    QJsonArray preview;
    for (quazzle::Colour c : s.previewCell) preview.append(int(c));
    QJsonArray levels;
    for (const std::string& l : s.lblMyLevel) levels.append(QString::fromStdString(l));
    QJsonArray bombs;
    for (bool b : s.bombSolid) bombs.append(b);
    return {
        {"cells", cells},
        {"preview", preview},
        {"levels", levels},
        {"score", QJsonObject{{"text", QString::fromStdString(s.lblScore)}, {"line", s.line1X}}},
        {"hourglass", s.hourglassFill},
        {"xp", QJsonObject{{"painted", s.picXP.painted},
                           {"back", int(s.picXP.back)},
                           {"fore", int(s.picXP.fore)},
                           {"filled", s.picXP.filled}}},
        {"bombs", bombs},
        {"start", s.startButtonVisible},
        // Not a frame's part: what the window measured, to set beside the page's textWidth.
        {"measured", QJsonObject{{"text", QString::fromStdString(s.lblScore)},
                                 {"width", s.lblScoreWidth}}},
    };
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QFont::insertSubstitution("Verdana", "DejaVu Sans");
    const QStringList args = QApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: grab_window OUTDIR SEED MS...\n");
        return 2;
    }
    const QDir dir(args[1]);
    quazzle::Form1 form(args[2].toUInt());
    QTimer::singleShot(0, &form, [&form] { form.game().load(); });
    const int last = args.size() - 1;
    for (int k = 3; k <= last; ++k) {
        const int ms = args[k].toInt();
        QTimer::singleShot(ms, &form, [&form, &dir, ms, last, k] {
            const QString name = QString("window-%1").arg(ms);
            form.grab().save(dir.filePath(name + ".png"), "PNG");
            QFile json(dir.filePath(name + ".json"));
            if (json.open(QIODevice::WriteOnly))
                json.write(QJsonDocument(QJsonObject{{"frame", frameOf(form.game().state())}})
                               .toJson(QJsonDocument::Compact));
            json.close();
            std::printf("%s\n", qPrintable(dir.filePath(name + ".png")));
            std::fflush(stdout);
            if (k == last) std::_Exit(0);
        });
    }
    return QApplication::exec();
}
