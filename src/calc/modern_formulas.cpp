#include "calc/modern_formulas.h"

#include <cmath>

namespace mw::calc::modern {

double tinsethUtilization(double gravity, double boilMinutes) {
    const double bigness = 1.65 * std::pow(0.000125, gravity - 1.0);
    const double boilFactor = (1.0 - std::exp(-0.04 * boilMinutes)) / 4.15;
    return bigness * boilFactor;
}

double tinsethIbu(double alphaPercent, double grams, double litres, double gravity,
                  double boilMinutes) {
    const double mgPerLitre = alphaPercent * 0.01 * grams * 1000.0 / litres;
    return tinsethUtilization(gravity, boilMinutes) * mgPerLitre;
}

double ragerUtilizationPercent(double boilMinutes) {
    return 18.11 + 13.86 * std::tanh((boilMinutes - 31.32) / 18.27);
}

double ragerGravityAdjustment(double gravity) {
    return gravity > 1.050 ? (gravity - 1.050) / 0.2 : 0.0;
}

double ragerIbu(double alphaPercent, double grams, double litres, double gravity,
                double boilMinutes) {
    const double utilization = ragerUtilizationPercent(boilMinutes) * 0.01;
    return grams * utilization * alphaPercent * 0.01 * 1000.0 /
           (litres * (1.0 + ragerGravityAdjustment(gravity)));
}

double moreySrm(double mcu) {
    return mcu <= 0.0 ? 0.0 : 1.4922 * std::pow(mcu, 0.6859);
}

double danielsSrm(double mcu) {
    return 0.2 * mcu + 8.4;
}

double mosherSrm(double mcu) {
    return 0.3 * mcu + 4.7;
}

double ebcFromSrm(double srm) {
    return 1.97 * srm;
}

double predictedFinalGravity(double originalGravity, double attenuation) {
    return 1.0 + (originalGravity - 1.0) * (1.0 - attenuation);
}

double abvSimple(double originalGravity, double finalGravity) {
    return (originalGravity - finalGravity) * 131.25;
}

double abvAlternate(double originalGravity, double finalGravity) {
    return 76.08 * (originalGravity - finalGravity) / (1.775 - originalGravity) * finalGravity /
           0.794;
}

double abwFromAbv(double abv, double finalGravity) {
    return 0.79336 * abv / finalGravity;
}

}  // namespace mw::calc::modern
