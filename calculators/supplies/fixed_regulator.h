#pragma once
// The window shared by the two 78xx calculators: the same controls and
// texts, the regulator chosen by its options; each window computes the
// divider with its own formula.
#include <string>

#include "framework/calculator.h"
#include "supply_drawings.h"

namespace vm::supplies {

template <class Derived>
class FixedRegulator : public CalculatorOf<Derived> {
 protected:
  using Base = CalculatorOf<Derived>;

  // `note`: a further static note under the usual two (none when empty).
  FixedRegulator(FormBuilder& b, const std::string& note) : Base(b) {
    b.caption("INTEGRATI STABILIZZATORI DELLA SERIE 78xx");
    b.frame("Frame1", "SIGLA ", [&] {
      b.options("Option1", {"7805", "7808", "7812", "7815", "7818", "7824"}).opensOn(0).onClick([this](int i) {
        choose(i);
      });
    });
    vu_ = b.input("txtvu").label("Label1", "TENSIONE DESIDERATA IN USCITA :");
    b.computeButton("cmdcalcola", "CALCOLA").onClick([this] { static_cast<Derived*>(this)->compute(); });
    b.closeButton("cmdesci", "E S C I");
    Art drw = b.drawing("drw78xx", regulator(Regulator::Fixed));
    name_ = b.label("lbl78xx", "78xx").at(drw, "name");
    r1_ = b.result("lblr1", "R1").at(drw, "r1");
    r2_ = b.result("lblr2", "R2").at(drw, "r2");
    vout_ = b.result("lblvout", "V. Out").at(drw, "vout");
    vin_ = b.result("lblvin", "V. In").at(drw, "vin");
    cap_ = b.label("Label7", "10 microF").hidden().at(drw, "cAdj");
    b.label("Label3", "E").at(drw, "pinIn");
    b.label("Label4", "M").at(drw, "pinAdj");
    b.label("Label5", "U").at(drw, "pinOut");
    b.label("Label8", "2.000 uF").at(drw, "cIn");
    b.label("Label9", "200 uF").at(drw, "cOut");
    b.label("Label10", "100 nF").at(drw, "cInSmall");
    b.label("Label11", "100 nF").at(drw, "cOutSmall");
    b.label("Label2",
            "ANCHE SE GLI INTEGRATI STABILIZZATORI DELLA SERIE 78xx SONO PREDISPOSTI PER FORNIRE IN USCITA VALORI "
            "STANDARD DI TENSIONE E' POSSIBILE OTTENERE VALORI  MAGGIORI DI QUELLI PREFISSATI");
    b.label("Label12",
            "IN PRATICA CONVIENE EVITARE VARIAZIONI ECCESSIVAMENTE AMPIE RIMANENDO NELL'AMBITO DI UNA TENSIONE "
            "STANDARD E L'ALTRA. INOLTRE IL VALORE DI R2 NON DOVREBBE SUPERARE QUELLO DI R1");
    if (!note.empty()) b.label("Label13", note);
  }

  // The wanted output, or nothing when the regulator cannot give it.
  bool readOutput(double& vu) {
    vu = this->number(vu_);
    if (vu > 35 || vu <= static_cast<double>(vreg_)) {
      this->warn("DATO NON CONGRUO", "MESSAGGIO DI ERRORE", vu_);
      return false;
    }
    return true;
  }

  // R1 as its formatted text, R2 rounded to ohms.
  void showDivider(double vu, const std::string& r1, double r2) {
    const std::string r2Text = this->general(r2) + " Ohm", out = this->general(vu) + " Volt Out",
                      in = this->general(1.4 * vu) + " Volt Input";
    this->setText(r1_, r1 + " Ohm");
    this->setText(r2_, r2Text);
    this->setText(vout_, out);
    this->setText(vin_, in);
    this->show(cap_);
  }

  // the regulator's own voltage, single precision
  float vreg_ = 5;

 private:
  void choose(int i) {
    static const char* const kNames[] = {"7805", "7808", "7812", "7815", "7818", "7824"};
    static const float kVolts[] = {5, 8, 12, 15, 18, 24};
    this->setText(r1_, "R1");
    this->setText(r2_, "R2");
    this->setText(vu_, {});
    this->setText(name_, kNames[i]);
    vreg_ = kVolts[i];
  }

  Input vu_;
  Label name_, r1_, r2_, vout_, vin_, cap_;
};

}  // namespace vm::supplies
