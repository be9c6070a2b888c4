// SPDX-License-Identifier: GPL-3.0-or-later
// filarino's windows and the way between them: which windows are loaded, loading and unloading them,
// playing a sound, and ending the program when no window is left.
#pragma once

#include "filarino/ui/Form1.h"
#include "filarino/ui/Form11.h"
#include "filarino/ui/Form12.h"
#include "toolkit/ui/Services.h"
#include "toolkit/ui/Zoom.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace filarino {
struct Modulo1;
}

namespace filarino::ui {

class ExerciseWindow;
class FrmInizioPiu;

// The start window and the exercise windows are all this size.
inline constexpr tk::ui::WindowExtent kWorkingWindowExtent{11880, 8310, true};

class Shell : public QObject {
    Q_OBJECT
public:
    // `modulo` holds the program-wide values every window reads and writes.
    Shell(Modulo1& modulo, tk::ui::Services services);
    ~Shell() override;

    Modulo1& modulo() { return modulo_; }
    tk::ui::Services& services() { return services_; }

    // Loading a backdrop creates it, shows it over the screen and opens its working window in front of it.
    // Loading a loaded window does nothing; unloading one that is not loaded does nothing.
    void loadForm1();
    void loadForm11();
    void loadForm12();
    void unloadForm1();
    void unloadForm11();
    void unloadForm12();

    // Opens the start window in front of Form1 (loading it first when needed) and brings it to the front.
    void showFrmInizioPiu();
    void unloadFrmInizioPiu();

    // Open the exercise window in front of its backdrop (Form11 or Form12), loading it first when needed,
    // and bring it to the front. Only one exercise window is loaded at a time; it unloads itself.
    void showFrmFilarino();
    void showFrmTabellina();

    Form1* form1() const { return form1_; }
    Form11* form11() const { return form11_; }
    Form12* form12() const { return form12_; }
    FrmInizioPiu* frmInizioPiu() const;
    // The loaded exercise window, FrmFilarino or frmTabellina, if any.
    ExerciseWindow* exerciseWindow() const;
    bool anyWindowLoaded() const;

    // Plays sound resource `id` without waiting (cutting off the one playing), then lets pending window
    // events run before returning.
    void SuonaRisorsa(int id);

    // Ends the program at once: no window's close handler runs.
    void endProgram();

signals:
    // No window is left, or the program was ended: the event loop should stop.
    void ended();

private:
    void windowGone();
    // Loads the working window into `slot` with `make` unless it is loaded, then brings it to the front.
    template <typename T> void showWorkingWindow(QPointer<T>& slot, const std::function<T*()>& make);
    // Creates a backdrop whose clicks run `openWorkingWindow`, and loads it; a loaded one is left alone.
    template <typename T> void loadBackdrop(QPointer<T>& slot, std::function<void()> openWorkingWindow);

    Modulo1& modulo_;
    tk::ui::Services services_;
    QPointer<Form1> form1_;
    QPointer<Form11> form11_;
    QPointer<Form12> form12_;
    QPointer<FrmInizioPiu> frmInizioPiu_;
    QPointer<ExerciseWindow> exerciseWindow_;
    bool ending_ = false;
};

} // namespace filarino::ui
