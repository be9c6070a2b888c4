// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise's steps and state changes.
#include "filarino/logic/Exercise.h"

#include "filarino/logic/Captions.h"
#include "filarino/logic/Modulo1.h"
#include "toolkit/core/Clock.h"
#include "toolkit/core/HalfEven.h"
#include "toolkit/core/NumberText.h"
#include "toolkit/core/Random.h"

#include <cmath>
#include <cstdint>

namespace filarino {
namespace {

// The captions of the ten keypad keys are "1" to "10"; anything else is not a key.
std::optional<int> keypadValue(std::string_view caption) {
    for (int value = 1; value <= 10; ++value)
        if (caption == std::to_string(value)) return value;
    return std::nullopt;
}

// A 16-bit counter plus one, held at 32767.
void countOne(std::int16_t& counter) {
    counter = tk::clampToInt16(counter + 1.0);
}

} // namespace

Exercise::Exercise(Modulo1& modulo, const tk::Clock& clock, tk::Random& random)
    : modulo_(modulo)
    , clock_(clock)
    , random_(random) {
    modulo_.startSeries();
}

std::optional<Exercise::NewArray> Exercise::NuovoFilarino() {
    if (!newArrayOffered()) return std::nullopt;
    NewArray array;
    array.previousDotCount = dotCount();
    countOne(modulo_.NumOperazioni);
    firstBox_.clear();
    secondBox_.clear();
    primaCasellaPiena_ = false;
    random_.mix(clock_.secondsSinceMidnight());
    palliniPerRiga_ = drawFactor();
    numeroRighe_ = drawFactor();
    array.palliniPerRiga = palliniPerRiga_;
    array.numeroRighe = numeroRighe_;
    state_ = State::AnsweringFirstEmpty;
    return array;
}

int Exercise::drawFactor() {
    const int span = modulo_.NumeroMassimo - modulo_.NumeroMinimo + 1;
    return modulo_.NumeroMinimo + static_cast<int>(std::floor(random_.next() * span));
}

void Exercise::AvviaRisposta() {
    if (state_ == State::AnsweringFirstEmpty)
        modulo_.TempoInizio = static_cast<float>(clock_.secondsSinceMidnight());
}

bool Exercise::keypadDraggable() const {
    return state_ == State::AnsweringFirstEmpty || state_ == State::AnsweringFirstFilled ||
           state_ == State::ReadyToCheck;
}

bool Exercise::RiempiCasella1(std::string_view value) {
    if (!keypadDraggable() || !keypadValue(value)) return false;
    firstBox_ = value;
    primaCasellaPiena_ = true;
    if (state_ == State::AnsweringFirstEmpty) state_ = State::AnsweringFirstFilled;
    return true;
}

bool Exercise::RiempiCasella2(std::string_view value) {
    if (!keypadDraggable() || !primaCasellaPiena_ || !keypadValue(value)) return false;
    secondBox_ = value;
    state_ = State::ReadyToCheck;
    return true;
}

int Exercise::RiempiPrimaCasellaVuota(std::string_view value) {
    if (!primaCasellaPiena_) return RiempiCasella1(value) ? 1 : 0;
    if (state_ != State::ReadyToCheck) return RiempiCasella2(value) ? 2 : 0;
    return 0;
}

int Exercise::SvuotaUltimaCasella() {
    if (state_ == State::ReadyToCheck) {
        secondBox_.clear();
        state_ = State::AnsweringFirstFilled;
        return 2;
    }
    if (state_ == State::AnsweringFirstFilled) {
        firstBox_.clear();
        primaCasellaPiena_ = false;
        state_ = State::AnsweringFirstEmpty;
        return 1;
    }
    return 0;
}

std::optional<Exercise::Verdict> Exercise::Verifica() {
    if (state_ != State::ReadyToCheck) return std::nullopt;
    primaCasellaPiena_ = false;
    state_ = State::Judged;

    Verdict verdict;
    verdict.right = keypadValue(firstBox_) == palliniPerRiga_ && keypadValue(secondBox_) == numeroRighe_;
    std::int16_t& counter = verdict.right ? modulo_.NumEsatte : modulo_.NumErrate;
    countOne(counter);
    verdict.count = counter;

    takeTimes();
    verdict.partialTimeText = displayedPartialTime(modulo_.TempoParziale);
    verdict.totalTimeText = displayedTotalTime(modulo_.TempoTotale);
    return verdict;
}

// Partial time: whole seconds from the opening of the answer phase to the check, counted across midnight.
void Exercise::takeTimes() {
    modulo_.TempoFine = static_cast<float>(clock_.secondsSinceMidnight());
    const double elapsed = tk::elapsedSeconds(modulo_.TempoInizio, modulo_.TempoFine);
    modulo_.TempoParziale = static_cast<long long>(std::floor(elapsed));
    modulo_.TempoTotale += modulo_.TempoParziale;
    modulo_.TestoTempoParziale = tk::signPositionText(modulo_.TempoParziale);
    modulo_.TestoTempoTotale = tk::signPositionText(modulo_.TempoTotale);
}

DotPlace Exercise::circlePlace(int dotNumber) const {
    return filarino::circlePlace(dotNumber, palliniPerRiga_);
}

DotPlace Exercise::picturePlace(int dotNumber) const {
    return filarino::picturePlace(dotNumber, palliniPerRiga_);
}

} // namespace filarino
