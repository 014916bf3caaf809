#include "zoomsteps.h"

#include <iterator>

namespace {

// Within what the web engine accepts, 0.25 to 5.
const double Levels[] = {0.25, 0.33, 0.5,  0.67, 0.75, 0.8, 0.9, 1.0, 1.1,
                         1.25, 1.5,  1.75, 2.0,  2.5,  3.0, 4.0, 5.0};
// A factor set elsewhere (rounded by the engine) counts as the level it is nearest to.
const double Near = 0.005;

} // namespace

double ZoomSteps::step(double factor, int direction) {
    if (direction == 0)
        return 1.0;
    if (direction > 0) {
        for (double level : Levels) {
            if (level > factor + Near)
                return level;
        }
        return *std::rbegin(Levels);
    }
    for (auto level = std::rbegin(Levels); level != std::rend(Levels); ++level) {
        if (*level < factor - Near)
            return *level;
    }
    return *std::begin(Levels);
}
