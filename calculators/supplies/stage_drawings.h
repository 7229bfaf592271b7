#pragma once
// The schematics of the transistor stage windows: a common-emitter
// preamplifier with its bias divider, and the coupling network (one coil and
// two trimmers) between a stage and the next one or a coaxial cable.
#include "framework/drawing.h"

namespace vm::stages {

// Marks: r1, r2, r3, r4 (the resistor names), vcc, c1, c2.
Drawing commonEmitter();

// What drives the coupling network and what it feeds.
enum class Source { OscillatorCoil, Transistor, Coax };
enum class Load { Transistor, Coax };

// Marks: source, load (their captions), coil, c1, c2 (the values), jaf and
// vcc (the choke that feeds the transistor and its supply), note1, note2
// (two lines under the network).
Drawing coupling(Source source, Load load);

}  // namespace vm::stages
