// SPDX-License-Identifier: GPL-3.0-or-later
// Test double for message boxes: records each box and answers OK at once (optionally running a probe
// while the box would be up, to observe what the pupil sees behind it).
#pragma once

#include "toolkit/ui/MessageBoxes.h"

#include <functional>
#include <vector>

namespace tk::ui {

class AnsweringMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        MessageIcon icon;
        QString title;
        QString text;
    };

    void show(QWidget*, MessageIcon icon, const QString& title, const QString& text) override {
        shown.push_back({icon, title, text});
        if (whileShown) whileShown(shown.back());
    }

    std::vector<Shown> shown;
    std::function<void(const Shown&)> whileShown;
};

} // namespace tk::ui
