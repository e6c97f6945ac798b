#include "quantity.h"

#include <climits>
#include <cmath>
#include <cstring>

void unit::without() {
    for (double& e : exponent) e = 0;
}

bool unit::u0() const {
    for (double e : exponent)
        if (e != 0) return false;
    return true;
}

bool operator!=(const unit& a, const unit& b) {
    for (int k = 0; k < UNIT_SLOTS; ++k)
        if (!(a.exponent[k] == b.exponent[k])) return true;
    return false;
}

unit operator+(const unit& a, const unit& b) {
    unit sum;
    for (int k = 0; k < UNIT_SLOTS; ++k) sum.exponent[k] = a.exponent[k] + b.exponent[k];
    return sum;
}

unit operator-(const unit& a, const unit& b) {
    unit difference;
    for (int k = 0; k < UNIT_SLOTS; ++k) difference.exponent[k] = a.exponent[k] - b.exponent[k];
    return difference;
}

unit operator*(const unit& u, double factor) {
    unit scaled;
    for (int k = 0; k < UNIT_SLOTS; ++k) scaled.exponent[k] = u.exponent[k] * factor;
    return scaled;
}

lm& lm::operator=(const lm& source) {
    if (this == &source) return *this;
    radius = source.radius;
    angle = source.angle;
    dim = source.dim;
    std::memcpy(text, source.text, TEXT_SIZE);
    kind = source.kind;
    return *this;
}

lm* S = nullptr;
lm* C = nullptr;
lm* T = nullptr;
lm* T1 = nullptr;

lm varib[256];

void dropnode(lm* node) {
    if (node->prev)
        node->prev->next = node->next;
    else
        S = node->next;
    if (node->next) node->next->prev = node->prev;
    delete node;
}

int clampedint(double value) {
    if (std::isnan(value)) return 0;
    if (value >= INT_MAX) return INT_MAX;
    if (value <= INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

void exit0(int) {
    if (!S) return;
    C = S;
    while (C->next) {
        T = C;
        C = C->next;
        delete T;
    }
    delete C;
    S = C = T = nullptr;
}
