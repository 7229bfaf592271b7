// The minimum-loss L pad that matches a higher impedance to a lower one.
#include "pad_windows.h"

namespace vm {
namespace {

class RetiAdL final : public pads::LPadWindow<RetiAdL> {
 public:
  explicit RetiAdL(FormBuilder& b) : LPadWindow(b, "RETI AD ELLE", false) {}
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmretiadL, RetiAdL)
