#include "settings.h"

#include "strings.h"

namespace {
Settings current;
}

const char& how223 = current.how223;
const bool& readable = current.readable;
const bool& readablepolar = current.readablepolar;
const NumberForm& numberform = current.numberform;
const int& precision = current.precision;
const char (&LENGTH)[10] = current.LENGTH;
const char (&MASS)[10] = current.MASS;
const char (&TIME)[10] = current.TIME;
const char (&TEMP)[10] = current.TEMP;
const char (&CHARGE)[10] = current.CHARGE;
const char (&MOLE)[10] = current.MOLE;
const char (&UNAME)[350] = current.UNAME;
const char (&MACNAME)[300] = current.MACNAME;
const char (&FORMNAME)[350] = current.FORMNAME;
const char (&FORMTYTLE)[350] = current.FORMTYTLE;
const char (&USERUNITS)[350] = current.USERUNITS;
const bool& plurals = current.plurals;

void setcartesian(bool cartesian) { current.how223 = cartesian ? 0 : 1; }

void setreadable(bool on) {
    current.readable = on;
    if (on) current.numberform = NumberForm::GENERAL;
}

void setreadablepolar(bool on) {
    current.readablepolar = on;
    if (on) setreadable(true);
}

void setnumberform(NumberForm form) { current.numberform = form; }

void setprecision(int digits) { current.precision = digits < MAX_PRECISION ? digits : MAX_PRECISION; }

void setunitnames(std::string_view text) {
    struct Field {
        char* text;
        std::size_t size;
    };
    Settings& s = current;
    const Field fields[] = {{s.UNAME, sizeof s.UNAME}, {s.LENGTH, sizeof s.LENGTH},  {s.MASS, sizeof s.MASS},
                            {s.TIME, sizeof s.TIME},   {s.TEMP, sizeof s.TEMP},      {s.CHARGE, sizeof s.CHARGE},
                            {s.MOLE, sizeof s.MOLE},   {s.MACNAME, sizeof s.MACNAME}};
    for (const Field& field : fields)
        if (!readword(text, field.text, field.size)) break;
}

void setmacrofile(const char* path) { copycut(current.MACNAME, path, sizeof current.MACNAME); }

void setformulafile(const char* path, const char* title) {
    copycut(current.FORMNAME, path, sizeof current.FORMNAME);
    copycut(current.FORMTYTLE, title, sizeof current.FORMTYTLE);
}

void setuserunits(const char* path) { copycut(current.USERUNITS, path, sizeof current.USERUNITS); }

void setplurals(bool on) { current.plurals = on; }

SettingsScope::SettingsScope() : saved_(current) {}

SettingsScope::~SettingsScope() { current = saved_; }
