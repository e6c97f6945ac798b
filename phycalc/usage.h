#pragma once

// The text of "phycalc --help".
extern const char* const PHYCALC_USAGE;
