// "--units-from SOURCE TARGET": the unit-macro file of a unit library written
// in the language ("km = 1000*m", "# comments").
#pragma once

// Writes to target the unit-macro file that the definitions of source give,
// each "name = expression" evaluated with the entries before it.  A
// definition that does not come to one real value is named on standard error;
// then nothing is written and the status is 1.
int writelibrary(const char* source, const char* target);

#include <string>
#include <string_view>

// The name and the expression of a line "name = expression  # comment";
// false when either is missing.
bool namedexpression(std::string_view line, std::string& name, std::string& expr);

// The unit-macro definition of expr ("_c(_1000_$m_1_c)_"), evaluated with the
// definition files of the settings: it must come to one real value with no
// message; false, with why, when it does not.
bool macrodefinition(const std::string& expr, std::string& definition, std::string& why);

// Why name cannot be the name of a unit ("shadows the keyword sin"); empty
// when it can.
std::string refusedunitname(const std::string& name);
