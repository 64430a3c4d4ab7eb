// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "web/frames.h"

#include <algorithm>
#include <utility>

#include "board/preview.h"
#include "front/look.h"
#include "front/spoken.h"
#include "game/layout.h"
#include "game/sounds.h"
#include "web/json.h"

namespace quazzle::web {

namespace {
void rect(Json& j, std::string_view name, const layout::Rect& r) {
    j.key(name).beginArray().value(r.left).value(r.top).value(r.width).value(r.height).endArray();
}

template <class Numbers>
void numbers(Json& j, std::string_view name, const Numbers& list) {
    j.key(name).beginArray();
    for (const auto& n : list) j.value(n);
    j.endArray();
}

void layoutOf(Json& j, const GameState& state) {
    namespace l = layout;
    j.key("layout").beginObject();
    j.key("twipsPerPixel").value(l::kTwipsPerPixel);
    j.key("client").beginArray().value(l::kClientWidth).value(l::kClientHeight).endArray();
    j.key("cellLeft").value(l::kCellLeft).key("cellTop").value(l::kCellTop);
    j.key("cellPitch").value(l::kCellPitch).key("cellSize").value(l::kCellSize);
    rect(j, "hourglass", l::kHourglass);
    j.key("hourglassFull").value(l::kHourglassFull);
    rect(j, "xpBar", l::kXpBar);
    j.key("bombTop").value(l::kBombTop);
    numbers(j, "bombLefts", l::kBombLefts);
    j.key("bombWidth").value(l::kBombWidth).key("bombHeight").value(l::kBombHeight);
    rect(j, "scoreLabel", l::kScoreLabel);
    j.key("lineBottom").value(l::kLineBottom);
    j.key("scoreRoom").value(l::kScoreRoom);
    rect(j, "startButton", l::kStartButton);
    rect(j, "previewBox", l::kPreviewBox);
    j.key("previewCellSize").value(l::kPreviewCellSize);
    numbers(j, "levelLabelLefts", l::kLevelLabelLefts);
    numbers(j, "levelLabelTops", l::kLevelLabelTops);
    j.key("levelLabelWidth").value(l::kLevelLabelWidth);
    j.key("levelLabelHeight").value(l::kLevelLabelHeight);
    numbers(j, "levelLabelGrowsLeft", l::kLevelLabelGrowsLeft);
    rect(j, "instructionsFrame", l::kInstructionsFrame);
    j.key("instructionsSize").beginArray().value(l::kInstructionsWidth);
    j.value(l::kInstructionsHeight).endArray();
    j.key("instructionsPicture").beginArray().value(state.image1Left).value(state.image1Top);
    j.endArray();
    j.endObject();
}

void lookOf(Json& j) {
    namespace k = look;
    j.key("look").beginObject();
    j.key("window").value(k::kWindow).key("text").value(k::kText);
    j.key("gridLine").value(k::kGridLine).key("pictureBoxFace").value(k::kPictureBoxFace);
    j.key("frameEdge").value(k::kFrameEdge).key("previewBack").value(k::kPreviewBack);
    j.key("previewEdge").value(k::kPreviewEdge);
    j.key("hourglassEmpty").value(k::kHourglassEmpty).key("hourglassFill").value(k::kHourglassFill);
    j.key("startFace").value(k::kStartFace).key("startBorder").value(k::kStartBorder);
    j.key("startBorderPixels").value(k::kStartBorderPixels);
    j.key("scorePoints").value(k::kScorePoints).key("smallPoints").value(k::kSmallPoints);
    j.endObject();
}

void textsOf(Json& j) {
    j.key("texts").beginObject();
    j.key("title").value("Quazzle").key("start").value("Start Game");
    j.key("instructions").value(spoken::instructions());
    j.key("hourglass").value(spoken::timeLeftName());
    j.key("hourglassDescription").value(spoken::timeLeftDescription());
    j.key("experience").value(spoken::experienceName());
    j.key("board")
        .value(spoken::boardName())
        .key("boardDescription")
        .value(spoken::boardDescription());
    // The page's own: what it says once No has ended the program.
    j.key("ended").value("The game has ended.").key("restart").value("Start again");
    j.endObject();
}

void previewSlotsOf(Json& j) {
    j.key("previewSlots").beginArray();
    for (int slot = 0; slot < kPreviewSlots; ++slot) {
        const GridPosition at = previewPosition(slot);
        if (!at.exists()) continue;
        j.beginArray().value(slot).value(layout::kPreviewColumnLefts[at.column]);
        j.value(layout::kPreviewRowTops[at.row]).endArray();
    }
    j.endArray();
}

std::string jsonOf(const std::string& text) { return Json().value(text).text(); }
}  // namespace

std::string helloMessage(const GameState& state) {
    Json j;
    j.beginObject().key("hello").beginObject();
    layoutOf(j, state);
    lookOf(j);
    textsOf(j);
    j.key("players").beginArray();
    for (const auto& binding : sound::kPlayerBindings) j.value(binding.sound);
    j.endArray();
    previewSlotsOf(j);
    j.endObject().endObject();
    return j.text();
}

void Frames::changed(Region region, int index) {
    if (region != Region::Cell) {
        regions_.set(int(region));
    } else if (onBoard(index)) {
        cells_.set(index);
        names_.set(index);
    }
}

void Frames::everything() {
    cells_.set();
    names_.set();
    regions_.set();
}

void Frames::pointerMoved(int was, int now) {
    if (onBoard(was)) names_.set(was);
    if (onBoard(now)) names_.set(now);
}

void Frames::effect(std::string_view name) { sounds_.push_back({"effect", std::string(name)}); }
void Frames::play(int player) { sounds_.push_back({"play", {}, player}); }
void Frames::stop(int player) { sounds_.push_back({"stop", {}, player}); }
void Frames::say(std::string words) { say_ = std::move(words); }
void Frames::prompt(std::string description) { prompt_ = std::move(description); }

bool Frames::pending() const {
    return cells_.any() || names_.any() || regions_.any() || !sounds_.empty() || say_ || prompt_;
}

std::vector<std::pair<int, std::string>> Frames::newNames(int pointerCell) {
    std::vector<std::pair<int, std::string>> names;
    for (int i = 0; i < kCellCount; ++i) {
        if (!names_.test(i)) continue;
        std::string name = spoken::cellName(state_, i, i == pointerCell);
        if (name == namesTold_[i]) continue;
        namesTold_[i] = name;
        names.emplace_back(i, std::move(name));
    }
    names_.reset();
    return names;
}

std::vector<std::pair<std::string_view, std::string>> Frames::newPanelWords() {
    const GameState& s = state_;
    std::vector<std::pair<std::string_view, std::string>> now = {
        {"preview", jsonOf(spoken::piece(s))},
        {"level", jsonOf(spoken::level(s))},
        {"score", jsonOf(spoken::score(s))},
        {"bombs", jsonOf(spoken::bombs(s))},
        {"timeLeft", std::to_string(spoken::timeLeftPercent(s))},
        {"experience", Json()
                           .beginArray()
                           .value(spoken::experience(s))
                           .value(kLinesPerLevel)
                           .value(spoken::experienceText(s))
                           .endArray()
                           .text()},
    };
    std::vector<std::pair<std::string_view, std::string>> changed;
    for (const auto& word : now)
        if (std::ranges::find(panelWordsTold_, word) == panelWordsTold_.end())
            changed.push_back(word);
    panelWordsTold_ = std::move(now);
    return changed;
}

void Frames::writeCells(Json& j) const {
    if (cells_.none()) return;
    j.key("cells").beginArray();
    for (int i = 0; i < kCellCount; ++i) {
        if (!cells_.test(i)) continue;
        const Cell& cell = state_.picCell[i];
        j.beginArray().value(i).value(cell.backColor);
        j.value(cell.picture == Picture::Cherry ? 1 : 0).endArray();
    }
    j.endArray();
}

void Frames::writeNames(Json& j, int pointerCell) {
    const auto names = newNames(pointerCell);
    if (names.empty()) return;
    j.key("names").beginArray();
    for (const auto& [index, name] : names) j.beginArray().value(index).value(name).endArray();
    j.endArray();
}

void Frames::writeControls(Json& j) const {
    const GameState& s = state_;
    if (due(Region::Preview)) numbers(j, "preview", s.previewCell);
    if (due(Region::Levels)) numbers(j, "levels", s.lblMyLevel);
    if (due(Region::Score)) {
        j.key("score").beginObject().key("text").value(s.lblScore);
        j.key("line").value(s.line1X).key("width").value(s.lblScoreWidth).endObject();
    }
    if (due(Region::Hourglass)) j.key("hourglass").value(s.hourglassFill);
    if (due(Region::XpBar)) {
        j.key("xp").beginObject().key("painted").value(s.picXP.painted);
        j.key("back").value(s.picXP.back).key("fore").value(s.picXP.fore);
        j.key("filled").value(s.picXP.filled).endObject();
    }
    if (due(Region::Bombs)) numbers(j, "bombs", s.bombSolid);
    if (due(Region::StartButton)) j.key("start").value(s.startButtonVisible);
}

void Frames::writePanelWords(Json& j) {
    const auto words = newPanelWords();
    if (words.empty()) return;
    j.key("a11y").beginObject();
    for (const auto& [name, value] : words) j.key(name).raw(value);
    j.endObject();
}

void Frames::writeSounds(Json& j) const {
    if (sounds_.empty()) return;
    j.key("sounds").beginArray();
    for (const Sound& sound : sounds_) {
        j.beginArray().value(sound.kind);
        if (sound.kind == "effect")
            j.value(sound.name);
        else
            j.value(sound.player);
        j.endArray();
    }
    j.endArray();
}

std::string Frames::take(int pointerCell) {
    Json j;
    j.beginObject().key("frame").beginObject();
    writeCells(j);
    writeNames(j, pointerCell);
    writeControls(j);
    writePanelWords(j);
    writeSounds(j);
    if (say_) j.key("say").value(*say_);
    if (prompt_) {
        j.key("prompt").beginObject().key("title").value("Game Over");
        j.key("text").value("Play again?").key("description").value(*prompt_).endObject();
    }
    j.endObject().endObject();
    cells_.reset();
    regions_.reset();
    sounds_.clear();
    say_.reset();
    prompt_.reset();
    return j.text();
}

}  // namespace quazzle::web
