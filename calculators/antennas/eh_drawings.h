#pragma once
// The EH antenna drawing shared by its two windows: two cylinders on a
// common tube, the coils between them and the coax at the foot. Marks:
// "cilindro_superiore", "lunghezza_superiore", "lunghezza_inferiore",
// "diametro_superiore", "diametro_inferiore", "coil_alta", "coil_bassa",
// "coil_media", "cond_alto", "cond_basso", "coax".
#include "framework/drawing.h"

namespace vm::eh {

Drawing cylinders();

}  // namespace vm::eh
