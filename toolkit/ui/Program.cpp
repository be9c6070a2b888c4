// SPDX-License-Identifier: GPL-3.0-or-later
// The one start and end of every game, with the real random source, clock, sound and message boxes.
#include "toolkit/ui/Program.h"

#include "toolkit/core/Clock.h"
#include "toolkit/core/Random.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/DisplayProbe.h"
#include "toolkit/ui/QtMessageBoxes.h"
#include "toolkit/ui/ResourceSound.h"
#include "toolkit/ui/Resources.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPointer>
#include <fontconfig/fontconfig.h>
#include <malloc.h>
#include <memory>
#include <thread>

namespace tk::ui {

namespace {

class NoSound final : public SoundSink {
public:
    void play(int, PlayMode) override {}
};

} // namespace

int runProgram(int argc, char** argv, const Program& program, const OpenFirstWindows& open) {
    // One malloc arena for every thread, set before any starts: the workers, the audio thread and the
    // libraries' own threads allocate little, and arenas of their own would hold their pages apart (about
    // 0.2 MB of a game's resident memory).
    mallopt(M_ARENA_MAX, 1);
    prepareProcess();
    const StartOptions options = readCommandLine(argc, argv, program.about);
    if (!prepareDisplay(program.about, options, program.largest)) return 1;
    // Fonts are read on workers: fontconfig's configuration and caches (some milliseconds) while the
    // application connects to the display, then Qt's font database from them while this thread builds the
    // first windows. Both libraries are thread-safe and whatever needs fonts first waits for them; the
    // environment and the font substitutions are settled before, and the workers are joined before the
    // application goes.
    std::jthread fontconfigReader([] { FcInit(); });
    QApplication app(argc, argv);
    fontconfigReader.join();
    if (!displayCanShowColours()) return 1;
    prepareApplication(app, program.largest, options);
    const std::jthread fontReader([] { (void)QFontDatabase::families(); });
    if (program.iconOnEveryWindow) QApplication::setWindowIcon(resourceIcon(QStringLiteral("ICON"), 1));

    RandomSource random;
    SystemClock clock;
    QtMessageBoxes messages;
    // Made only for a program with sounds.
    std::unique_ptr<SoundSink> sound;
    if (program.playsSounds) {
        // The sound server is reached once the first window is on the screen.
        AudioPlayer::holdUntilFirstPaint();
        sound = std::make_unique<ResourceSound>();
    } else
        sound = std::make_unique<NoSound>();

    const QPointer<QObject> firstWindows = open({random, clock, *sound, messages});
    const int result = QApplication::exec();
    // Ended while its windows are still there: they go without running any handler.
    delete firstWindows.data();
    return result;
}

} // namespace tk::ui
