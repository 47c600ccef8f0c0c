#pragma once

// glibc's sinl and cosl, built from source into every build: MinGW's own
// differ in the last bits, which a rounded height can show.
extern "C" {
long double tolvar_glibc_sinl(long double x);
long double tolvar_glibc_cosl(long double x);
}

namespace tolvar {

inline long double SinExt(long double x) { return tolvar_glibc_sinl(x); }
inline long double CosExt(long double x) { return tolvar_glibc_cosl(x); }

} // namespace tolvar
