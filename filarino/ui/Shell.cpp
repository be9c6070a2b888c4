// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and unloading filarino's windows, the sound routine and the end of the program.
#include "filarino/ui/Shell.h"

#include "filarino/ui/Form1.h"
#include "filarino/ui/Form11.h"
#include "filarino/ui/Form12.h"
#include "filarino/ui/FrmFilarino.h"
#include "filarino/ui/FrmInizioPiu.h"
#include "filarino/ui/frmTabellina.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/SoundSink.h"

#include <QTimer>

namespace filarino::ui {

Shell::Shell(Modulo1& modulo, tk::ui::Services services)
    : modulo_(modulo)
    , services_(services) {}

Shell::~Shell() {
    // Windows still open when the program ends go with it, without their close handlers.
    ending_ = true;
    delete exerciseWindow_.data();
    delete frmInizioPiu_.data();
    delete form1_.data();
    delete form11_.data();
    delete form12_.data();
}

namespace {

// Forgets the window at once (it is destroyed later, in the event loop) and runs `unload` on it.
template <typename T, typename Unload> void forget(QPointer<T>& slot, Unload unload) {
    T* window = slot.data();
    slot = nullptr;
    if (window) unload(window);
}

} // namespace

template <typename T> void Shell::showWorkingWindow(QPointer<T>& slot, const std::function<T*()>& make) {
    if (!slot) {
        slot = make();
        connect(slot, &tk::ui::Window::unloaded, this, [&slot] { slot = nullptr; });
        connect(slot, &QObject::destroyed, this, &Shell::windowGone);
        QPointer<T> window = slot;
        window->Form_Load();
        if (!window) return;
    }
    slot->showModeless();
}

template <typename T> void Shell::loadBackdrop(QPointer<T>& slot, std::function<void()> openWorkingWindow) {
    if (slot) return;
    slot = new T(std::move(openWorkingWindow));
    connect(slot, &QObject::destroyed, this, &Shell::windowGone);
    slot->Form_Load();
}

void Shell::loadForm1() {
    loadBackdrop(form1_, [this] { showFrmInizioPiu(); });
}
void Shell::loadForm11() {
    loadBackdrop(form11_, [this] { showFrmFilarino(); });
}
void Shell::loadForm12() {
    loadBackdrop(form12_, [this] { showFrmTabellina(); });
}

void Shell::unloadForm1() {
    forget(form1_, [](Form1* w) { w->unload(); });
}
void Shell::unloadForm11() {
    forget(form11_, [](Form11* w) { w->unload(); });
}
void Shell::unloadForm12() {
    forget(form12_, [](Form12* w) { w->unload(); });
}

void Shell::showFrmInizioPiu() {
    showWorkingWindow<FrmInizioPiu>(frmInizioPiu_, [this] { return new FrmInizioPiu(*this, form1_); });
}

void Shell::unloadFrmInizioPiu() {
    forget(frmInizioPiu_, [](FrmInizioPiu* w) { w->unload(); });
}

FrmInizioPiu* Shell::frmInizioPiu() const {
    return frmInizioPiu_;
}

void Shell::showFrmFilarino() {
    showWorkingWindow<ExerciseWindow>(exerciseWindow_, [this] { return new FrmFilarino(*this, form11_); });
}

void Shell::showFrmTabellina() {
    showWorkingWindow<ExerciseWindow>(exerciseWindow_, [this] { return new frmTabellina(*this, form12_); });
}

ExerciseWindow* Shell::exerciseWindow() const {
    return exerciseWindow_;
}

bool Shell::anyWindowLoaded() const {
    return form1_ || form11_ || form12_ || frmInizioPiu_ || exerciseWindow_;
}

void Shell::SuonaRisorsa(int id) {
    services_.sound.play(id, tk::ui::PlayMode::Async);
    tk::ui::yieldToPendingEvents();
}

void Shell::endProgram() {
    ending_ = true;
    emit ended();
}

void Shell::windowGone() {
    if (ending_) return;
    // Checked once the current handler has finished: a window may close only to make way for another.
    QTimer::singleShot(0, this, [this] {
        if (!ending_ && !anyWindowLoaded()) {
            ending_ = true;
            emit ended();
        }
    });
}

} // namespace filarino::ui
