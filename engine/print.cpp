#include <cmath>
#include <iostream>

#include "core/quantity.h"
#include "core/settings.h"
#include "engine.h"

void reduceangle(double& radius, double& angle) {
    if (!std::isfinite(angle)) return;
    // Far out, the steps of pi are counted at once; near the range they are
    // taken one by one.
    if (std::fabs(angle) > 64 * PI) {
        int quotient;
        angle = std::remquo(angle, PI, &quotient);
        if (quotient % 2) radius = -radius;
    }
    while (angle < -PI_2) {
        radius = -radius;
        angle += PI;
    }
    while (angle > PI_2) {
        radius = -radius;
        angle -= PI;
    }
}

namespace {
struct Dimension {
    int slot;
    const char* separator;
    const char* name;
};

// Length first, then the order of the unit-names file.
const Dimension PRINT_ORDER[] = {
    {LENGTH_SLOT, "  ", LENGTH}, {MASS_SLOT, " ", MASS},     {TIME_SLOT, " ", TIME},
    {TEMP_SLOT, " ", TEMP},      {CHARGE_SLOT, " ", CHARGE}, {MOLE_SLOT, " ", MOLE},
};

void printvalue(double radius, double angle) {
    std::ostream& out = std::cout;
    if (std::sin(angle) * radius == 0)
        out << radius;
    else if (how223)
        out << radius << "*exp(i*" << angle << ")";
    else
        out << radius * std::cos(angle) << "+i * " << radius * std::sin(angle);
}

void printdimension(const unit& dim) {
    for (const Dimension& d : PRINT_ORDER) {
        double exponent = dim.exponent[d.slot];
        if (exponent != 0) std::cout << d.separator << '{' << d.name << "^(" << exponent << ")}";
    }
}
}  // namespace

void printlist() {
    for (C = S; C; C = C->next) {
        if (C->kind == KIND_COMMAND) {
            std::cout << C->text << ' ';
        } else if (C->kind == KIND_NUMBER) {
            varib[0] = *C;
            reduceangle(C->radius, C->angle);
            printvalue(C->radius, C->angle);
            printdimension(C->dim);
            std::cout << ' ';
        }
    }
}
