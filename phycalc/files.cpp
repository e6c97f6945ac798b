#include "files.h"

#include <sstream>

#include "core/deffile.h"
#include "core/settings.h"
#include "core/strings.h"

void readunitnames(const char* path) {
    std::string head;
    readhead(path, head);
    std::istringstream file(head);
    setunitnames(file);
}

void readformulafile(const char* path) {
    std::string head;
    readhead(path, head);
    std::istringstream file(head);
    char title[sizeof FORMTYTLE];
    copycut(title, FORMTYTLE, sizeof title);  // a file of no word keeps the title
    readword(file, title, sizeof title);
    setformulafile(path, title);
}
