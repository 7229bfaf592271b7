// T and pi attenuators between two resistive impedances, unbalanced.
#include "pad_windows.h"

namespace vm {
namespace {

class RetiATePgreco final : public pads::TPiPadWindow<RetiATePgreco> {
 public:
  explicit RetiATePgreco(FormBuilder& b) : TPiPadWindow(b, "ATTENUATORI  E  ADATTATORI RESISTIVI", false) {}
};

}  // namespace
}  // namespace vm

VM_WINDOW(frmretiaTePgreco, RetiATePgreco)
