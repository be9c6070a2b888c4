// SPDX-License-Identifier: GPL-3.0-or-later
// Main of the sound tests: a QApplication (offscreen unless a platform is set) and GoogleTest; with the
// child flags, plays a few sounds without a server, or times one, for the parent test to watch.
#include "toolkit/ui/Application.h"
#include "toolkit/ui/AudioPlayer.h"
#include "toolkit/ui/ResourceSound.h"
#include "toolkit/ui/tests/SoundServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>
#include <string_view>

namespace {

int playWithoutServer() {
    const QByteArray tone = tk::ui::soundtest::toneImage(22050, 1, 0.2, 440);
    tk::ui::AudioPlayer player;
    player.playAsync(tone);
    player.playSync(tone);
    tk::ui::ResourceSound sound;
    sound.play(901, tk::ui::PlayMode::Async);
    sound.play(901, tk::ui::PlayMode::Sync);
    return player.isPlaying() || sound.player().isPlaying() ? 1 : 0;
}

int timeSyncPlay(bool muted) {
    if (muted) tk::ui::AudioPlayer::muteAll();
    tk::ui::AudioPlayer player;
    QElapsedTimer clock;
    clock.start();
    player.playSync(tk::ui::soundtest::toneImage(22050, 1, 0.5, 440));
    std::printf("%lld\n", static_cast<long long>(clock.elapsed()));
    return 0;
}

int keepPlaying() {
    const QByteArray tone = tk::ui::soundtest::toneImage(22050, 1, 1.0, 440);
    tk::ui::AudioPlayer player;
    QTimer again;
    QObject::connect(&again, &QTimer::timeout, [&] { player.playAsync(tone); });
    again.start(500);
    player.playAsync(tone);
    std::printf("playing\n");
    std::fflush(stdout);
    QTest::qWait(4000);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A child starts as the programs do.
    if (argc > 1) tk::ui::prepareProcess();
    QApplication app(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == tk::ui::soundtest::kPlayWithoutServerFlag)
        return playWithoutServer();
    if (argc > 1 && std::string_view(argv[1]) == tk::ui::soundtest::kTimeSyncPlayFlag)
        return timeSyncPlay(argc > 2 && std::string_view(argv[2]) == tk::ui::soundtest::kMutedFlag);
    if (argc > 1 && std::string_view(argv[1]) == tk::ui::soundtest::kKeepPlayingFlag) return keepPlaying();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
