#pragma once

namespace mw::calc::modern {

// Present-day brewing formulas, worked beside the program's own predictions
// and never instead of them. Gravities are specific gravities (1.050),
// alcohol and utilization percentages are percent, colours SRM or EBC.

// Unit conversions of the metric figures.
inline constexpr double kGramsPerOunce = 28.349523125;
inline constexpr double kLitresPerGallon = 3.785411784;
inline constexpr double kPoundsPerKilogram = 2.20462262185;

// Tinseth's utilization as a fraction: the bigness factor
// 1.65 x 0.000125^(G - 1) times the boil-time factor (1 - e^(-0.04 t)) / 4.15.
double tinsethUtilization(double gravity, double boilMinutes);
// IBU of one addition: utilization x alpha acid in mg/l, where
// mg/l = alpha (fraction) x grams x 1000 / litres.
double tinsethIbu(double alphaPercent, double grams, double litres, double gravity,
                  double boilMinutes);

// Rager's utilization in percent: 18.11 + 13.86 x tanh((t - 31.32) / 18.27).
double ragerUtilizationPercent(double boilMinutes);
// Rager's gravity adjustment: (G - 1.050) / 0.2 above 1.050, otherwise 0.
double ragerGravityAdjustment(double gravity);
// IBU of one addition: grams x utilization x alpha x 1000 / (litres x (1 + adjustment)).
double ragerIbu(double alphaPercent, double grams, double litres, double gravity,
                double boilMinutes);

// Colour from the malt colour units (degrees Lovibond x pounds per US gallon).
double moreySrm(double mcu);    // 1.4922 x MCU^0.6859
double danielsSrm(double mcu);  // 0.2 x MCU + 8.4
double mosherSrm(double mcu);   // 0.3 x MCU + 4.7
double ebcFromSrm(double srm);  // 1.97 x SRM

// The gravity left when the yeast has eaten the attenuation (a fraction) of
// the points: 1 + (OG - 1) x (1 - attenuation).
double predictedFinalGravity(double originalGravity, double attenuation);
// Alcohol by volume, percent: (OG - FG) x 131.25.
double abvSimple(double originalGravity, double finalGravity);
// Alcohol by volume, percent: 76.08 x (OG - FG) / (1.775 - OG) x FG / 0.794,
// closer for strong beers.
double abvAlternate(double originalGravity, double finalGravity);
// Alcohol by weight, percent: 0.79336 x ABV / FG.
double abwFromAbv(double abv, double finalGravity);

}  // namespace mw::calc::modern
