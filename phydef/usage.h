#pragma once

// The text of "phydef --help".
extern const char* const PHYDEF_USAGE;
