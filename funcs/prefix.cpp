#include "prefix.h"

#include <cmath>
#include <limits>

#include "core/polar.h"

complex cartesian(const lm& node) {
    double x, y;
    tocartesian(node.radius, node.angle, x, y);
    return {x, y};
}

void polar(complex w, double& radius, double& angle) {
    if (std::isnan(w.real()) || std::isnan(w.imag())) {
        radius = angle = std::numeric_limits<double>::quiet_NaN();
    } else if (w.imag() == 0) {
        radius = w.real();
        angle = 0;
    } else {
        topolar(w.real(), w.imag(), radius, angle);
    }
}
