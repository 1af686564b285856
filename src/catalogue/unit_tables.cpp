#include "catalogue/unit_catalogue.h"

namespace quantivo::catalogue {
namespace {

// One unit a line, in definition order. The compiler reads each decimal literal to
// the nearest extended value. Temperature, Numbers and Fractions hold unit codes:
// the unit's 1-based position in its table.

// clang-format off
// Length: how many of the unit make one meter.
constexpr UnitRecord kLength[] = {
    {"kilometer", 0.001L},
    {"hectometer", 0.01L},
    {"dekameter", 0.1L},
    {"meter", 1.0L},
    {"decimeter", 10.0L},
    {"centimeter", 100.0L},
    {"millimeter", 1000.0L},
    {"micrometer", 1000000.0L},
    {"nanometer", 1e9L},
    {"angstrom", 1e10L},
    {"fermi", 1e15L},
    {"mile", 0.000621371192237L},
    {"furlong", 0.00497096953791L},
    {"chain", 0.049709695379L},
    {"rod", 0.198838781516L},
    {"perch", 0.198838781516L},
    {"pole", 0.198838781516L},
    {"fathom", 0.546806649169L},
    {"yard", 1.09361329834L},
    {"foot", 3.28083989501L},
    {"link", 4.9709695379L},
    {"inch", 39.3700787402L},
    {"mil", 39370.0787402L},
    // One unit in the last place below the extended value nearest to
    // 3.24077865471e-23; the long decimal singles that value out.
    {"megaparsec", 3.2407786547099999998e-23L},
    {"kiloparsec", 3.24077865471e-20L},
    {"parsec", 3.24077865471e-17L},
    {"lightyear", 1.05702341054e-16L},
    {"astronomical unit", 6.68458581304e-12L},
    {"nautical mile", 0.000539956803456L},
    {"mile (US Survey)", 0.000621369949495L},
    {"foot (US Survey)", 3.280833333333L},
    {"long reed (Biblical)", 0.312460942383L},
    {"reed (Biblical)", 0.364537766113L},
    {"long cubit (Biblical)", 1.8747656543L},
    {"cubit (Biblical)", 2.18722659668L},
    {"span (Biblical)", 4.37445319336L},
    {"handbreadth (Biblical)", 13.1233595801L},
    {"fingerbreadth (Biblical)", 52.4934383204L},
};

// Area: how many of the unit make one meter².
constexpr UnitRecord kArea[] = {
    {"kilometer²", 1e-6L},
    {"hectometer²", 0.0001L},
    {"dekameter²", 0.01L},
    {"meter²", 1.0L},
    {"decimeter²", 100.0L},
    {"centimeter²", 10000.0L},
    {"millimeter²", 1000000.0L},
    {"micrometer²", 1e12L},
    {"nanometer²", 1e18L},
    {"hectare", 0.0001L},
    {"are", 0.01L},
    {"barn", 1e28L},
    {"mile²", 3.86102158542e-7L},
    {"mile² (US Survey)", 3.86100614135e-7L},
    {"yard²", 1.1959900463L},
    {"foot²", 10.7639104167L},
    {"inch²", 1550.00310001L},
    {"cuerda", 0.000251698968034L},
    {"township", 1.07250170593e-8L},
    {"section", 3.86100614136e-7L},
    {"acre", 0.000247104393047L},
    {"rood", 0.000988417572188L},
    {"chain²", 0.00247104393047L},
    {"rod²", 0.0395367028875L},
    {"perch²", 0.0395367028875L},
    {"pole²", 0.0395367028875L},
};

// Volume: how many of the unit make one meter³.
constexpr UnitRecord kVolume[] = {
    {"meter³", 1.0L},
    {"centimeter³", 1000000.0L},
    {"yard³", 1.30795061931L},
    {"foot³", 35.3146667215L},
    {"inch³", 61023.7440947L},
    {"hectoliter", 10.0L},
    {"dekaliter", 100.0L},
    {"liter", 1000.0L},
    {"deciliter", 10000.0L},
    {"centiliter", 100000.0L},
    {"milliliter", 1000000.0L},
    {"cc", 1000000.0L},
    {"drop", 2e7L},
    {"dekastere", 0.1L},
    {"stere", 1.0L},
    {"decistere", 10.0L},
    {"cord", 0.275895833762L},
    {"board foot", 423.776000658L},
    {"tun", 1.04830179507L},
    {"barrel", 8.38641436057L},
    {"barrel (oil)", 6.28981077043L},
    {"gallon", 264.172052358L},
    {"gallon (UK)", 219.969151526L},
    {"quart", 1056.68820943L},
    {"pint", 2113.37641887L},
    {"cup", 4226.75283773L},
    {"ounce", 33814.0227018L},
    {"ounce (UK)", 35195.0642442L},
    {"tablespoon", 67628.0454037L},
    {"teaspoon", 202884.136211L},
    {"cor (Biblical)", 4.54545454545L},
    {"homer (Biblical)", 4.54545454545L},
    {"bath (Biblical)", 45.4545454545L},
    {"hin (Biblical)", 272.727272727L},
    {"cab (Biblical)", 818.181818181L},
    {"log (Biblical)", 3272.72727272L},
};

// Volume - Dry: how many of the unit make one pint (dry).
constexpr UnitRecord kDryVolume[] = {
    {"barrel", 0.00476194905L},
    {"liter", 0.5506104982L},
    {"pint", 1.0L},
    {"quart", 0.5L},
    {"peck", 0.0625L},
    {"bushel", 0.015625L},
    {"cor (Biblical)", 0.00250277499182L},
    {"homer (Biblical)", 0.00250277499182L},
    {"ephah (Biblical)", 0.0250277499182L},
    {"seah (Biblical)", 0.0750832497548L},
    {"omer (Biblical)", 0.250277499182L},
    {"cab (Biblical)", 0.450499498528L},
    {"log (Biblical)", 1.80199799411L},
};

// Time: how many of the unit make one day.
constexpr UnitRecord kTime[] = {
    {"millennium", 2.7397260274e-6L},
    {"century", 2.7397260274e-5L},
    {"decade", 0.00027397260274L},
    {"leap-year", 0.00273224043716L},
    {"year", 0.0027397260274L},
    {"sidereal year", 0.0027378031145L},
    {"tropical year", 0.00273790925583L},
    {"month (30 days)", 0.0333333333333L},
    {"fortnight", 0.0714285714286L},
    {"week", 0.142857142857L},
    {"day", 1.0L},
    {"hour", 24.0L},
    {"minute", 1440.0L},
    {"second", 86400.0L},
    {"millisecond", 8.64e7L},
    {"microsecond", 8.64e10L},
    {"nanosecond", 8.64e13L},
    {"picosecond", 8.64e16L},
    {"femtosecond", 8.64e19L},
    {"attosecond", 8.64e22L},
};

// Speed: how many of the unit make one meter/second.
constexpr UnitRecord kSpeed[] = {
    {"kilometer/hour", 3.6L},
    {"kilometer/minute", 0.06L},
    {"kilometer/second", 0.001L},
    {"meter/hour", 3600.0L},
    {"meter/minute", 60.0L},
    {"meter/second", 1.0L},
    {"centimeter/hour", 360000.0L},
    {"centimeter/minute", 6000.0L},
    {"centimeter/second", 100.0L},
    {"mile/hour", 2.23693629205L},
    {"mile/minute", 0.0372822715342L},
    {"mile/second", 0.000621371192236L},
    {"foot/hour", 11811.023622L},
    {"foot/minute", 196.850393701L},
    {"foot/second", 3.28083989501L},
    {"knot", 1.94384449244L},
    {"mach (sound)", 0.003016955289L},
    {"c (light)", 3.33564095198e-9L},
};

// Mass: how many of the unit make one kilogram.
constexpr UnitRecord kMass[] = {
    {"kilogram", 1.0L},
    {"hectogram", 10.0L},
    {"dekagram", 100.0L},
    {"gram", 1000.0L},
    {"decigram", 10000.0L},
    {"centigram", 100000.0L},
    {"milligram", 1000000.0L},
    {"microgram", 1e9L},
    {"dyne", 980665.0L},
    {"dalton", 6.02217364335e26L},
    {"kip", 0.00220462262185L},
    {"hundredweight", 0.0220462262185L},
    {"quarter", 0.088184904874L},
    {"pound", 2.20462262185L},
    {"ounce", 35.2739619496L},
    {"poundal", 70.9888484236L},
    {"slug", 0.0685217658568L},
    {"stone", 0.157473044418L},
    {"ton", 0.00110231131092L},
    {"ton (long)", 0.000984206527611L},
    {"ton (metric)", 0.001L},
    {"troy pound", 2.67922903577L},
    {"troy ounce", 32.1507484292L},
    {"carat", 5000.0L},
    {"grain", 15432.3583529L},
    {"pennyweight", 643.014931371L},
    {"scruple", 771.617917644L},
    {"talent (Biblical Hebrew)", 0.0292014063818L},
    {"mina (Biblical Hebrew)", 1.75208438291L},
    {"shekel (Biblical Hebrew)", 87.6042191455L},
    {"bekah (Biblical Hebrew)", 175.208438291L},
    {"gerah (Biblical Hebrew)", 1752.08438291L},
    {"talent (Biblical Greek)", 0.0490196078431L},
    {"mina (Biblical Greek)", 2.94117647059L},
    {"tetradrachma (Biblical Greek)", 73.5294117647L},
    {"didrachma (Biblical Greek)", 147.058823529L},
    {"drachma (Biblical Greek)", 294.117647059L},
    {"denarius (Biblical Roman)", 259.74025974L},
    {"assarion (Biblical Roman)", 4155.84415584L},
    {"quadrans (Biblical Roman)", 16623.3766234L},
    {"lepton (Biblical Roman)", 33246.7532468L},
};

// Density: how many of the unit make one gram/meter³.
constexpr UnitRecord kDensity[] = {
    {"gram/centimeter³", 1e-6L},
    {"kilogram/meter³", 0.001L},
    {"gram/meter³", 1.0L},
    {"milligram/meter³", 1000.0L},
    {"pound/inch³", 3.61272920001e-8L},
    {"pound/foot³", 6.24279605762e-5L},
    {"ounce/gallon", 0.000133526471232L},
    // One gram per cubic meter is 0.764554857984 / 907184.74 short tons per cubic yard.
    {"ton/yard³", 8.42777467778e-7L},
};

// Force: how many of the unit make one newton.
constexpr UnitRecord kForce[] = {
    {"kilonewton", 0.001L},
    {"newton", 1.0L},
    {"millinewton", 1000.0L},
    {"dyne", 100000.0L},
    {"joule/meter", 1.0L},
    // A newton is a hundredth of a joule per centimeter.
    {"joule/centimeter", 0.01L},
    {"kilogram force", 0.101971621298L},
    {"gram force", 101.971621298L},
    {"kip force", 0.0002248089431L},
    {"pound force", 0.2248089431L},
    {"ounce force", 3.5969430896L},
    {"poundal", 7.23301385121L},
};

// Energy: how many of the unit make one joule.
constexpr UnitRecord kEnergy[] = {
    {"gigajoule", 1e-9L},
    {"megajoule", 1e-6L},
    {"kilojoule", 0.001L},
    {"joule", 1.0L},
    {"millijoule", 1000.0L},
    {"microjoule", 1000000.0L},
    {"nanojoule", 1e9L},
    {"attojoule", 1e18L},
    {"erg", 1e7L},
    {"gigawatt-hour", 2.77777777778e-13L},
    {"megawatt-hour", 2.77777777778e-10L},
    {"kilowatt-hour", 2.77777777778e-7L},
    {"watt-hour", 0.000277777777778L},
    {"watt-second", 1.0L},
    {"horsepower-hour", 3.72506136e-7L},
    {"kilocalorie", 0.000238845896627L},
    {"calorie", 0.238845896627L},
    {"BTU", 0.000947817120313L},
    {"newton-meter", 1.0L},
    {"dyne-centimeter", 1e7L},
    {"gram force-centimeter", 10197.1621298L},
    {"pound force-foot", 0.737562149277L},
    {"pound force-inch", 8.85074579134L},
    {"ounce force-inch", 141.611932661L},
    {"poundal-foot", 23.7303604042L},
    {"therm", 9.47813394499e-9L},
    {"megaelectron volt", 6.24145700572e12L},
    {"kiloelectron volt", 6.24145700572e15L},
    {"electron volt", 6.24145700572e18L},
};

// Power: how many of the unit make one watt.
constexpr UnitRecord kPower[] = {
    {"megawatt", 1e-6L},
    {"kilowatt", 0.001L},
    {"watt", 1.0L},
    {"milliwatt", 1000.0L},
    {"horsepower", 0.0013410220896L},
    {"horsepower (boiler)", 0.000102009588901L},
    {"BTU/hour", 3.41517902682L},
    {"BTU/minute", 0.056919650447L},
    {"BTU/second", 0.000948660840783L},
    {"kilocalorie/second", 0.000239058510609L},
    {"calorie/second", 0.239058510609L},
    {"pound-foot/minute", 44.2537289567L},
    {"pound-foot/second", 0.737562149278L},
    {"ton (refrigeration)", 0.000284598252235L},
};

// Pressure: how many of the unit make one pascal.
constexpr UnitRecord kPressure[] = {
    {"megapascal", 1e-6L},
    {"kilopascal", 0.001L},
    {"pascal", 1.0L},
    {"newton/meter²", 1.0L},
    {"bar", 1e-5L},
    {"millibar", 0.01L},
    {"microbar", 10.0L},
    {"atmosphere", 9.86923266716e-6L},
    {"psi", 0.00014503773773L},
    {"dyne/centimeter²", 10.0L},
    {"kilogram/meter²", 0.101971621298L},
    {"kilogram/centimeter²", 1.01971621298e-5L},
    {"ton/foot²", 1.04427171166e-5L},
    {"ton/inch²", 7.2518868865e-8L},
    {"pound/foot²", 0.0208854342331L},
    {"pound/inch²", 0.00014503773773L},
    {"torr", 0.00750061682704L},
    {"centimeter mercury (0°C)", 0.000750061682704L},
    {"millimeter mercury (0°C)", 0.00750061682704L},
    {"centimeter water (4°C)", 0.0101974428892L},
    {"inch mercury (32°F)", 0.00029529987508L},
    {"inch water (60°F)", 0.00401864651985L},
};

// Flow: how many of the unit make one gallon/minute.
constexpr UnitRecord kFlow[] = {
    {"gallon/day", 1440.0L},
    {"gallon/hour", 60.0L},
    {"gallon/minute", 1.0L},
    {"gallon/second", 0.0166666666667L},
    {"gallon (UK)/day", 1199.05029836L},
    {"gallon (UK)/hour", 49.9604290982L},
    {"gallon (UK)/minute", 0.832673818304L},
    {"gallon (UK)/second", 0.0138778969718L},
    {"barrel (oil)/day", 34.2857142857L},
    {"barrel (oil)/hour", 1.42857142857L},
    {"barrel (oil)/minute", 0.0238095238095L},
    {"barrel (oil)/second", 0.000396825396825L},
    {"ounce/hour", 7680.0L},
    {"ounce/minute", 128.0L},
    {"ounce/second", 2.13333333333L},
    {"ounce (UK)/hour", 7993.66865568L},
    {"ounce (UK)/minute", 133.227810928L},
    {"ounce (UK)/second", 2.22046351547L},
    {"liter/day", 5450.99296896L},
    {"liter/hour", 227.12470704L},
    {"liter/minute", 3.785411784L},
    {"liter/second", 0.0630901964L},
    {"milliliter/hour", 227124.70704L},
    {"milliliter/minute", 3785.411784L},
    {"milliliter/second", 63.0901964L},
    {"meter³/day", 5.45099296896L},
    {"meter³/hour", 0.22712470704L},
    {"meter³/minute", 0.003785411784L},
    {"meter³/second", 6.30901964e-5L},
    {"centimeter³/hour", 227124.70704L},
    {"centimeter³/minute", 3785.411784L},
    {"centimeter³/second", 63.0901964L},
    {"yard³/hour", 0.297067901234L},
    {"yard³/minute", 0.00495113168723L},
    {"yard³/second", 8.25188614538e-5L},
    {"foot³/hour", 8.0208333333L},
    {"foot³/minute", 0.133680555555L},
    {"foot³/second", 0.00222800925925L},
    {"inch³/hour", 13860.0L},
    {"inch³/minute", 231.0L},
    {"inch³/second", 3.85L},
};

// Temperature: unit codes.
constexpr UnitRecord kTemperature[] = {
    {"Celsius", 1},
    {"Fahrenheit", 2},
    {"Kelvin", 3},
    {"Rankine", 4},
    {"Réaumur", 5},
};

// Numbers: unit codes.
constexpr UnitRecord kNumbers[] = {
    {"binary", 1},
    {"octal", 2},
    {"decimal", 3},
    {"hexadecimal", 4},
    {"Roman numeral", 5},
    {"base-2", 6},
    {"base-3", 7},
    {"base-4", 8},
    {"base-5", 9},
    {"base-6", 10},
    {"base-7", 11},
    {"base-8", 12},
    {"base-9", 13},
    {"base-10", 14},
    {"base-11", 15},
    {"base-12", 16},
    {"base-13", 17},
    {"base-14", 18},
    {"base-15", 19},
    {"base-16", 20},
    {"base-17", 21},
    {"base-18", 22},
    {"base-19", 23},
    {"base-20", 24},
    {"base-21", 25},
    {"base-22", 26},
    {"base-23", 27},
    {"base-24", 28},
    {"base-25", 29},
    {"base-26", 30},
    {"base-27", 31},
    {"base-28", 32},
    {"base-29", 33},
    {"base-30", 34},
    {"base-31", 35},
    {"base-32", 36},
    {"base-33", 37},
    {"base-34", 38},
    {"base-35", 39},
    {"base-36", 40},
};

// Fractions: unit codes.
constexpr UnitRecord kFractions[] = {
    {"[im]proper fraction", 1},
    {"mixed number", 2},
};

// Angle: how many of the unit make one degree.
constexpr UnitRecord kAngle[] = {
    {"degree", 1.0L},
    // The nearest extended value to pi/180; the ratios below are single divisions
    // of exact integers and so round correctly.
    {"radian", 0x8.efa351294e9c8aep-9L},
    {"grade", 10.0L / 9},
    {"minute", 60.0L},
    {"second", 3600.0L},
    {"revolution", 1.0L / 360},
    {"circle", 1.0L / 360},
    {"turn", 1.0L / 360},
    {"quadrant", 1.0L / 90},
    {"right angle", 1.0L / 90},
    {"sextant", 1.0L / 60},
    {"octant", 1.0L / 45},
};

// Light: how many of the unit make one foot-candle.
constexpr UnitRecord kLight[] = {
    {"foot-candle", 1.0L},
    {"meter-candle", 10.7639104167L},
    {"flame", 0.25L},
    {"lux", 10.7639104167L},
    {"phot", 0.00107639104167L},
    {"sb", 8.56564774909e-5L},
    {"lambert", 0.000269097760418L},
};

// Computer: how many of the unit make one byte.
constexpr UnitRecord kComputer[] = {
    {"bit", 8.0L},
    {"nibble", 2.0L},
    {"byte", 1.0L},
    {"word", 0.5L},
    {"double-word", 0.25L},
    {"quadruple-word", 0.125L},
    {"kilobit", 1.0L / 128},
    {"kilobyte", 1.0L / 1024},
    {"megabit", 1.0L / 131072},
    {"megabyte", 1.0L / 1048576},
    {"gigabit", 1.0L / 134217728},
    {"gigabyte", 1.0L / 1073741824},
    {"terabit", 1.0L / 137438953472},
    {"terabyte", 1.0L / 1099511627776},
};

// Dynamic Viscosity: how many of the unit make one newton-second/meter².
constexpr UnitRecord kDynamicViscosity[] = {
    {"newton-second/meter²", 1.0L},
    {"millinewton-second/meter²", 1000.0L},
    {"dyne-second/centimeter²", 10.0L},
    {"poise", 10.0L},
    {"centipoise", 1000.0L},
    {"pound force-second/foot²", 0.0208854342332L},
    {"poundal-second/foot²", 0.67196897514L},
    {"gram/centimeter-second", 10.0L},
    {"slug/foot-second", 0.0208854342332L},
    {"pound/foot-second", 0.67196897514L},
};

// Kinematic Viscosity: how many of the unit make one stoke.
constexpr UnitRecord kKinematicViscosity[] = {
    {"stoke", 1.0L},
    {"centistoke", 100.0L},
    {"meter²/second", 0.0001L},
    {"centimeter²/second", 1.0L},
    {"millimeter²/second", 100.0L},
    {"foot²/second", 0.00107639104167L},
};

// Conductivity: how many of the unit make one mho.
constexpr UnitRecord kConductivity[] = {
    {"mho", 1.0L},
    {"micromho", 1000000.0L},
    {"siemens", 1.0L},
    {"microsiemens", 1000000.0L},
    {"statmho", 8.99e11L},
};

// Thermal Conductivity: how many of the unit make one BTU-inch/hour-foot²-°F.
constexpr UnitRecord kThermalConductivity[] = {
    {"BTU-inch/hour-foot²-°F", 1.0L},
    {"BTU/hour-foot-°F", 0.0833333333333L},
    {"calorie/second-centimeter-°C", 0.000344482394363L},
    {"kilowatt/meter-K", 0.000144099615403L},
    {"watt/meter-K", 0.144099615403L},
    {"watt/centimeter-°C", 0.00144099615403L},
};
// clang-format on

// In index order: the order of the display-name list and the default tab order. A
// table holds as many units as the category has; no count is kept beside it.
constexpr CategoryDefinition kCategories[] = {
    {"Length", "Length", ConversionKind::Linear, kLength},
    {"Area", "Area", ConversionKind::Linear, kArea},
    {"Volume", "Volume", ConversionKind::Linear, kVolume},
    {"Volume - Dry", "DryVolume", ConversionKind::Linear, kDryVolume},
    {"Time", "Time", ConversionKind::Linear, kTime},
    {"Speed", "Speed", ConversionKind::Linear, kSpeed},
    {"Mass", "Mass", ConversionKind::Linear, kMass},
    {"Density", "Density", ConversionKind::Linear, kDensity},
    {"Force", "Force", ConversionKind::Linear, kForce},
    {"Energy", "Energy", ConversionKind::Linear, kEnergy},
    {"Power", "Power", ConversionKind::Linear, kPower},
    {"Pressure", "Pressure", ConversionKind::Linear, kPressure},
    {"Flow", "Flow", ConversionKind::Linear, kFlow},
    {"Temperature", "Temperature", ConversionKind::Temperature, kTemperature},
    {"Angle", "Angle", ConversionKind::Linear, kAngle},
    {"Light", "Light", ConversionKind::Linear, kLight},
    {"Numbers", "Numbers", ConversionKind::NumberBase, kNumbers},
    {"Fractions", "Fractions", ConversionKind::Fraction, kFractions},
    {"Computer", "Computer", ConversionKind::Linear, kComputer},
    {"Dynamic Viscosity", "Viscosity1", ConversionKind::Linear, kDynamicViscosity},
    {"Kinematic Viscosity", "Viscosity2", ConversionKind::Linear, kKinematicViscosity},
    {"Conductivity", "Conductivity", ConversionKind::Linear, kConductivity},
    {"Thermal Conductivity", "ThermalConductivity", ConversionKind::Linear, kThermalConductivity},
};

}  // namespace

std::span<const CategoryDefinition> BuiltInCategories() {
  return kCategories;
}

}  // namespace quantivo::catalogue
