// About the program: how to type numbers, the version, and the terms of use,
// beside a picture of a receiver under its antenna.
#include <cmath>

#include "framework/registry.h"

namespace vm {
namespace {

// A table receiver with its dial and speaker, a dipole above it and the
// waves it listens to.
Drawing receiverPicture() {
  Drawing d(260, 200);
  // the dipole on its mast, fed down to the set
  const double top = 44;
  d.line(130, top, 130, 100, 2);
  d.line(70, top, 190, top, 2);
  d.circle(70, top, 3, true).circle(190, top, 3, true);
  for (int i = 1; i <= 3; ++i) {
    double r = 12.0 * i;
    d.arc(130 - r, top - r, 2 * r, 2 * r, 20, 60).color(0x1F4E9A);
    d.arc(130 - r, top - r, 2 * r, 2 * r, 100, 60).color(0x1F4E9A);
  }
  // the cabinet
  d.rect(40, 100, 180, 80);
  d.rect(44, 104, 172, 72);
  // the speaker grille
  d.circle(85, 140, 26);
  for (int i = -2; i <= 2; ++i) {
    double y = 140 + 9.0 * i;
    double half = std::sqrt(26.0 * 26.0 - (9.0 * i) * (9.0 * i)) - 3;
    d.line(85 - half, y, 85 + half, y);
  }
  // the dial with its pointer, and two knobs
  d.rect(125, 112, 80, 30);
  for (int i = 0; i <= 8; ++i) d.line(130 + 8.75 * i, 112, 130 + 8.75 * i, 118 + (i % 2 ? 0 : 3));
  d.line(160, 112, 160, 142, 2).color(0xC00000);
  d.circle(145, 160, 9).circle(185, 160, 9);
  d.line(145, 160, 145, 152).line(185, 160, 191, 154);
  // feet
  d.rect(52, 180, 16, 6, true).rect(192, 180, 16, 6, true);
  d.text(84, 194, "IL FOLVARIO");
  return d;
}

class Abaut final : public CalculatorOf<Abaut> {
 public:
  explicit Abaut(FormBuilder& b) : CalculatorOf(b) {
    b.caption("Informazioni");
    b.drawing("Picture1", receiverPicture());
    b.label("Label1",
            "USARE IL PUNTO DEL TASTIERINO PER SEPARARE GLI EVENTUALI DECIMALI; l'operatività è risultata molto "
            "più pratica e veloce che con l'uso della virgola. USARE TAB O MOUSE PER SPOSTARSI");
    b.label("Label2", "VERSIONE CORRENTE : 2.15  del 2015");
    b.label("Label3", "prima vers.  2002");
    b.label("Label4", "Il programma è gratuito e può essere usato e distribuito liberamente.");
    b.label("Label5",
            "L'autore non si assume alcuna responsabilità per danni di qualsiasi genere causati dall'uso o dal "
            "funzionamento del programma.");
    b.label("Label6", "L'uso del programma comporta l'accettazione di queste condizioni.");
    b.closeButton("cmdchiudi", "CHIUDI");
  }
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmabaut, Abaut)
