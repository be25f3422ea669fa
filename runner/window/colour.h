// Colour names and numbers of the settings as 0x00BBGGRR values.
#pragma once

#include <cstdint>
#include <string>

class ProgramRandom;

// Reseeds the generator with seed (the system timer), trims and lower-cases
// strColor in place and maps it. "default" answers defaultColour: the window's
// background for the background itself, the label's own colour for captions,
// so a "default" caption never vanishes into the background.
std::int32_t Str2ColorInt(std::string& strColor, std::int32_t defaultColour, ProgramRandom& random, std::uint32_t seed);

// Black or white, whichever reads better on the given background.
std::uint32_t ReadableTextColour(std::int32_t background);

// The 24-bit colour the screen shows for a setting's value (high byte dropped).
std::uint32_t ScreenColour(std::int32_t colour);
