// Regional settings as three systems give them: English, Hungarian, German.
#pragma once

#include <halvora/platform/platform.h>

#include <utility>

namespace halvora::fakes {

// The names exactly as each system writes them; a Hungarian system writes
// lower-case names with its own letters, which the program shows untouched.
const RegionalSettings& english_settings();
const RegionalSettings& hungarian_settings();
const RegionalSettings& german_settings();

class FakeRegional final : public platform::Regional {
public:
    explicit FakeRegional(RegionalSettings settings = english_settings())
        : settings_(std::move(settings)) {}

    [[nodiscard]] const RegionalSettings& settings() const override { return settings_; }
    void set(const RegionalSettings& settings) { settings_ = settings; }

private:
    RegionalSettings settings_;
};

} // namespace halvora::fakes
