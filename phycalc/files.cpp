#include "files.h"

#include <sstream>

#include "core/deffile.h"
#include "core/settings.h"
#include "core/strings.h"

void readunitnames(const char* path) {
    char* const fields[] = {UNAME, LENGTH, MASS, TIME, TEMP, CHARGE, MOLE, MACNAME};
    const std::size_t sizes[] = {sizeof UNAME, sizeof LENGTH, sizeof MASS, sizeof TIME,
                                 sizeof TEMP,  sizeof CHARGE, sizeof MOLE, sizeof MACNAME};
    std::string head;
    readhead(path, head);
    std::istringstream file(head);
    for (int k = 0; k < 8 && file; ++k) readword(file, fields[k], sizes[k]);
}

void readformulafile(const char* path) {
    copycut(FORMNAME, path, sizeof FORMNAME);
    std::string head;
    readhead(path, head);
    std::istringstream file(head);
    readword(file, FORMTYTLE, sizeof FORMTYTLE);
}
