#include "prefix.h"

#include <cmath>
#include <limits>

// At angle 0 an infinite radius is still a real value: its imaginary part is
// +0, not inf * 0.
complex cartesian(const lm& node) {
    double sine = std::sin(node.angle);
    double y = sine == 0 ? 0.0 : sine * node.radius;
    return {std::cos(node.angle) * node.radius, y == 0 ? 0.0 : y};
}

void polar(complex w, double& radius, double& angle) {
    if (std::isnan(w.real()) || std::isnan(w.imag())) {
        radius = angle = std::numeric_limits<double>::quiet_NaN();
    } else if (w.imag() == 0) {
        radius = w.real();
        angle = 0;
    } else {
        radius = std::abs(w);
        angle = std::arg(w);
    }
}
