// The minimum-loss L pad in balanced form.
#include "pad_windows.h"

namespace vm {
namespace {

class RetiAdLBilanciata final : public pads::LPadWindow<RetiAdLBilanciata> {
 public:
  explicit RetiAdLBilanciata(FormBuilder& b) : LPadWindow(b, "RETI AD ELLE   BILANCIATE", true) {}
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmretiadLbilanciata, RetiAdLBilanciata)
