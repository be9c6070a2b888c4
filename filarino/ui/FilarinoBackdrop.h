// SPDX-License-Identifier: GPL-3.0-or-later
// The make shared by filarino's three backdrops: a full-screen colour behind one working window, whose
// clicks bring that window to the front.
#pragma once

#include "toolkit/ui/Backdrop.h"

#include <functional>

namespace filarino::ui {

class FilarinoBackdrop : public tk::ui::Backdrop {
    Q_OBJECT
public:
    // `openWorkingWindow` shows the working window, loading it first when it is not open.
    FilarinoBackdrop(QColor colour, std::function<void()> openWorkingWindow);

    // Shows the backdrop over the whole screen, then opens the working window in front of it.
    void Form_Load();

protected:
    // A backdrop goes only when another window unloads it: a request to close it (Alt+F4 while it has the
    // focus) is refused, and its working window comes to the front instead.
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> openWorkingWindow_;
};

} // namespace filarino::ui
