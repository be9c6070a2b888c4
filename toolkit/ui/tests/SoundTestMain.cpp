// Main of the sound tests: a QApplication (offscreen unless a platform is set) and GoogleTest; with the
// child flag, plays a few sounds without a server instead, for the parent test to watch its output.
#include "AudioPlayer.h"
#include "ResourceSound.h"
#include "SoundServer.h"

#include <QApplication>
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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == tk::ui::soundtest::kPlayWithoutServerFlag)
        return playWithoutServer();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
