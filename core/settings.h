// Process-wide settings of phycalc, set from the command line and the unit-names
// file.  Everything reads them by their names; only the routines below set them.
#pragma once

#include <string_view>

// How numbers are written: as printf's %g, %e or %f.
enum class NumberForm { GENERAL, SCIENTIFIC, FIXED };

struct Settings {
    char how223 = 1;                                 // 1: results in polar form, 0: cartesian
    bool readable = false;                           // results for people: "7.2 MJ", "3 + 4i"
    bool readablepolar = false;                      // complex ones as modulus and angle: "5 angle 53.1301023542 deg"
    NumberForm numberform = NumberForm::SCIENTIFIC;  // the numbers of results (-S1, -S2, -S3)
    int precision = 12;                              // their digits (-p)

    // Display names of the dimensions, printed beside a result's exponents.
    char LENGTH[10] = " Meter ";
    char MASS[10] = " Kg ";
    char TIME[10] = " Second ";
    char TEMP[10] = " \xB0k";
    char CHARGE[10] = " Coulomb ";
    char MOLE[10] = " MOLE ";

    char UNAME[350] = "";      // name of the unit system
    char MACNAME[300] = "";    // path of the unit-macro file
    char FORMNAME[350] = "";   // path of the formula file; empty: none
    char FORMTYTLE[350] = "";  // first word of the formula file
    char USERUNITS[350] = "";  // the user's own unit-macro file, read before MACNAME; empty: none
    bool plurals = false;      // MACNAME is the library: its names are found in the plural too
};

extern const char& how223;
extern const bool& readable;
extern const bool& readablepolar;
extern const NumberForm& numberform;
extern const int& precision;
extern const char (&LENGTH)[10];
extern const char (&MASS)[10];
extern const char (&TIME)[10];
extern const char (&TEMP)[10];
extern const char (&CHARGE)[10];
extern const char (&MOLE)[10];
extern const char (&UNAME)[350];
extern const char (&MACNAME)[300];
extern const char (&FORMNAME)[350];
extern const char (&FORMTYTLE)[350];
extern const char (&USERUNITS)[350];
extern const bool& plurals;

void setcartesian(bool cartesian);
// The readable form also writes numbers in the general format.
void setreadable(bool on);
// The polar readable form; it is a readable form.
void setreadablepolar(bool on);
void setnumberform(NumberForm form);
// At most MAX_PRECISION: beyond it a number only gains zeros.  A negative
// precision stands for 6, as in printf.
void setprecision(int digits);
constexpr int MAX_PRECISION = 100000;

// Takes the eight words of a unit-names file from its text: the name of the
// system, the six display names and the path of the unit-macro file.  The
// words that the text lacks keep their values.
void setunitnames(std::string_view text);

// path "" stands for none.
void setmacrofile(const char* path);
void setformulafile(const char* path, const char* title = "");
void setuserunits(const char* path);
void setplurals(bool on);

// Keeps every setting as it is when made, and puts them back when it goes.
class SettingsScope {
public:
    SettingsScope();
    ~SettingsScope();
    SettingsScope(const SettingsScope&) = delete;
    SettingsScope& operator=(const SettingsScope&) = delete;

private:
    Settings saved_;
};
