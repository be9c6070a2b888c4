// SPDX-License-Identifier: GPL-3.0-or-later
// What a game's windows use from outside: randomness, the clock, sound and message boxes.
#pragma once

namespace tk {
class Clock;
class Random;
} // namespace tk

namespace tk::ui {

class MessageBoxes;
class SoundSink;

// The program wires the real ones; tests hand in a seeded source, a manual clock and doubles.
struct Services {
    tk::Random& random;
    tk::Clock& clock;
    SoundSink& sound;
    MessageBoxes& messages;
};

} // namespace tk::ui
