#include "gedcom/LieuTables.h"

#include <array>

#include "gedcom/LieuRecherche.h"

namespace lignara {

namespace {

using lieux::trierParCle;

// Départements et territoires d'outre-mer. Paris a deux noms ; la Corse, deux départements
// (52 et 53) entre Corrèze et Côte-d'Or. Le code suit le numéro (+ 32 ; + 33 de la Côte-d'Or
// à la Haute-Savoie), puis viennent le Val-d'Oise (124), les Hauts-de-Seine, la Seine-Saint-Denis
// et le Val-de-Marne (125 à 127) et Paris (128), enfin l'outre-mer (129 à 137).
constexpr auto kFrance = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"AIN", 33}, {"AISNE", 34}, {"ALLIER", 35}, {"ALPESDEHAUTEPROVENCE", 36},
    {"ALPESMARITIMES", 38}, {"ARDECHE", 39}, {"ARDENNES", 40}, {"ARIEGE", 41}, {"AUBE", 42},
    {"AUDE", 43}, {"AVEYRON", 44}, {"BASRHIN", 100}, {"BOUCHESDURHONE", 45}, {"CALVADOS", 46},
    {"CANTAL", 47}, {"CHARENTE", 48}, {"CHARENTEMARITIME", 49}, {"CHER", 50}, {"CORREZE", 51},
    {"CORSEDUSUD", 52}, {"COTEDOR", 54}, {"COTESDARMOR", 55}, {"CREUSE", 56}, {"DEUXSEVRES", 111},
    {"DORDOGNE", 57}, {"DOUBS", 58}, {"DROME", 59}, {"ESSONNE", 123}, {"EURE", 60},
    {"EUREETLOIR", 61}, {"FINISTERE", 62}, {"GARD", 63}, {"GERS", 65}, {"GIRONDE", 66},
    {"GUADELOUPE", 129}, {"GUYANE", 131}, {"HAUTECORSE", 53}, {"HAUTEGARONNE", 64},
    {"HAUTELOIRE", 76}, {"HAUTEMARNE", 85}, {"HAUTESALPES", 37}, {"HAUTESAONE", 103},
    {"HAUTESAVOIE", 107}, {"HAUTESPYRENEES", 98}, {"HAUTEVIENNE", 119}, {"HAUTRHIN", 101},
    {"HAUTSDESEINE", 125}, {"HERAULT", 67}, {"ILLEETVILAINE", 68}, {"INDRE", 69},
    {"INDREETLOIRE", 70}, {"ISERE", 71}, {"JURA", 72}, {"LANDES", 73}, {"LOIRE", 75},
    {"LOIREATLANTIQUE", 77}, {"LOIRET", 78}, {"LOIRETCHER", 74}, {"LOT", 79}, {"LOTETGARONNE", 80},
    {"LOZERE", 81}, {"MAINEETLOIRE", 82}, {"MANCHE", 83}, {"MARNE", 84}, {"MARTINIQUE", 130},
    {"MAYENNE", 86}, {"MAYOTTE", 136}, {"MEURTHEETMOSELLE", 87}, {"MEUSE", 88}, {"MORBIHAN", 89},
    {"MOSELLE", 90}, {"NIEVRE", 91}, {"NORD", 92}, {"NOUVELLECALEDONIE", 137}, {"OISE", 93},
    {"ORNE", 94}, {"PARIS", 128}, {"PASDECALAIS", 95}, {"POLYNESIEFRANCAISE", 133},
    {"PUYDEDOME", 96}, {"PYRENEESATLANTIQUES", 97}, {"PYRENEESORIENTALES", 99}, {"REUNION", 132},
    {"RHONE", 102}, {"SAINTPIERREETMIQUELON", 134}, {"SAONEETLOIRE", 104}, {"SARTHE", 105},
    {"SAVOIE", 106}, {"SEINEETMARNE", 109}, {"SEINEMARITIME", 108}, {"SEINESAINTDENIS", 126},
    {"SOMME", 112}, {"TARN", 113}, {"TARNETGARONNE", 114}, {"TERRITOIREDEBELFORT", 122},
    {"VALDEMARNE", 127}, {"VALDOISE", 124}, {"VAR", 115}, {"VAUCLUSE", 116}, {"VENDEE", 117},
    {"VIENNE", 118}, {"VILLEDEPARIS", 128}, {"VOSGES", 120}, {"WALLISETFUTUNA", 135},
    {"YONNE", 121}, {"YVELINES", 110},}));

