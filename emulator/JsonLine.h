#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One JSON object written field by field, for the journal.
class JsonLine {
  public:
    JsonLine& Add(const std::string& key, const std::string& value);
    JsonLine& Add(const std::string& key, const char* value) {
        return Add(key, std::string(value));
    }
    JsonLine& Add(const std::string& key, std::int64_t value);
    JsonLine& Add(const std::string& key, bool value);
    // At most three decimals, trailing zeros dropped.
    JsonLine& Add(const std::string& key, double value);
    JsonLine& Add(const std::string& key, const std::vector<std::string>& values);
    // value is already JSON (an object or an array).
    JsonLine& AddRaw(const std::string& key, const std::string& value);

    std::string Text() const { return "{" + fields_ + "}"; }

    // Well-formed UTF-8 is kept as its code points; every other byte outside printable ASCII is
    // escaped on its own, so any input stays valid JSON.
    static std::string Quote(const std::string& text);

  private:
    std::string fields_;
};
