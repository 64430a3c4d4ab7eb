// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <deque>
#include <random>

namespace quazzle {

// The game's one random source: uniform single-precision draws in [0, 1).
// Tests can queue exact draws ahead of the generator.
class Random {
  public:
    explicit Random(std::uint32_t seed) : engine_(seed) {}

    // A fresh draw in [0, 1).
    float next();
    // floor(n x draw + 1): 1 to n, each equally likely.
    int upTo(int n);
    // floor(n x draw): 0 to n - 1.
    int below(int n);

    // The next draws return these values, in order, before the generator is used again.
    void queue(std::initializer_list<float> draws) { scripted_.insert(scripted_.end(), draws); }

  private:
    std::mt19937 engine_;
    std::deque<float> scripted_;
};

}  // namespace quazzle