// Les 50 États et le district de Columbia, puis les noms français qui diffèrent du nom anglais.
constexpr auto kEtatsUnis = trierParCle(std::to_array<LieuLigneSubdivision>({
    {"ALABAMA", 33}, {"ALASKA", 34}, {"ARIZONA", 35}, {"ARKANSAS", 36}, {"CALIFORNIA", 37},
    {"COLORADO", 38}, {"CONNECTICUT", 39}, {"DELAWARE", 40}, {"DISTRICTOFCOLUMBIA", 41},
    {"FLORIDA", 42}, {"GEORGIA", 43}, {"HAWAII", 44}, {"IDAHO", 45}, {"ILLINOIS", 46},
    {"INDIANA", 47}, {"IOWA", 48}, {"KANSAS", 49}, {"KENTUCKY", 50}, {"LOUISIANA", 51},
    {"MAINE", 52}, {"MARYLAND", 53}, {"MASSACHUSETTS", 54}, {"MICHIGAN", 55}, {"MINNESOTA", 56},
    {"MISSISSIPPI", 57}, {"MISSOURI", 58}, {"MONTANA", 59}, {"NEBRASKA", 60}, {"NEVADA", 61},
    {"NEWHAMPSHIRE", 62}, {"NEWJERSEY", 63}, {"NEWMEXICO", 64}, {"NEWYORK", 65},
    {"NORTHCAROLINA", 66}, {"NORTHDAKOTA", 67}, {"OHIO", 68}, {"OKLAHOMA", 69}, {"OREGON", 70},
    {"PENNSYLVANIA", 71}, {"RHODEISLAND", 72}, {"SOUTHCAROLINA", 73}, {"SOUTHDAKOTA", 74},
    {"TENNESSEE", 75}, {"TEXAS", 76}, {"UTAH", 77}, {"VERMONT", 78}, {"VIRGINIA", 79},
    {"WASHINGTON", 80}, {"WESTVIRGINIA", 81}, {"WISCONSIN", 82}, {"WYOMING", 83},    {"CALIFORNIE", 37}, {"CAROLINEDUNORD", 66}, {"CAROLINEDUSUD", 73}, {"DAKOTADUNORD", 67},
    {"DAKOTADUSUD", 74}, {"FLORIDE", 42}, {"GEORGIE", 43}, {"LOUISIANE", 51},
    {"NOUVEAUMEXIQUE", 64}, {"PENNSYLVANIE", 71}, {"VIRGINIE", 79}, {"VIRGINIEOCCIDENTALE", 81},}));

struct TableDuPays {
    CodePays pays;
    std::span<const LieuLigneSubdivision> lignes;
};

constexpr std::array<TableDuPays, 2> kTables{{
    {CodePays{"FR"}, kFrance},
    {CodePays{"US"}, kEtatsUnis},
}};

}  // namespace

std::span<const LieuLigneSubdivision> tableLieuSubdivisions(CodePays pays) {
    for (const auto& t : kTables)
        if (t.pays == pays) return t.lignes;
    return lieux::subdivisionsAutresPays(pays);
}

std::uint16_t chercherSubdivision(CodePays pays, std::string_view cle) {
    const auto* ligne = lieux::chercherParCle(tableLieuSubdivisions(pays), cle);
    return ligne ? ligne->code : 0;
}

}  // namespace lignara
