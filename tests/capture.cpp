#include "capture.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/output.h"
#include "core/quantity.h"
#include "core/settings.h"
#include "engine/engine.h"
#include "frontend/frontend.h"

std::string evaluated(const char* expr) {
    Captured captured;
    SettingsScope keep;
    setnumberform(NumberForm::SCIENTIFIC);
    setprecision(12);
    handlestr(expr);
    return captured.text();
}

std::vector<std::string> listof(const char* expr) {
    char work[WORK_SIZE];
    prepass(expr, work);
    tokenise(work);
    assignprio();
    removebrackets();
    std::vector<std::string> nodes;
    for (lm* n = S; n; n = n->next) {
        if (n->kind == KIND_NUMBER) {
            std::ostringstream value;
            value << n->radius;
            nodes.push_back(value.str());
        } else {
            nodes.push_back(std::string(n->text) + ":" + std::to_string(n->prio));
        }
    }
    exit0(1);
    return nodes;
}

TempFile::TempFile(const std::string& content) {
    char name[] = "/tmp/phycalc-test-XXXXXX";
    int fd = mkstemp(name);
    if (fd >= 0) close(fd);
    path_ = name;
    std::ofstream(path_, std::ios::binary) << content;
}

TempFile::~TempFile() { std::remove(path_.c_str()); }

void TempFile::append(const std::string& content) const {
    std::ofstream(path_, std::ios::binary | std::ios::app) << content;
}
