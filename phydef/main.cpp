#include "run.h"

int main(int argc, char** argv) { return runphydef(argc, argv); }
