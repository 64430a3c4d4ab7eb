// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "pictures.h"

#include "artwork.h"

namespace quazzle {

void Pictures::drawFor(qreal ratio) {
    if (ratio == ratio_) return;
    ratio_ = ratio;
    instructions_ = QPixmap::fromImage(art::instructions(ratio));
    bombOutline_ = QPixmap::fromImage(art::bombOutline(ratio));
    bombSolid_ = QPixmap::fromImage(art::bombSolid(ratio));
    cherry_ = QPixmap::fromImage(art::cherry(ratio));
}

}  // namespace quazzle
