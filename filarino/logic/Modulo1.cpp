// SPDX-License-Identifier: GPL-3.0-or-later
// Start of a series of exercises.
#include "filarino/logic/Modulo1.h"

namespace filarino {

void Modulo1::startSeries() {
    NumOperazioni = 0;
    NumEsatte = 0;
    NumErrate = 0;
    TempoParziale = 0;
    TempoTotale = 0;
    TestoTempoParziale.clear();
    TestoTempoTotale.clear();
}

} // namespace filarino
