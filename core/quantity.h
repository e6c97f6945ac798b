// Values, dimensions and the expression list that every stage works on.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <vector>

// Exponents of the six base dimensions, in this slot order.
enum { MASS_SLOT, TIME_SLOT, LENGTH_SLOT, TEMP_SLOT, CHARGE_SLOT, MOLE_SLOT, UNIT_SLOTS };

class unit {
public:
    double exponent[UNIT_SLOTS] = {0, 0, 0, 0, 0, 0};

    void without();
    bool u0() const;  // dimensionless: every exponent is 0 (-0 included)
};

bool operator!=(const unit& a, const unit& b);  // exact; NaN always differs
unit operator+(const unit& a, const unit& b);
unit operator-(const unit& a, const unit& b);
unit operator*(const unit& u, double factor);

enum : char { KIND_EMPTY = 0, KIND_COMMAND = 1, KIND_NUMBER = 2 };

constexpr int TEXT_SIZE = 150;

// One node of the expression list: a command token or a complex quantity
// radius * e^(i * angle).  A negative radius r at angle a is -r at a + pi.
// A value made from cartesian parts (sums, conj, a product by a real, the
// functions) also keeps them: the polar form of x + i*y keeps only the digits
// of a small part that the modulus leaves it, and stores a value just below
// the negative real axis on it.  A value on an axis needs no parts: its
// polar form is exact.
class lm {
public:
    double radius = 0;
    double angle = 0;
    double re = 0, im = 0;  // the cartesian parts, when hasparts: neither is 0
    char text[TEXT_SIZE];   // see the constructor
    int prio = 0;
    unit dim;
    lm* next = nullptr;
    lm* prev = nullptr;
    char kind = KIND_EMPTY;
    bool hasparts = false;
    int serial = -1;  // place in the list being evaluated (see dropped); kept by the assignment

    // Texts are at most 49 characters (tokens and keywords): what lies beyond
    // the first TEXT_CLEARED bytes is never read before it is written, and a
    // short clearing is much cheaper for the nodes made for every token.
    static constexpr int TEXT_CLEARED = 64;
    lm() { std::memset(text, 0, TEXT_CLEARED); }
    // Cleared whole by the compiler: the variables are in place before the
    // program starts, and nothing of them is set at run time.
    struct Cleared {};
    constexpr explicit lm(Cleared) : text{} {}
    lm(const lm&) = delete;

    // Nodes come from a list of free nodes, which grows in blocks and is never
    // given back: a list is short, and is built again for every expression.
    static void* operator new(std::size_t size);
    static void operator delete(void* node, std::size_t size);
    // Takes over value, text, dimension and kind; keeps its own priority and links,
    // so a node can take a value without leaving its list.
    lm& operator=(const lm& source);

    // x + i*y: the kept parts, else those of the polar form.
    void parts(double& x, double& y) const;
    // The value as factor, or factor * i, when its angle is a whole number of
    // quarter turns (counted as the printing counts them).
    bool onaxis(double& factor, bool& imaginary) const;
    // The value as a real number, when it is one.
    bool isreal(double& x) const;
    // Modulus >= 0 and the principal angle, in (-pi, pi], that multi-valued
    // functions start from.
    void principalpolar(double& modulus, double& turn) const;
    void setparts(double x, double y) {
        re = x;
        im = y;
        hasparts = true;
    }
};

// The one expression list: head, cursor, node being evaluated, scratch.
extern lm* S;
extern lm* C;
extern lm* T;
extern lm* T1;

// Variables by character code: slot 0 is the last printed number.
extern std::array<lm, 256> varib;

void exit0(int);  // frees the whole current list; S becomes null

// Unlinks node from the list and frees it; when it was the head, S moves on.
// A node with a serial is marked in dropped.
void dropnode(lm* node);

// For each serial of the list being evaluated, whether its node was dropped:
// a node of a long list is found again by its serial without touching freed
// memory.
extern std::vector<unsigned char> dropped;

// value truncated toward zero, NaN as 0, beyond the range of int its nearest end.
int clampedint(double value);

constexpr double PI = 3.141592653589793;
constexpr double PI_2 = 1.5707963267948966;
