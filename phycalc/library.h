// "--units-from SOURCE TARGET": the unit-macro file of a unit library written
// in the language ("km = 1000*m", "# comments").
#pragma once

// Writes to target the unit-macro file that the definitions of source give,
// each "name = expression" evaluated with the entries before it.  A
// definition that does not come to one real value is named on standard error;
// then nothing is written and the status is 1.
int writelibrary(const char* source, const char* target);
