// SPDX-License-Identifier: GPL-3.0-or-later
// cestaro's shared routine: playing its sound resource to the end.
#pragma once

namespace tk::ui {
class SoundSink;
}

namespace cestaro::ui::Module1 {

// Plays the WAV resource "CUSTOM" `id` and returns when it has ended (windows keep painting, the pupil's
// input waits), then lets pending window events run. A sound that cannot play is silently skipped.
void PlayResSound(tk::ui::SoundSink& sound, int id);

} // namespace cestaro::ui::Module1
