#include "engine/schedule/progresssteps.h"

namespace bm {

int ProgressSteps::Step(int percent) {
    if (percent < last_) {
        last_ = 0;
        return 0;
    }
    const int step = percent - last_;
    last_ = percent;
    return step;
}

} // namespace bm
