#pragma once

#include <QPixmap>

namespace quazzle {

// The pictures carried in the program's resources.
struct Pictures {
    QPixmap icon{":/pictures/icon.png"};
    QPixmap instructions{":/pictures/instructions.png"};
    QPixmap bombOutline{":/pictures/bomb_outline.png"};
    QPixmap bombSolid{":/pictures/bomb_solid.png"};
    QPixmap cherry{":/pictures/cherry.png"};
};

}  // namespace quazzle
