// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and loading the sound module.
#include "toolkit/ui/SoundModule.h"

#include "toolkit/ui/AudioOutput.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace tk::ui {

std::unique_ptr<AudioOutput> makeAudioOutput() {
    static const MakeAudioOutput make = [] {
        QString path = qEnvironmentVariable("GIOCHI_SOUND_MODULE");
        if (path.isEmpty())
            path = QDir(QCoreApplication::applicationDirPath())
                       .filePath(QStringLiteral(GIOCHI_SOUND_MODULE_DIR "/libgiochi-sound.so"));
        QLibrary module(path);
        // Kept for the life of the process: its code runs until the very end.
        module.setLoadHints(QLibrary::PreventUnloadHint);
        return reinterpret_cast<MakeAudioOutput>(module.resolve(kMakeAudioOutput));
    }();
    return std::unique_ptr<AudioOutput>(make != nullptr ? make() : nullptr);
}

} // namespace tk::ui
