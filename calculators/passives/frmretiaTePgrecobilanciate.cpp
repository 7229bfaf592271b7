// T and pi attenuators between two resistive impedances, balanced.
#include "pad_windows.h"

namespace vm {
namespace {

class RetiATePgrecoBilanciate final : public pads::TPiPadWindow<RetiATePgrecoBilanciate> {
 public:
  explicit RetiATePgrecoBilanciate(FormBuilder& b) : TPiPadWindow(b, "ATTENUATORI  E  ADATTATORI  RESISTIVI  BILANCIATI", true) {}
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmretiaTePgrecobilanciate, RetiATePgrecoBilanciate)
