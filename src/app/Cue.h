#pragma once

// The seven sound cues, by file name.
namespace Cue {
inline constexpr const char *press = "press.wav";
inline constexpr const char *click = "click.wav";
inline constexpr const char *tada = "tada.wav";
inline constexpr const char *tada2 = "tada2.wav";
inline constexpr const char *tada3 = "tada3.wav";
inline constexpr const char *error = "error.wav";
inline constexpr const char *firstRun = "firstrun.wav";
} // namespace Cue
