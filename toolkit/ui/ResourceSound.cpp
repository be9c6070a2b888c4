// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a sound resource and hands it to the player.
#include "toolkit/ui/ResourceSound.h"

#include "toolkit/ui/Resources.h"

namespace tk::ui {

void ResourceSound::play(int resourceId, PlayMode mode) {
    const QByteArray image = resourceBytes(QStringLiteral("CUSTOM"), resourceId);
    if (mode == PlayMode::Sync)
        player_.playSync(image);
    else
        player_.playAsync(image);
}

} // namespace tk::ui
