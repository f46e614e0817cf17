// Windows builds only: tan, atan, asin, acos and log10 carried inside the
// executable.
//
// MinGW-w64 takes these from the C runtime DLL (msvcrt.dll), whose
// implementation differs between Windows versions and again under wine, so
// one .exe could print a different last digit on another machine. Defined
// here, they are linked ahead of the DLL's import library. Each is evaluated
// in x87 extended precision and rounded once to double, the same way
// MinGW-w64's static sin, cos and pow already work: the result is the same on
// every machine, and it is the correctly rounded double (as glibc's nearly
// always is) far more often than the DLL's result.
#if defined(__MINGW32__)

#include <math.h>

extern "C" {

double tan(double x) { return static_cast<double>(tanl(x)); }

double atan(double x) { return static_cast<double>(atanl(x)); }

double asin(double x) { return static_cast<double>(asinl(x)); }

double acos(double x) { return static_cast<double>(acosl(x)); }

// The plot tool's axis ticks.
double log10(double x) { return static_cast<double>(log10l(x)); }

}  // extern "C"

#endif  // __MINGW32__
