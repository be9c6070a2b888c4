// SPDX-License-Identifier: GPL-3.0-or-later
// The values filarino keeps for the whole run: the chosen range, the start-sound flag, the series counters
// and times.
#pragma once

#include <cstdint>
#include <string>

namespace filarino {

// One instance per run, shared by reference between the start window and the exercise windows.
// Counters are 16-bit and stop at 32767 instead of overflowing.
struct Modulo1 {
    std::int16_t NumeroMinimo = 0;  // lower end of the factor range (both ends belong to it)
    std::int16_t NumeroMassimo = 0; // upper end of the factor range
    bool SuonoIniziale = false;     // the start sound has been played in this run

    std::int16_t NumOperazioni = 0; // arrays shown in this series
    std::int16_t NumEsatte = 0;     // right answers in this series
    std::int16_t NumErrate = 0;     // wrong answers in this series

    float TempoInizio = 0.0f;       // seconds since midnight when the current answer phase opened
    float TempoFine = 0.0f;         // seconds since midnight at the last check
    long long TempoParziale = 0;    // whole seconds spent on the last answer
    long long TempoTotale = 0;      // whole seconds summed over the series' answers
    std::string TestoTempoParziale; // sign-position text of TempoParziale, uncapped; empty before a check
    std::string TestoTempoTotale;   // sign-position text of TempoTotale, uncapped; empty before a check

    // A series begins when an exercise window loads: counters, times and their texts start again from zero.
    // The range and the start-sound flag are kept.
    void startSeries();
};

} // namespace filarino
