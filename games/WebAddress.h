#pragma once

namespace tamba::games {

// The one outside link of the program, opened from the score cards and the finished fishing island.
inline constexpr const char* webAddress = "https://www.gutenberg.org/";

} // namespace tamba::games
