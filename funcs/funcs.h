// Constants and functions of one complex operand (or two, for log).
#pragma once

namespace funcs {

void pi();
void c_i();
void e();
void C_exp();
void C_ln();
void C_log10();
void C_log();
void C_sqrt();

void C_sin();
void C_cos();
void C_tan();
void C_asin();
void C_acos();
void C_atan();

void C_abs();
void C_Re();
void C_Im();
void C_Conj();
void C_phase();

void C_tempC();
void C_tempF();
void C_tempR();

// An absolute temperature scale: x on it is (x - zero) * num / den + 273.15
// kelvin, or x * num / den where its 0 is 0 K.
struct TemperatureScale {
    const char* name;  // the function, and the target of a conversion
    double zero, num, den;
    bool absolute;  // its 0 is 0 K (Rankine): no zero point to take off
};
// The scale of that name, or null.
const TemperatureScale* temperaturescale(const char* name);

// x + iy degrees of scale as kelvin, and kelvin as degrees of scale; with a
// warning for a real temperature below 0 K.
void tokelvin(const TemperatureScale& scale, double& x, double& y);
void todegrees(const TemperatureScale& scale, double& x, double& y);

}  // namespace funcs
