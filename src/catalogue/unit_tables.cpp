#include <array>

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

// Length: the names people type for its units.
constexpr UnitOtherNames kLengthOtherNames[] = {
    {"kilometer", "km", "kilometers, kilometre, kilometres"},
    {"hectometer", "hm", "hectometers, hectometre, hectometres"},
    {"dekameter", "dam", "dekameters, dekametre, dekametres, decameters, decametres"},
    {"meter", "m", "meters, metre, metres"},
    {"decimeter", "dm", "decimeters, decimetre, decimetres"},
    {"centimeter", "cm", "centimeters, centimetre, centimetres"},
    {"millimeter", "mm", "millimeters, millimetre, millimetres"},
    {"micrometer", "µm, um", "micrometers, micrometre, micrometres, micron, microns"},
    {"nanometer", "nm", "nanometers, nanometre, nanometres"},
    {"angstrom", "Å", "angstroms, ångström, ångströms"},
    {"fermi", "fm", "fermis, femtometer, femtometers, femtometre, femtometres"},
    {"mile", "mi", "miles, statute mile, statute miles"},
    {"furlong", "fur", "furlongs"},
    {"chain", "ch", "chains"},
    {"rod", "rd", "rods"},
    {"perch", "", "perches"},
    {"pole", "", "poles"},
    {"fathom", "ftm", "fathoms"},
    {"yard", "yd", "yards"},
    {"foot", "ft", "feet"},
    {"link", "li", "links"},
    {"inch", "in", "inches"},
    {"mil", "", "mils, thou"},
    {"megaparsec", "Mpc", "megaparsecs"},
    {"kiloparsec", "kpc", "kiloparsecs"},
    {"parsec", "pc", "parsecs"},
    {"lightyear", "ly", "lightyears, light year, light years, light-year, light-years"},
    {"astronomical unit", "au, AU", "astronomical units"},
    {"nautical mile", "nmi, NM", "nautical miles"},
    {"mile (US Survey)", "", "US survey mile, US survey miles, survey mile, survey miles"},
    {"foot (US Survey)", "ftUS", "US survey foot, US survey feet, survey foot, survey feet"},
    {"long reed (Biblical)", "", "long reeds"},
    {"reed (Biblical)", "", "reeds"},
    {"long cubit (Biblical)", "", "long cubits"},
    {"cubit (Biblical)", "", "cubits"},
    {"span (Biblical)", "", "spans"},
    {"handbreadth (Biblical)", "", "handbreadths"},
    {"fingerbreadth (Biblical)", "", "fingerbreadths"},
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

// Area: the names people type for its units.
constexpr UnitOtherNames kAreaOtherNames[] = {
    {"kilometer²", "km², sqkm", "square kilometers, square kilometre, square kilometres"},
    {"hectometer²", "hm²", "square hectometers, square hectometre, square hectometres"},
    {"dekameter²", "dam²", "square dekameters, square decameters, square decametres"},
    {"meter²", "m², sqm", "square meters, square metre, square metres"},
    {"decimeter²", "dm²", "square decimeters, square decimetre, square decimetres"},
    {"centimeter²", "cm²", "square centimeters, square centimetre, square centimetres"},
    {"millimeter²", "mm²", "square millimeters, square millimetre, square millimetres"},
    {"micrometer²", "µm², um²", "square micrometers, square micrometres, square microns"},
    {"nanometer²", "nm²", "square nanometers, square nanometre, square nanometres"},
    {"hectare", "ha", "hectares"},
    {"are", "a", "ares"},
    {"barn", "b", "barns"},
    {"mile²", "mi², sqmi", "square miles"},
    {"mile² (US Survey)", "", "square survey mile, square survey miles"},
    {"yard²", "yd², sqyd", "square yards"},
    {"foot²", "ft², sqft", "square feet"},
    {"inch²", "in², sqin", "square inches"},
    {"cuerda", "", "cuerdas"},
    {"township", "twp", "townships"},
    {"section", "", "sections"},
    {"acre", "ac", "acres"},
    {"rood", "", "roods"},
    {"chain²", "ch²", "square chains"},
    {"rod²", "rd²", "square rods"},
    {"perch²", "", "square perches"},
    {"pole²", "", "square poles"},
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

// Volume: the names people type for its units.
constexpr UnitOtherNames kVolumeOtherNames[] = {
    {"meter³", "m³", "cubic meters, cubic metre, cubic metres"},
    {"centimeter³", "cm³", "cubic centimeters, cubic centimetre, cubic centimetres"},
    {"yard³", "yd³, cuyd", "cubic yards"},
    {"foot³", "ft³, cuft", "cubic feet"},
    {"inch³", "in³, cuin", "cubic inches"},
    {"hectoliter", "hl, hL", "hectoliters, hectolitre, hectolitres"},
    {"dekaliter", "dal, daL", "dekaliters, dekalitre, dekalitres, decaliters, decalitres"},
    {"liter", "l, L", "liters, litre, litres"},
    {"deciliter", "dl, dL", "deciliters, decilitre, decilitres"},
    {"centiliter", "cl, cL", "centiliters, centilitre, centilitres"},
    {"milliliter", "ml, mL", "milliliters, millilitre, millilitres"},
    {"drop", "gtt", "drops"},
    {"dekastere", "", "dekasteres, decastere, decasteres"},
    {"stere", "", "steres"},
    {"decistere", "", "decisteres"},
    {"cord", "", "cords"},
    {"board foot", "FBM, fbm, bd ft", "board feet, board-foot, board-feet"},
    {"tun", "", "tuns"},
    {"barrel", "", "barrels"},
    {"barrel (oil)", "bbl", "oil barrel, oil barrels"},
    {"gallon", "gal", "gallons, US gallon, US gallons"},
    {"gallon (UK)", "imp gal", "imperial gallon, imperial gallons, UK gallon, UK gallons"},
    {"quart", "qt", "quarts"},
    {"pint", "pt", "pints"},
    {"cup", "", "cups"},
    {"ounce", "fl oz, floz, oz",
     "ounces, fluid ounce, fluid ounces, US fluid ounce, US fluid ounces"},
    {"ounce (UK)", "", "imperial fluid ounces, UK fluid ounces"},
    {"tablespoon", "tbsp, Tbsp, tbs, Tbs", "tablespoons"},
    {"teaspoon", "tsp", "teaspoons"},
    {"cor (Biblical)", "", "cors"},
    {"homer (Biblical)", "", "homers"},
    {"bath (Biblical)", "", "baths"},
    {"hin (Biblical)", "", "hins"},
    {"cab (Biblical)", "", "cabs"},
    {"log (Biblical)", "", "logs"},
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

// Volume - Dry: the names people type for its units.
constexpr UnitOtherNames kDryVolumeOtherNames[] = {
    {"barrel", "", "barrels, dry barrel, dry barrels"},
    {"liter", "l, L", "liters, litre, litres"},
    {"pint", "pt", "pints, dry pint, dry pints"},
    {"quart", "qt", "quarts, dry quart, dry quarts"},
    {"peck", "pk", "pecks"},
    {"bushel", "bu", "bushels"},
    {"cor (Biblical)", "", "cors"},
    {"homer (Biblical)", "", "homers"},
    {"ephah (Biblical)", "", "ephahs"},
    {"seah (Biblical)", "", "seahs"},
    {"omer (Biblical)", "", "omers"},
    {"cab (Biblical)", "", "cabs"},
    {"log (Biblical)", "", "logs"},
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

// Time: the names people type for its units.
constexpr UnitOtherNames kTimeOtherNames[] = {
    {"millennium", "", "millennia, millenniums"},
    {"century", "", "centuries"},
    {"decade", "", "decades"},
    {"leap-year", "", "leap year, leap years, leap-years"},
    {"year", "yr, y", "years, yrs"},
    {"sidereal year", "", "sidereal years"},
    {"tropical year", "", "tropical years, solar year, solar years"},
    {"month (30 days)", "mo", "month, months, mos"},
    {"fortnight", "", "fortnights"},
    {"week", "wk", "weeks, wks"},
    {"day", "d", "days"},
    {"hour", "h, hr", "hours, hrs"},
    {"minute", "min", "minutes, mins"},
    {"second", "s, sec", "seconds, secs"},
    {"millisecond", "ms, msec", "milliseconds"},
    {"microsecond", "µs, us", "microseconds"},
    {"nanosecond", "ns", "nanoseconds"},
    {"picosecond", "ps", "picoseconds"},
    {"femtosecond", "fs", "femtoseconds"},
    {"attosecond", "", "attoseconds"},
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

// Speed: the names people type for its units.
constexpr UnitOtherNames kSpeedOtherNames[] = {
    {"kilometer/hour", "km/h, km/hr, kph, KPH, kmh", "kilometers per hour, kilometres per hour"},
    {"kilometer/minute", "km/min", "kilometers per minute, kilometres per minute"},
    {"kilometer/second", "km/s", "kilometers per second, kilometres per second"},
    {"meter/hour", "m/h", "meters per hour, metres per hour"},
    {"meter/minute", "m/min", "meters per minute, metres per minute"},
    {"meter/second", "m/s", "meters per second, metres per second"},
    {"centimeter/hour", "cm/h", "centimeters per hour, centimetres per hour"},
    {"centimeter/minute", "cm/min", "centimeters per minute, centimetres per minute"},
    {"centimeter/second", "cm/s", "centimeters per second, centimetres per second"},
    {"mile/hour", "mph, MPH, mi/h, mi/hr", "miles per hour"},
    {"mile/minute", "mi/min", "miles per minute"},
    {"mile/second", "mi/s", "miles per second"},
    {"foot/hour", "ft/h, fph", "feet per hour"},
    {"foot/minute", "ft/min, fpm", "feet per minute"},
    {"foot/second", "ft/s, fps", "feet per second"},
    {"knot", "kn, kt, kts", "knots"},
    {"mach (sound)", "", "mach, speed of sound"},
    {"c (light)", "c", "speed of light"},
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

// Mass: the names people type for its units.
constexpr UnitOtherNames kMassOtherNames[] = {
    {"kilogram", "kg", "kilograms, kilogramme, kilogrammes, kilo, kilos"},
    {"hectogram", "hg", "hectograms, hectogramme, hectogrammes"},
    {"dekagram", "dag, dkg", "dekagrams, decagram, decagrams, decagramme, decagrammes"},
    {"gram", "g, gm, gms", "grams, gramme, grammes"},
    {"decigram", "dg", "decigrams, decigramme, decigrammes"},
    {"centigram", "cg", "centigrams, centigramme, centigrammes"},
    {"milligram", "mg", "milligrams, milligramme, milligrammes"},
    {"microgram", "µg, ug, mcg", "micrograms, microgramme, microgrammes"},
    {"dyne", "dyn", "dynes"},
    {"dalton", "Da, u, amu", "daltons, atomic mass unit, atomic mass units"},
    {"kip", "", "kips"},
    {"hundredweight", "cwt", "hundredweights, short hundredweight, short hundredweights"},
    {"quarter", "qr", "quarters"},
    {"pound", "lb, lbs, lbm", "pounds"},
    {"ounce", "oz", "ounces"},
    {"poundal", "pdl", "poundals"},
    {"slug", "", "slugs"},
    {"stone", "st", "stones"},
    {"ton", "", "tons, short ton, short tons, US ton, US tons"},
    {"ton (long)", "", "long ton, long tons, imperial ton, imperial tons"},
    {"ton (metric)", "t", "tonne, tonnes, metric ton, metric tons"},
    {"troy pound", "", "troy pounds"},
    {"troy ounce", "ozt, oz t", "troy ounces"},
    {"carat", "ct", "carats"},
    {"grain", "gr", "grains"},
    {"pennyweight", "dwt", "pennyweights"},
    {"scruple", "", "scruples"},
    {"shekel (Biblical Hebrew)", "", "shekels"},
    {"bekah (Biblical Hebrew)", "", "bekahs"},
    {"gerah (Biblical Hebrew)", "", "gerahs"},
    {"tetradrachma (Biblical Greek)", "", "tetradrachmas"},
    {"didrachma (Biblical Greek)", "", "didrachmas"},
    {"drachma (Biblical Greek)", "", "drachmas"},
    {"denarius (Biblical Roman)", "", "denarii"},
    {"assarion (Biblical Roman)", "", "assaria"},
    {"quadrans (Biblical Roman)", "", "quadrantes"},
    {"lepton (Biblical Roman)", "", "lepta"},
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

// Density: the names people type for its units.
constexpr UnitOtherNames kDensityOtherNames[] = {
    {"gram/centimeter³", "g/cm³, g/cc, g/mL, g/ml, kg/L, kg/l",
     "grams per cubic centimeter, grams per cubic centimetre"},
    {"kilogram/meter³", "kg/m³, g/L, g/l", "kilograms per cubic meter, kilograms per cubic metre"},
    {"gram/meter³", "g/m³, mg/L, mg/l", "grams per cubic meter, grams per cubic metre"},
    {"milligram/meter³", "mg/m³", "milligrams per cubic meter, milligrams per cubic metre"},
    {"pound/inch³", "lb/in³", "pounds per cubic inch"},
    {"pound/foot³", "lb/ft³, pcf", "pounds per cubic foot"},
    {"ounce/gallon", "oz/gal", "ounces per gallon"},
    {"ton/yard³", "ton/yd³", "tons per cubic yard, short tons per cubic yard"},
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

// Force: the names people type for its units.
constexpr UnitOtherNames kForceOtherNames[] = {
    {"kilonewton", "kN", "kilonewtons"},
    {"newton", "N", "newtons"},
    {"millinewton", "mN", "millinewtons"},
    {"dyne", "dyn", "dynes"},
    {"joule/meter", "J/m", "joules per meter, joules per metre"},
    {"joule/centimeter", "J/cm", "joules per centimeter, joules per centimetre"},
    {"kilogram force", "kgf, kp", "kilograms force, kilogram-force, kilograms-force, kiloponds"},
    {"gram force", "gf", "grams force, gram-force, grams-force"},
    {"kip force", "kipf, klbf", "kip, kips, kips force, kip-force, kips-force"},
    {"pound force", "lbf", "pounds force, pound-force, pounds-force"},
    {"ounce force", "ozf", "ounces force, ounce-force, ounces-force"},
    {"poundal", "pdl", "poundals"},
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

// Energy: the names people type for its units.
constexpr UnitOtherNames kEnergyOtherNames[] = {
    {"gigajoule", "GJ", "gigajoules"},
    {"megajoule", "MJ", "megajoules"},
    {"kilojoule", "kJ", "kilojoules"},
    {"joule", "J", "joules"},
    {"millijoule", "mJ", "millijoules"},
    {"microjoule", "µJ, uJ", "microjoules"},
    {"nanojoule", "nJ", "nanojoules"},
    {"attojoule", "aJ", "attojoules"},
    {"erg", "", "ergs"},
    {"gigawatt-hour", "GWh, GW·h", "gigawatt hours, gigawatt-hours"},
    {"megawatt-hour", "MWh, MW·h", "megawatt hours, megawatt-hours"},
    {"kilowatt-hour", "kWh, kW·h", "kilowatt hours, kilowatt-hours"},
    {"watt-hour", "Wh, W·h", "watt hours, watt-hours"},
    {"watt-second", "Ws, W·s", "watt seconds, watt-seconds"},
    {"horsepower-hour", "hph, hp·h", "horsepower hours, horsepower-hours"},
    {"kilocalorie", "kcal, Cal", "kilocalories, food calories, large calories"},
    {"calorie", "cal", "calories"},
    {"BTU", "", "BTUs, British thermal unit, British thermal units"},
    {"newton-meter", "N·m, N-m, Nm, N m, N.m",
     "newton meters, newton-meters, newton metres, newton-metres"},
    {"dyne-centimeter", "dyn·cm, dyn-cm", "dyne centimeters, dyne-centimeters"},
    {"gram force-centimeter", "gf·cm, gf-cm", "gram-force centimeters"},
    {"pound force-foot", "lbf·ft, ft·lbf, ft-lbf, ft-lb, lb-ft, ft.lbf, lbf.ft",
     "foot-pounds, foot pounds, pound-feet"},
    {"pound force-inch", "lbf·in, in·lbf, in-lbf, in-lb, lb-in",
     "inch-pounds, inch pounds, pound-inches"},
    {"ounce force-inch", "ozf·in, in·ozf, in-ozf, oz-in, in-oz", "inch-ounces, ounce-inches"},
    {"poundal-foot", "pdl·ft, pdl-ft, ft·pdl, ft-pdl", "poundal-feet, foot-poundals"},
    {"therm", "thm", "therms"},
    {"megaelectron volt", "MeV", "megaelectron volts, megaelectronvolt, megaelectronvolts"},
    {"kiloelectron volt", "keV", "kiloelectron volts, kiloelectronvolt, kiloelectronvolts"},
    {"electron volt", "eV", "electron volts, electronvolt, electronvolts"},
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

// Power: the names people type for its units.
constexpr UnitOtherNames kPowerOtherNames[] = {
    {"megawatt", "MW", "megawatts"},
    {"kilowatt", "kW", "kilowatts"},
    {"watt", "W, J/s", "watts"},
    {"milliwatt", "mW", "milliwatts"},
    {"horsepower", "hp, HP", ""},
    {"horsepower (boiler)", "", "boiler horsepower"},
    {"BTU/hour", "BTU/h, Btu/h, BTU/hr, Btu/hr", "BTUs per hour"},
    {"BTU/minute", "BTU/min, Btu/min", "BTUs per minute"},
    {"BTU/second", "BTU/s, Btu/s", "BTUs per second"},
    {"kilocalorie/second", "kcal/s", "kilocalories per second"},
    {"calorie/second", "cal/s", "calories per second"},
    {"pound-foot/minute", "ft·lbf/min, ft-lbf/min, ft·lb/min, ft-lb/min", "foot-pounds per minute"},
    {"pound-foot/second", "ft·lbf/s, ft-lbf/s, ft·lb/s, ft-lb/s", "foot-pounds per second"},
    {"ton (refrigeration)", "TR",
     "ton, tons, refrigeration ton, refrigeration tons, tons of refrigeration"},
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

// Pressure: the names people type for its units.
constexpr UnitOtherNames kPressureOtherNames[] = {
    {"megapascal", "MPa", "megapascals"},
    {"kilopascal", "kPa", "kilopascals"},
    {"pascal", "Pa", "pascals"},
    {"newton/meter²", "N/m²", "newtons per square meter, newtons per square metre"},
    {"bar", "", "bars"},
    {"millibar", "mbar, mb, hPa", "millibars, hectopascal, hectopascals"},
    {"microbar", "µbar, ubar", "microbars"},
    {"atmosphere", "atm", "atmospheres"},
    {"psi", "lbf/in²", "pounds-force per square inch"},
    {"dyne/centimeter²", "dyn/cm², Ba", "dynes per square centimeter, barye, baryes"},
    {"kilogram/meter²", "kg/m², kgf/m²", "kilograms per square meter, kilograms per square metre"},
    {"kilogram/centimeter²", "kg/cm², kgf/cm²",
     "kilograms per square centimeter, technical atmospheres"},
    {"ton/foot²", "ton/ft², tsf", "tons per square foot"},
    {"ton/inch²", "ton/in², tsi", "tons per square inch"},
    {"pound/foot²", "lb/ft², lbf/ft², psf", "pounds per square foot"},
    {"pound/inch²", "lb/in²", "pounds per square inch"},
    {"centimeter mercury (0°C)", "cmHg, cm Hg", "centimeters of mercury, centimetres of mercury"},
    {"millimeter mercury (0°C)", "mmHg, mm Hg", "millimeters of mercury, millimetres of mercury"},
    {"centimeter water (4°C)", "cmH2O, cm H2O", "centimeters of water, centimetres of water"},
    {"inch mercury (32°F)", "inHg, in Hg", "inches of mercury"},
    {"inch water (60°F)", "inH2O, in H2O", "inches of water"},
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

// Flow: the names people type for its units.
constexpr UnitOtherNames kFlowOtherNames[] = {
    {"gallon/day", "gpd, GPD, gal/d, gal/day", "gallons per day"},
    {"gallon/hour", "gph, GPH, gal/h, gal/hr", "gallons per hour"},
    {"gallon/minute", "gpm, GPM, gal/min", "gallons per minute"},
    {"gallon/second", "gal/s", "gallons per second"},
    {"gallon (UK)/day", "", "imperial gallons per day, UK gallons per day"},
    {"gallon (UK)/hour", "", "imperial gallons per hour, UK gallons per hour"},
    {"gallon (UK)/minute", "", "imperial gallons per minute, UK gallons per minute"},
    {"gallon (UK)/second", "", "imperial gallons per second, UK gallons per second"},
    {"barrel (oil)/day", "bbl/d, bbl/day, bpd, BPD", "barrels per day, oil barrels per day"},
    {"barrel (oil)/hour", "bbl/h", "barrels per hour, oil barrels per hour"},
    {"barrel (oil)/minute", "bbl/min", "barrels per minute, oil barrels per minute"},
    {"barrel (oil)/second", "bbl/s", "barrels per second, oil barrels per second"},
    {"ounce/hour", "fl oz/h, floz/h", "fluid ounces per hour, ounces per hour"},
    {"ounce/minute", "fl oz/min, floz/min", "fluid ounces per minute, ounces per minute"},
    {"ounce/second", "fl oz/s, floz/s", "fluid ounces per second, ounces per second"},
    {"ounce (UK)/hour", "", "imperial fluid ounces per hour, UK fluid ounces per hour"},
    {"ounce (UK)/minute", "", "imperial fluid ounces per minute, UK fluid ounces per minute"},
    {"ounce (UK)/second", "", "imperial fluid ounces per second, UK fluid ounces per second"},
    {"liter/day", "L/d, l/d, L/day, l/day", "liters per day, litres per day"},
    {"liter/hour", "L/h, l/h, lph, LPH", "liters per hour, litres per hour"},
    {"liter/minute", "L/min, l/min, lpm, LPM", "liters per minute, litres per minute"},
    {"liter/second", "L/s, l/s, lps", "liters per second, litres per second"},
    {"milliliter/hour", "mL/h, ml/h", "milliliters per hour, millilitres per hour"},
    {"milliliter/minute", "mL/min, ml/min", "milliliters per minute, millilitres per minute"},
    {"milliliter/second", "mL/s, ml/s", "milliliters per second, millilitres per second"},
    {"meter³/day", "m³/d, m³/day", "cubic meters per day, cubic metres per day"},
    {"meter³/hour", "m³/h", "cubic meters per hour, cubic metres per hour"},
    {"meter³/minute", "m³/min", "cubic meters per minute, cubic metres per minute"},
    {"meter³/second", "m³/s", "cubic meters per second, cubic metres per second, cumecs"},
    {"centimeter³/hour", "cm³/h, cc/h", "cubic centimeters per hour, cubic centimetres per hour"},
    {"centimeter³/minute", "cm³/min, cc/min",
     "cubic centimeters per minute, cubic centimetres per minute"},
    {"centimeter³/second", "cm³/s, cc/s",
     "cubic centimeters per second, cubic centimetres per second"},
    {"yard³/hour", "yd³/h", "cubic yards per hour"},
    {"yard³/minute", "yd³/min", "cubic yards per minute"},
    {"yard³/second", "yd³/s", "cubic yards per second"},
    {"foot³/hour", "ft³/h, cfh, CFH", "cubic feet per hour"},
    {"foot³/minute", "ft³/min, cfm, CFM", "cubic feet per minute"},
    {"foot³/second", "ft³/s, cfs, CFS", "cubic feet per second, cusecs"},
    {"inch³/hour", "in³/h", "cubic inches per hour"},
    {"inch³/minute", "in³/min", "cubic inches per minute"},
    {"inch³/second", "in³/s", "cubic inches per second"},
};

// Temperature: unit codes.
constexpr UnitRecord kTemperature[] = {
    {"Celsius", 1},
    {"Fahrenheit", 2},
    {"Kelvin", 3},
    {"Rankine", 4},
    {"Réaumur", 5},
};

// Temperature: the names people type for its units.
constexpr UnitOtherNames kTemperatureOtherNames[] = {
    {"Celsius", "°C, ℃, C, c",
     "centigrade, degrees celsius, degrees centigrade, degc, deg c, degrees c"},
    {"Fahrenheit", "°F, ℉, F, f", "degrees fahrenheit, degf, deg f, degrees f"},
    {"Kelvin", "K, °K", "kelvins, degrees kelvin, degk, deg k"},
    {"Rankine", "°R, R", "degrees rankine, degr, deg r"},
    {"Réaumur", "°Ré, °Re", "reaumur, degrees reaumur, degrees réaumur"},
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

// Numbers: the names people type for its units.
constexpr UnitOtherNames kNumbersOtherNames[] = {
    {"binary", "", "bin"},
    {"octal", "", "oct"},
    {"decimal", "", "dec"},
    {"hexadecimal", "", "hex"},
    {"Roman numeral", "", "roman, roman numerals"},
    {"base-2", "", "base 2, base2"},
    {"base-3", "", "base 3, base3"},
    {"base-4", "", "base 4, base4"},
    {"base-5", "", "base 5, base5"},
    {"base-6", "", "base 6, base6"},
    {"base-7", "", "base 7, base7"},
    {"base-8", "", "base 8, base8"},
    {"base-9", "", "base 9, base9"},
    {"base-10", "", "base 10, base10"},
    {"base-11", "", "base 11, base11"},
    {"base-12", "", "base 12, base12"},
    {"base-13", "", "base 13, base13"},
    {"base-14", "", "base 14, base14"},
    {"base-15", "", "base 15, base15"},
    {"base-16", "", "base 16, base16"},
    {"base-17", "", "base 17, base17"},
    {"base-18", "", "base 18, base18"},
    {"base-19", "", "base 19, base19"},
    {"base-20", "", "base 20, base20"},
    {"base-21", "", "base 21, base21"},
    {"base-22", "", "base 22, base22"},
    {"base-23", "", "base 23, base23"},
    {"base-24", "", "base 24, base24"},
    {"base-25", "", "base 25, base25"},
    {"base-26", "", "base 26, base26"},
    {"base-27", "", "base 27, base27"},
    {"base-28", "", "base 28, base28"},
    {"base-29", "", "base 29, base29"},
    {"base-30", "", "base 30, base30"},
    {"base-31", "", "base 31, base31"},
    {"base-32", "", "base 32, base32"},
    {"base-33", "", "base 33, base33"},
    {"base-34", "", "base 34, base34"},
    {"base-35", "", "base 35, base35"},
    {"base-36", "", "base 36, base36"},
};

// Fractions: unit codes.
constexpr UnitRecord kFractions[] = {
    {"[im]proper fraction", 1},
    {"mixed number", 2},
};

// Fractions: the names people type for its units.
constexpr UnitOtherNames kFractionsOtherNames[] = {
    {"[im]proper fraction", "", "fraction, fractions, improper fraction, proper fraction"},
    {"mixed number", "", "mixed numbers, mixed fraction, mixed fractions"},
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

// Angle: the names people type for its units.
constexpr UnitOtherNames kAngleOtherNames[] = {
    {"degree", "°", "degrees"},
    {"radian", "rad", "radians"},
    {"grade", "grad, gon", "grades, grads, gons, gradian, gradians"},
    {"minute", "arcmin, ′", "minutes, arcminute, arcminutes, arc minutes, minutes of arc"},
    {"second", "arcsec, ″", "seconds, arcsecond, arcseconds, arc seconds, seconds of arc"},
    {"revolution", "rev", "revolutions, revs"},
    {"circle", "", "circles"},
    {"turn", "", "turns"},
    {"quadrant", "", "quadrants"},
    {"right angle", "", "right angles"},
    {"sextant", "", "sextants"},
    {"octant", "", "octants"},
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

// Light: the names people type for its units.
constexpr UnitOtherNames kLightOtherNames[] = {
    {"foot-candle", "fc, ft-c", "foot-candles, foot candle, foot candles, footcandle, footcandles"},
    {"meter-candle", "", "meter-candles, metre-candle, metre-candles"},
    {"flame", "", "flames"},
    {"lux", "lx, lm/m²", "lumens per square meter, lumens per square metre"},
    {"phot", "ph", "phots"},
    {"sb", "", "stilb, stilbs"},
    {"lambert", "La", "lamberts"},
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

// Computer: the names people type for its units.
constexpr UnitOtherNames kComputerOtherNames[] = {
    {"bit", "b", "bits"},
    {"nibble", "", "nibbles, nybble, nybbles"},
    {"byte", "B", "bytes, octet, octets"},
    {"word", "", "words"},
    {"double-word", "", "double words, double-words, dwords"},
    {"quadruple-word", "", "quadruple words, quadruple-words, quad words, qwords"},
    {"kilobit", "Kb, kb, Kbit, kbit, Kibit", "kilobits, kibibits"},
    {"kilobyte", "KB, kB, KiB", "kilobytes, kibibytes"},
    {"megabit", "Mb, Mbit, Mibit", "megabits, mebibits"},
    {"megabyte", "MB, MiB", "megabytes, mebibytes"},
    {"gigabit", "Gb, Gbit, Gibit", "gigabits, gibibits"},
    {"gigabyte", "GB, GiB", "gigabytes, gibibytes"},
    {"terabit", "Tb, Tbit, Tibit", "terabits, tebibits"},
    {"terabyte", "TB, TiB", "terabytes, tebibytes"},
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

// Dynamic Viscosity: the names people type for its units.
constexpr UnitOtherNames kDynamicViscosityOtherNames[] = {
    {"newton-second/meter²", "N·s/m², N-s/m², Pa·s, Pa-s, Pa s", "pascal seconds, pascal-seconds"},
    {"millinewton-second/meter²", "mN·s/m², mN-s/m², mPa·s, mPa-s, mPa s", "millipascal seconds"},
    {"dyne-second/centimeter²", "dyn·s/cm², dyn-s/cm²", "dyne seconds per square centimeter"},
    {"poise", "P", "poises"},
    {"centipoise", "cP, cp, cps", "centipoises"},
    {"pound force-second/foot²", "lbf·s/ft², lbf-s/ft²", "pound-force seconds per square foot"},
    {"poundal-second/foot²", "pdl·s/ft², pdl-s/ft²", "poundal seconds per square foot"},
    {"gram/centimeter-second", "g/(cm·s), g/cm·s, g/cm-s", "grams per centimeter second"},
    {"slug/foot-second", "slug/(ft·s), slug/ft·s, slug/ft-s", "slugs per foot second"},
    {"pound/foot-second", "lb/(ft·s), lb/ft·s, lb/ft-s", "pounds per foot second"},
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

// Kinematic Viscosity: the names people type for its units.
constexpr UnitOtherNames kKinematicViscosityOtherNames[] = {
    {"stoke", "St", "stokes"},
    {"centistoke", "cSt", "centistokes"},
    {"meter²/second", "m²/s", "square meters per second, square metres per second"},
    {"centimeter²/second", "cm²/s", "square centimeters per second, square centimetres per second"},
    {"millimeter²/second", "mm²/s", "square millimeters per second, square millimetres per second"},
    {"foot²/second", "ft²/s", "square feet per second"},
};

// Conductivity: how many of the unit make one mho.
constexpr UnitRecord kConductivity[] = {
    {"mho", 1.0L},
    {"micromho", 1000000.0L},
    {"siemens", 1.0L},
    {"microsiemens", 1000000.0L},
    {"statmho", 8.99e11L},
};

// Conductivity: the names people type for its units.
constexpr UnitOtherNames kConductivityOtherNames[] = {
    {"mho", "℧", "mhos"},
    {"micromho", "µ℧", "micromhos"},
    {"siemens", "S", ""},
    {"microsiemens", "µS, uS", ""},
    {"statmho", "", "statmhos, statsiemens"},
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

// Thermal Conductivity: the names people type for its units.
constexpr UnitOtherNames kThermalConductivityOtherNames[] = {
    {"BTU-inch/hour-foot²-°F", "BTU·in/(h·ft²·°F), Btu·in/(h·ft²·°F), BTU-in/hr-ft²-°F", ""},
    {"BTU/hour-foot-°F", "BTU/(h·ft·°F), Btu/(h·ft·°F), BTU/hr-ft-°F, Btu/hr-ft-°F", ""},
    {"calorie/second-centimeter-°C", "cal/(s·cm·°C), cal/s·cm·°C", ""},
    {"kilowatt/meter-K", "kW/(m·K), kW/m·K, kW/mK",
     "kilowatts per meter kelvin, kilowatts per metre kelvin"},
    {"watt/meter-K", "W/(m·K), W/m·K, W/mK, W/m-K",
     "watts per meter kelvin, watts per metre kelvin"},
    {"watt/centimeter-°C", "W/(cm·°C), W/cm·°C", ""},
};
// clang-format on

// In index order: the order of the display-name list and the default tab order. A
// table holds as many units as the category has; no count is kept beside it. The last
// column is the place of the category's section in the settings file, which keeps Flow
// after Fractions and Computer last.
constexpr CategoryDefinition kCategories[] = {
    {"Length", "Length", ConversionKind::Linear, kLength, kLengthOtherNames, 1},
    {"Area", "Area", ConversionKind::Linear, kArea, kAreaOtherNames, 2},
    {"Volume", "Volume", ConversionKind::Linear, kVolume, kVolumeOtherNames, 3},
    {"Volume - Dry", "DryVolume", ConversionKind::Linear, kDryVolume, kDryVolumeOtherNames, 4},
    {"Time", "Time", ConversionKind::Linear, kTime, kTimeOtherNames, 5},
    {"Speed", "Speed", ConversionKind::Linear, kSpeed, kSpeedOtherNames, 6},
    {"Mass", "Mass", ConversionKind::Linear, kMass, kMassOtherNames, 7},
    {"Density", "Density", ConversionKind::Linear, kDensity, kDensityOtherNames, 8},
    {"Force", "Force", ConversionKind::Linear, kForce, kForceOtherNames, 9},
    {"Energy", "Energy", ConversionKind::Linear, kEnergy, kEnergyOtherNames, 10},
    {"Power", "Power", ConversionKind::Linear, kPower, kPowerOtherNames, 11},
    {"Pressure", "Pressure", ConversionKind::Linear, kPressure, kPressureOtherNames, 12},
    {"Flow", "Flow", ConversionKind::Linear, kFlow, kFlowOtherNames, 18},
    {"Temperature", "Temperature", ConversionKind::Temperature, kTemperature,
     kTemperatureOtherNames, 13},
    {"Angle", "Angle", ConversionKind::Linear, kAngle, kAngleOtherNames, 14},
    {"Light", "Light", ConversionKind::Linear, kLight, kLightOtherNames, 15},
    {"Numbers", "Numbers", ConversionKind::NumberBase, kNumbers, kNumbersOtherNames, 16},
    {"Fractions", "Fractions", ConversionKind::Fraction, kFractions, kFractionsOtherNames, 17},
    {"Computer", "Computer", ConversionKind::Linear, kComputer, kComputerOtherNames, 23},
    {"Dynamic Viscosity", "Viscosity1", ConversionKind::Linear, kDynamicViscosity,
     kDynamicViscosityOtherNames, 19},
    {"Kinematic Viscosity", "Viscosity2", ConversionKind::Linear, kKinematicViscosity,
     kKinematicViscosityOtherNames, 20},
    {"Conductivity", "Conductivity", ConversionKind::Linear, kConductivity, kConductivityOtherNames,
     21},
    {"Thermal Conductivity", "ThermalConductivity", ConversionKind::Linear, kThermalConductivity,
     kThermalConductivityOtherNames, 22},
};

struct Familiar {
  std::string_view Section;
  std::array<std::string_view, 2> Units;
};

// The units most people know a quantity by, to explain a unit of the user's own.
constexpr Familiar kFamiliar[] = {
    {"Length", {"meter", "foot"}},
    {"Area", {"meter²", "foot²"}},
    {"Volume", {"liter", "gallon"}},
    {"DryVolume", {"liter", "bushel"}},
    {"Time", {"second", "day"}},
    {"Speed", {"kilometer/hour", "mile/hour"}},
    {"Mass", {"kilogram", "pound"}},
    {"Density", {"kilogram/meter³", "pound/foot³"}},
    {"Force", {"newton", "pound force"}},
    {"Energy", {"joule", "kilocalorie"}},
    {"Power", {"watt", "horsepower"}},
    {"Pressure", {"pascal", "psi"}},
    {"Flow", {"liter/minute", "gallon/minute"}},
    {"Angle", {"degree", "radian"}},
    {"Light", {"lux", "foot-candle"}},
    {"Computer", {"byte", "kilobyte"}},
    {"Viscosity1", {"newton-second/meter²", "poise"}},
    {"Viscosity2", {"meter²/second", "stoke"}},
    {"Conductivity", {"siemens", "mho"}},
    {"ThermalConductivity", {"watt/meter-K", "BTU/hour-foot-°F"}},
};

}  // namespace

std::span<const CategoryDefinition> BuiltInCategories() {
  return kCategories;
}

std::array<std::string_view, 2> FamiliarUnits(std::string_view sectionName) {
  for (const Familiar& familiar : kFamiliar) {
    if (familiar.Section == sectionName) return familiar.Units;
  }
  return {};
}

}  // namespace quantivo::catalogue
