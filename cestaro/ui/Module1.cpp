// SPDX-License-Identifier: GPL-3.0-or-later
// Playing a sound to its end, then yielding to the window events it held back.
#include "cestaro/ui/Module1.h"

#include "toolkit/ui/Application.h"
#include "toolkit/ui/SoundSink.h"

namespace cestaro::ui::Module1 {

void PlayResSound(tk::ui::SoundSink& sound, int id) {
    sound.play(id, tk::ui::PlayMode::Sync);
    tk::ui::yieldToPendingEvents();
}

} // namespace cestaro::ui::Module1
