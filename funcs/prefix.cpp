#include "prefix.h"

#include <cmath>
#include <limits>

#include "core/polar.h"

complex cartesian(const lm& node) {
    double x, y;
    node.parts(x, y);
    return {x, y};
}

void store(lm& result, complex w) {
    double radius, angle;
    if (std::isnan(w.real()) || std::isnan(w.imag())) {
        radius = angle = std::numeric_limits<double>::quiet_NaN();
    } else if (w.imag() == 0) {
        radius = w.real();
        angle = 0;
    } else {
        topolar(w.real(), w.imag(), radius, angle);
    }
    setvalue(&result, radius, angle);
    keepparts(&result, w.real(), w.imag());
}
