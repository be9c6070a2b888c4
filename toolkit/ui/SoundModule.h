// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module: the player's side that talks to the sound library, loaded at run time, so that a program
// starts without that library and the twenty it brings along, and loads them only once a sound is near.
#pragma once

#include <memory>

namespace tk::ui {

class AudioOutput;

// Loads the sound module on first use and makes an output of it; null (silence) when it cannot be loaded.
// The module is libgiochi-sound.so in the folder GIOCHI_SOUND_MODULE_DIR names relative to the program's
// own folder (as installed, and in a build tree), or the file the environment variable GIOCHI_SOUND_MODULE
// names. Call on the audio thread: loading takes some milliseconds.
std::unique_ptr<AudioOutput> makeAudioOutput();

} // namespace tk::ui
