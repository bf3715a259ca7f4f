#include "fakes.h"

namespace testing_support {

float ScriptedRandom::Rnd() {
    if (draws_.empty()) {
        return 0.5F;
    }
    const float draw = draws_.front();
    draws_.pop_front();
    return draw;
}

}  // namespace testing_support
