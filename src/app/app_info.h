#pragma once

namespace tickwell {

inline constexpr int kClientWidth = 300;
inline constexpr int kClientHeight = 280;
inline constexpr int kWindowX = 200;
inline constexpr int kWindowY = 200;
inline constexpr const char* kVersionText = "1.0";
inline constexpr const char* kTitlePrefix = "Tickwell V";
// The product has no site of its own yet; the reserved .example domain keeps this honest.
inline constexpr const char* kHomePageAddress = "https://tickwell.example/";

}  // namespace tickwell
