// SPDX-License-Identifier: GPL-3.0-or-later
// Embedded sounds by id: playable ones (901 ADPCM mono, 903 MPEG stereo), a damaged one (902), missing ones.
#include "toolkit/ui/ResourceSound.h"

#include "toolkit/core/WavDecoder.h"
#include "toolkit/ui/Resources.h"
#include "toolkit/ui/testing/MonitorRecorder.h"
#include "toolkit/ui/tests/SoundServer.h"

#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>
#include <span>

namespace {

using tk::ui::PlayMode;
using tk::ui::ResourceSound;
using namespace tk::ui::soundtest;

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

class ResourceSoundWithServer : public ::testing::Test {
protected:
    void SetUp() override {
        if (const QString why = whyNoSoundServer(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    }
};

TEST_F(ResourceSoundWithServer, CompressedResourcesArriveWholeAtTheSink) {
    for (const int id : {901, 903}) {
        const QByteArray image = tk::ui::resourceBytes(QStringLiteral("CUSTOM"), id);
        const tk::WavDecode decoded =
            tk::decodeWav(std::span(reinterpret_cast<const std::uint8_t*>(image.constData()),
                                    static_cast<std::size_t>(image.size())));
        ASSERT_TRUE(decoded.ok()) << id;
        const LoudPart expected = MonitorRecorder::loudPart(decoded.audio.samples, decoded.audio.channels,
                                                            decoded.audio.sampleRate);

        MonitorRecorder recorder;
        ASSERT_TRUE(recorder.start());
        ResourceSound sound;
        QElapsedTimer clock;
        clock.start();
        sound.play(id, PlayMode::Sync);
        EXPECT_GE(clock.elapsed(), static_cast<qint64>(1000 * decoded.audio.seconds())) << id;
        EXPECT_FALSE(sound.player().isPlaying()) << id;
        QTest::qWait(200);
        const LoudPart heard = MonitorRecorder::loudPart(recorder.stop());
        EXPECT_NEAR(heard.seconds, expected.seconds, 0.1 * expected.seconds) << id;
        EXPECT_NEAR(heard.rms, expected.rms, 0.25 * expected.rms) << id;
    }
}

TEST_F(ResourceSoundWithServer, AnUnplayableResourceStillCutsOffTheSoundPlaying) {
    ResourceSound sound;
    sound.play(901, PlayMode::Async);
    EXPECT_TRUE(sound.player().isPlaying());
    QTest::qWait(100);
    sound.play(999, PlayMode::Async);
    EXPECT_FALSE(sound.player().isPlaying());
}

} // namespace
