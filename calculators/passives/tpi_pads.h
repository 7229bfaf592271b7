#pragma once
// The T and pi attenuators between an input impedance Zi and a not greater
// output impedance Zo, shared by the unbalanced and the balanced window.
namespace vm::pads {

// The minimum loss in dB of a resistive network from Zi down to Zo
// (k = Zi / Zo >= 1): 20 log10(sqrt(k) + sqrt(k - 1)).
double minimumLoss(double zi, double zo);

// Every resistor rounded half up to hundredths; the pi series arm not yet
// taken to single precision.
struct TPiPad {
  double r1t, r2t, r3t;  // T: input series arm, output series arm, shunt
  double r1p, r2p, r3p;  // pi: input shunt, output shunt, series arm
};

// The pad of attenuation `db` (not below the minimum loss). A pad with a
// negative or unbounded arm (the attenuation at the minimum loss) is
// refused like an arithmetic failure.
TPiPad designTPi(double zi, double zo, double db);

// Half up to hundredths: the integer part of 100 x + 0.5, over 100.
double halfUp2(double x);

}  // namespace vm::pads
