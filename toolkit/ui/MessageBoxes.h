// SPDX-License-Identifier: GPL-3.0-or-later
// The message boxes a game shows the pupil: modal, an icon, a title, lines of text and one OK button.
#pragma once

#include <QString>

class QWidget;

namespace tk::ui {

enum class MessageIcon { Information, Exclamation };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Returns when the pupil has pressed OK. `text` may hold several lines separated by "\r\n" or "\n".
    virtual void show(QWidget* parent, MessageIcon icon, const QString& title, const QString& text) = 0;
};

} // namespace tk::ui
