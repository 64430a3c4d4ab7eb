// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/game_state.h"

namespace quazzle::web {

class Json;

// The first message to the page, once the window is shown: the layout, with the instructions
// picture where start-up put it in `state`, the window's own colours and texts.
std::string helloMessage(const GameState& state);

// What the page must be told about the game since the last frame: the regions the rules
// changed, whose new state the frame carries, the names assistive technology reads that are new,
// and the sounds, news and prompt that belong to the same picture.
class Frames {
  public:
    explicit Frames(const GameState& state) : state_(state) {}

    void changed(Region region, int index);
    // Everything, as for the first frame after the window is shown.
    void everything();
    // The cell under the pointer says whether the piece fits: both cells' names may change.
    void pointerMoved(int was, int now);
    void effect(std::string_view name);
    void play(int player);
    void stop(int player);
    void say(std::string words);
    void prompt(std::string description);

    bool pending() const;
    // The frame's message, with the names as they read with the pointer on `pointerCell`; what
    // it told is no longer pending.
    std::string take(int pointerCell);

  private:
    static constexpr int kRegionCount = int(Region::StartButton) + 1;
    bool due(Region region) const { return regions_.test(int(region)); }
    void writeCells(Json& j) const;
    void writeNames(Json& j, int pointerCell);
    void writeControls(Json& j) const;
    void writePanelWords(Json& j);
    void writeSounds(Json& j) const;
    std::vector<std::pair<int, std::string>> newNames(int pointerCell);
    // What the panels say, each as its JSON value, where it differs from what was told.
    std::vector<std::pair<std::string_view, std::string>> newPanelWords();

    const GameState& state_;
    std::bitset<kCellCount> cells_;
    std::bitset<kCellCount> names_;
    std::bitset<kRegionCount> regions_;
    struct Sound {
        std::string_view kind;  // "effect", "play" or "stop"
        std::string name;       // an effect's
        int player = 0;
    };
    std::vector<Sound> sounds_;
    std::optional<std::string> say_;
    std::optional<std::string> prompt_;
    std::array<std::string, kCellCount> namesTold_;
    std::vector<std::pair<std::string_view, std::string>> panelWordsTold_;
};

}  // namespace quazzle::web
