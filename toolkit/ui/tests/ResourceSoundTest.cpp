// Embedded sounds by id: a playable one (901, ADPCM, 0.54 s), a damaged one (902) and a missing one.
#include "ResourceSound.h"

#include "SoundServer.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using tk::ui::PlayMode;
using tk::ui::ResourceSound;

TEST(ResourceSound, MissingAndDamagedResourcesAreSilent) {
    ResourceSound sound;
    for (const int id : {902, 999, -1}) {
        for (const PlayMode mode : {PlayMode::Sync, PlayMode::Async}) {
            QElapsedTimer clock;
            clock.start();
            sound.play(id, mode);
            EXPECT_LT(clock.elapsed(), 100) << id;
            EXPECT_FALSE(sound.player().isPlaying()) << id;
        }
    }
}

TEST(ResourceSound, PlaysTheResourceAndAnUnplayableOneCutsItOff) {
    if (const QString why = tk::ui::soundtest::whyNoSoundServer(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    ResourceSound sound;
    QElapsedTimer clock;
    clock.start();
    sound.play(901, PlayMode::Sync);
    EXPECT_GE(clock.elapsed(), 540);
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_FALSE(sound.player().isPlaying());

    sound.play(901, PlayMode::Async);
    EXPECT_TRUE(sound.player().isPlaying());
    QTest::qWait(100);
    sound.play(999, PlayMode::Async);
    EXPECT_FALSE(sound.player().isPlaying());
}

} // namespace
