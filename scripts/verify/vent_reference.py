#!/usr/bin/python3
"""Reference times of a rigid volume vented through an orifice, for
src/tools/verify/operation_problems.cc: the subsonic phase by mpmath's
quadrature at 40 digits, the choked phase in closed form (an exponential
decay of the pressure). Prints one line per value, 17 significant digits.

    /usr/bin/python3 scripts/verify/vent_reference.py
"""
import mpmath

mpmath.mp.dps = 40

GAMMA = mpmath.mpf("1.4")
R_GAS = mpmath.mpf("287.05")      # J/(kg K), dry air
P_ATM = mpmath.mpf(101325)        # Pa
T = mpmath.mpf(288)               # K, isothermal
VOLUME = mpmath.mpf(1)            # m^3, rigid
CD_A = mpmath.mpf("0.0012")       # m^2, Cd * A
P_END = mpmath.mpf("1.1") * P_ATM  # Pa, where the venting is followed to

R_CRIT = (2 / (GAMMA + 1)) ** (GAMMA / (GAMMA - 1))
P_CRIT = P_ATM / R_CRIT


def mass_flow(p):
    """Isentropic nozzle with a discharge coefficient, kg/s."""
    g = GAMMA
    if P_ATM / p < R_CRIT:
        return CD_A * p * mpmath.sqrt(g / (R_GAS * T)) * (2 / (g + 1)) ** ((g + 1) / (2 * (g - 1)))
    r = P_ATM / p
    return CD_A * p * mpmath.sqrt(2 * g / ((g - 1) * R_GAS * T) * (r ** (2 / g) - r ** ((g + 1) / g)))


def vent_time(p_from, p_to):
    """dm/dt = -mass_flow, m = p V / (R T): t = V/(R T) * integral dp / mass_flow."""
    return VOLUME / (R_GAS * T) * mpmath.quad(lambda p: 1 / mass_flow(p), [p_to, p_from])


def main():
    g = GAMMA
    tau = VOLUME / (CD_A * mpmath.sqrt(g * R_GAS * T) * (2 / (g + 1)) ** ((g + 1) / (2 * (g - 1))))
    values = [
        ("critical pressure ratio", R_CRIT),
        ("choked time constant tau (s)", tau),
        ("choked 500 kPa to 250 kPa: tau ln 2 (s)", tau * mpmath.log(2)),
        ("choked 400 kPa to p_crit: tau ln(p0/p_crit) (s)", tau * mpmath.log(400000 / P_CRIT)),
        ("subsonic p_crit to 1.1 p_atm, quadrature (s)", vent_time(P_CRIT, P_END)),
        ("check: choked 400 kPa to p_crit by quadrature (s)", vent_time(400000, P_CRIT)),
    ]
    for what, v in values:
        print("%s: %s" % (what, mpmath.nstr(v, 17)))


if __name__ == "__main__":
    main()
