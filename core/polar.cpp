#include "polar.h"

#include <cmath>

#include "quantity.h"

bool quarterturns(double angle, long& k) {
    double turns = std::nearbyint(angle / PI_2);
    if (!(std::fabs(turns) <= 1048576)) return false;  // NaN too
    double nearest = turns * PI_2;
    double ulp = std::nextafter(std::fabs(nearest), INFINITY) - std::fabs(nearest);
    if (std::fabs(angle - nearest) > 2 * ulp) return false;
    k = static_cast<long>(turns);
    return true;
}

void cossin(double angle, double& c, double& s) {
    long k = 0;
    if (angle == 0 || quarterturns(angle, k)) {
        static const double COSINE[4] = {1, 0, -1, 0}, SINE[4] = {0, 1, 0, -1};
        c = COSINE[k & 3];
        s = SINE[k & 3];
        return;
    }
    c = std::cos(angle);
    s = std::sin(angle);
}

void tocartesian(double radius, double angle, double& x, double& y) {
    double c, s;
    cossin(angle, c, s);
    x = c == 0 ? 0.0 : radius * c;
    y = s == 0 ? 0.0 : radius * s;
    if (y == 0) y = 0.0;
}

void topolar(double x, double y, double& radius, double& angle) {
    radius = std::hypot(x, y);
    angle = x == 0 && y == 0 ? 0 : std::atan2(y, x);
}

void principal(double& radius, double& angle) {
    bool opposite = radius < 0;
    if (opposite) radius = -radius;
    long k;
    if (quarterturns(angle, k)) {
        static const double QUARTER[4] = {0, PI_2, PI, -PI_2};
        angle = QUARTER[(k + (opposite ? 2 : 0)) & 3];
        return;
    }
    if (opposite) angle += PI;
    // sin and cos reduce an angle of any size exactly; a step of the double
    // 2*pi would not.
    if (angle > PI || angle <= -PI) angle = std::atan2(std::sin(angle), std::cos(angle));
}
