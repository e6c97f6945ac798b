#include "settings.h"

char how223 = 1;

char LENGTH[10] = " Meter ";
char MASS[10] = " Kg ";
char TIME[10] = " Second ";
char TEMP[10] = " \xB0k";
char CHARGE[10] = " Coulomb ";
char MOLE[10] = " MOLE ";

char UNAME[350] = "";
char MACNAME[300] = "";
char FORMNAME[350] = "";
char FORMTYTLE[350] = "";
