// SPDX-License-Identifier: GPL-3.0-or-later
// A filarino run with test doubles for randomness, time, sound and message boxes.
#pragma once

#include "filarino/logic/Modulo1.h"
#include "filarino/ui/Shell.h"
#include "toolkit/core/Clock.h"
#include "toolkit/core/Random.h"
#include "toolkit/core/testing/ManualClock.h"
#include "toolkit/ui/testing/AnsweringMessageBoxes.h"
#include "toolkit/ui/testing/RecordingSound.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <memory>

namespace filarino::test {

class FilarinoFixture : public ::testing::Test {
protected:
    void SetUp() override {
        shell = std::make_unique<ui::Shell>(modulo, tk::ui::Services{random, clock, sound, messages});
        ended = std::make_unique<QSignalSpy>(shell.get(), &ui::Shell::ended);
    }
    void TearDown() override {
        ended.reset();
        shell.reset();
        settle();
    }
    // Lets deferred deletions and zero-time checks run, as the event loop would between events.
    static void settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    Modulo1 modulo;
    tk::RandomSource random{2024};
    tk::ManualClock clock{36000};
    tk::ui::RecordingSound sound;
    tk::ui::AnsweringMessageBoxes messages;
    std::unique_ptr<ui::Shell> shell;
    std::unique_ptr<QSignalSpy> ended;
};

} // namespace filarino::test
