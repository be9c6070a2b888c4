// SPDX-License-Identifier: GPL-3.0-or-later
// One exercise window's exercise: draws an array of dots, fills the two answer boxes, judges and times the
// answer.
#pragma once

#include "filarino/logic/DotLayout.h"

#include <optional>
#include <string>
#include <string_view>

namespace tk {
class Clock;
class Random;
} // namespace tk

namespace filarino {

struct Modulo1;

// Owned by an exercise window from its load to its close. The program-wide counters and times live in the
// shared Modulo1; the clock and the random source are the program's (or a test's) and must outlive this.
class Exercise {
public:
    enum class State {
        Waiting,              // window loaded, no exercise yet
        AnsweringFirstEmpty,  // new array drawn, first box not yet filled
        AnsweringFirstFilled, // first box filled, second box still refused or empty
        ReadyToCheck,         // both boxes filled: the check is offered
        Judged,               // verdict given; a new array may be asked for
    };

    struct NewArray {
        int previousDotCount = 0; // dots of the array before, for the window to remove (0 for the first)
        int palliniPerRiga = 0;
        int numeroRighe = 0;
    };

    struct Verdict {
        bool right = false;
        int count = 0;               // NumEsatte after a right answer, NumErrate after a wrong one
        std::string partialTimeText; // as displayed: capped at "99"
        std::string totalTimeText;   // as displayed: capped at "999"
    };

    // The window has loaded: a series starts (counters and times to zero, no array yet).
    Exercise(Modulo1& modulo, const tk::Clock& clock, tk::Random& random);

    // "Nuovo filarino": counts the array, empties both boxes, mixes the clock into the random source and
    // draws dots per row, then rows, uniformly over NumeroMinimo..NumeroMassimo. Only while Waiting or
    // Judged; otherwise nothing changes and nothing is returned.
    std::optional<NewArray> NuovoFilarino();

    // The new dots are drawn: the answer time starts now. Only right after NuovoFilarino, before any box
    // is filled; otherwise it does nothing.
    void AvviaRisposta();

    // A keypad key with caption `value` ("1".."10") passes over the first box. Accepted during an answer
    // phase (also once the check is offered); returns whether the box took the value.
    bool RiempiCasella1(std::string_view value);

    // The same over the second box: accepted only after the first box has been filled in this answer phase.
    // Returns true when the box took the value, which means the check is offered.
    bool RiempiCasella2(std::string_view value);

    // "C o n t r o l l a": judges the boxes (dots per row first, rows second), counts the verdict and
    // takes the times. Gives one verdict per exercise: outside ReadyToCheck it changes nothing and returns
    // nothing, so a second click delivered while the verdict's sound starts is ignored.
    std::optional<Verdict> Verifica();

    // Typed rather than dragged: `value` goes into the first box while it is empty, otherwise into the
    // second, by the rules of the two above. Returns 1 or 2, the box that took it, or 0.
    int RiempiPrimaCasellaVuota(std::string_view value);
    // Empties the box filled last in this answer phase: the second (the check is no longer offered), else the
    // first (the second then refuses again). Returns 1 or 2, the box emptied, or 0.
    int SvuotaUltimaCasella();

    State state() const { return state_; }
    bool keypadDraggable() const;
    bool checkOffered() const { return state_ == State::ReadyToCheck; }
    bool newArrayOffered() const { return state_ == State::Waiting || state_ == State::Judged; }

    int PalliniPerRiga() const { return palliniPerRiga_; }
    int NumeroRighe() const { return numeroRighe_; }
    bool PrimaCasellaPiena() const { return primaCasellaPiena_; }
    const std::string& firstBox() const { return firstBox_; }
    const std::string& secondBox() const { return secondBox_; }

    // Dots of the current array (0 before the first); they are numbered 1..dotCount().
    int dotCount() const { return palliniPerRiga_ * numeroRighe_; }
    // The times-table product shown after a right answer; the same number as dotCount().
    int product() const { return dotCount(); }
    // Places of dot `dotNumber` (1..dotCount()) of the current array.
    DotPlace circlePlace(int dotNumber) const;
    DotPlace picturePlace(int dotNumber) const;

private:
    int drawFactor();
    void takeTimes();

    Modulo1& modulo_;
    const tk::Clock& clock_;
    tk::Random& random_;
    State state_ = State::Waiting;
    int palliniPerRiga_ = 0;
    int numeroRighe_ = 0;
    bool primaCasellaPiena_ = false;
    std::string firstBox_;
    std::string secondBox_;
};

} // namespace filarino
