// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quazzle::web {

// Writes one JSON value into a string, for the page: objects and arrays opened and closed in
// order, commas where they belong.
class Json {
  public:
    Json& beginObject() { return open('{'); }
    Json& endObject() { return close('}'); }
    Json& beginArray() { return open('['); }
    Json& endArray() { return close(']'); }
    // The name of the next member of the object being written.
    Json& key(std::string_view name);

    Json& value(std::string_view text);
    Json& value(const char* text) { return value(std::string_view(text)); }
    Json& value(const std::string& text) { return value(std::string_view(text)); }
    Json& value(bool b);
    Json& value(int n) { return value(std::int64_t(n)); }
    Json& value(std::int64_t n);
    Json& value(double x);
    // A value written already, by another Json.
    Json& raw(std::string_view json);

    const std::string& text() const { return out_; }

  private:
    Json& open(char bracket);
    Json& close(char bracket);
    void separate();
    void quote(std::string_view text);

    std::string out_;
    bool first_ = true;   // nothing written yet in the innermost object or array
    bool keyed_ = false;  // a key waits for its value
};

}  // namespace quazzle::web
