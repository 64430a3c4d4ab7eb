// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "web/json.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace quazzle::web {

void Json::separate() {
    if (keyed_) {
        keyed_ = false;
        return;
    }
    if (!first_) out_ += ',';
    first_ = false;
}

Json& Json::open(char bracket) {
    separate();
    out_ += bracket;
    first_ = true;
    return *this;
}

Json& Json::close(char bracket) {
    out_ += bracket;
    first_ = false;
    return *this;
}

Json& Json::key(std::string_view name) {
    separate();
    quote(name);
    out_ += ':';
    keyed_ = true;
    return *this;
}

Json& Json::value(std::string_view text) {
    separate();
    quote(text);
    return *this;
}

Json& Json::value(bool b) {
    separate();
    out_ += b ? "true" : "false";
    return *this;
}

Json& Json::value(std::int64_t n) {
    separate();
    out_ += std::to_string(n);
    return *this;
}

Json& Json::value(double x) {
    separate();
    if (!std::isfinite(x)) {
        out_ += "null";  // JSON has no infinities
        return *this;
    }
    std::array<char, 32> digits{};
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), x);
    out_.append(digits.data(), error == std::errc{} ? end : digits.data());
    return *this;
}

Json& Json::raw(std::string_view json) {
    separate();
    out_ += json;
    return *this;
}

void Json::quote(std::string_view text) {
    out_ += '"';
    for (const char c : text) {
        switch (c) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\n':
                out_ += "\\n";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    std::array<char, 8> escaped{};
                    std::snprintf(escaped.data(), escaped.size(), "\\u%04x", unsigned(c));
                    out_ += escaped.data();
                } else {
                    out_ += c;
                }
        }
    }
    out_ += '"';
}

}  // namespace quazzle::web
