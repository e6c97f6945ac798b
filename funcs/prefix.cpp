#include "prefix.h"

#include <cmath>

complex cartesian(const lm& node) {
    double y = std::sin(node.angle) * node.radius;
    return {std::cos(node.angle) * node.radius, y == 0 ? 0.0 : y};
}

void polar(complex w, double& radius, double& angle) {
    if (w.imag() == 0) {
        radius = w.real();
        angle = 0;
    } else {
        radius = std::abs(w);
        angle = std::arg(w);
    }
}
