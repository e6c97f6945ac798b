#include "quantity.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <utility>

#include "polar.h"

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
    re = source.re;
    im = source.im;
    hasparts = source.hasparts;
    return *this;
}

void lm::parts(double& x, double& y) const {
    if (hasparts) {
        x = re;
        y = im;
    } else {
        tocartesian(radius, angle, x, y);
    }
}

bool lm::onaxis(double& factor, bool& imaginary) const {
    long k = 0;
    if (angle != 0 && !quarterturns(angle, k)) return false;
    imaginary = k % 2 != 0;
    factor = (k % 4 + 4) % 4 >= 2 ? -radius : radius;
    return true;
}

bool lm::isreal(double& x) const {
    bool imaginary;
    return onaxis(x, imaginary) && !imaginary;
}

void lm::principalpolar(double& modulus, double& turn) const {
    if (hasparts) {
        topolar(re, im, modulus, turn);
        return;
    }
    modulus = radius;
    turn = angle;
    principal(modulus, turn);
}

#if defined(__SANITIZE_ADDRESS__)
#define PHYCALC_NODE_POOL 0  // each node its own block, so that the sanitizer sees every misuse
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PHYCALC_NODE_POOL 0
#endif
#endif
#ifndef PHYCALC_NODE_POOL
#define PHYCALC_NODE_POOL 1
#endif

namespace {
union FreeNode {
    FreeNode* next;
    alignas(lm) unsigned char storage[sizeof(lm)];
};
FreeNode* freenodes = nullptr;
// Nodes never handed out yet: the rest of the newest block, taken in turn, so
// that a short list touches only the memory it uses.
FreeNode* fresh = nullptr;
FreeNode* freshend = nullptr;
constexpr int NODES_PER_BLOCK = 64;
}  // namespace

void* lm::operator new(std::size_t size) {
    if (!PHYCALC_NODE_POOL || size != sizeof(lm)) return ::operator new(size);
    if (FreeNode* node = freenodes) {
        freenodes = node->next;
        return node;
    }
    if (fresh == freshend) {
        fresh = static_cast<FreeNode*>(::operator new(sizeof(FreeNode) * NODES_PER_BLOCK));
        freshend = fresh + NODES_PER_BLOCK;
    }
    return fresh++;
}

void lm::operator delete(void* node, std::size_t size) {
    if (!PHYCALC_NODE_POOL || size != sizeof(lm)) return ::operator delete(node);
    auto* free = static_cast<FreeNode*>(node);
    free->next = freenodes;
    freenodes = free;
}

lm* S = nullptr;
lm* C = nullptr;
lm* T = nullptr;
lm* T1 = nullptr;

namespace {
template <std::size_t... K>
constexpr std::array<lm, sizeof...(K)> clearednodes(std::index_sequence<K...>) {
    return {((void)K, lm(lm::Cleared{}))...};
}
}  // namespace

constinit std::array<lm, 256> varib = clearednodes(std::make_index_sequence<256>());

std::vector<unsigned char> dropped;

void dropnode(lm* node) {
    if (node->serial >= 0 && static_cast<std::size_t>(node->serial) < dropped.size()) dropped[node->serial] = 1;
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
