#include "gedcom/LieuTables.h"

#include "gedcom/LieuRecherche.h"

namespace lignara {

namespace {

using lieux::trierParCle;

// Plusieurs noms peuvent donner le même pays ; les États disparus ont un code en minuscules.
constexpr auto kPays = trierParCle(std::to_array<LieuLignePays>({
    {"AFGHANISTAN", "AF"}, {"AFRIQUEDUSUD", "ZA"}, {"ALBANIE", "AL"}, {"ALGERIE", "DZ"},
    {"ALLEMAGNE", "DE"}, {"ANDORRE", "AD"}, {"ANGOLA", "AO"}, {"ANTIGUAETBARBUDA", "AG"},
    {"ARABIESAOUDITE", "SA"}, {"ARGENTINE", "AR"}, {"ARMENIE", "AM"}, {"AUSTRALIE", "AU"},
    {"AUTRICHE", "AT"}, {"AZERBAIDJAN", "AZ"}, {"BAHREIN", "BH"}, {"BANGLADESH", "BD"},
    {"BELGIQUE", "BE"}, {"BELIZE", "BZ"}, {"BENIN", "BJ"}, {"BHOUTAN", "BT"}, {"BIELORUSSIE", "BY"},
    {"BIRMANIE", "MM"}, {"BOLIVIE", "BO"}, {"BOSNIEHERZEGOVINE", "BA"}, {"BOTSWANA", "BW"},
    {"BRESIL", "BR"}, {"BRUNEI", "BN"}, {"BULGARIE", "BG"}, {"BURKINAFASO", "BF"},
    {"BURUNDI", "BI"}, {"CAMBODGE", "KH"}, {"CAMEROUN", "CM"}, {"CANADA", "CA"}, {"CAPVERT", "CV"},
    {"CENTRAFRIQUE", "CF"}, {"CHILI", "CL"}, {"CHINE", "CN"}, {"CHYPRE", "CY"}, {"COLOMBIE", "CO"},
    {"COMORES", "KM"}, {"CONGO", "CG"}, {"CONGOBRAZZAVILLE", "CG"}, {"CONGOKINSHASA", "CD"},
    {"COREEDUNORD", "KP"}, {"COREEDUSUD", "KR"}, {"COSTARICA", "CR"}, {"COTEDIVOIRE", "CI"},
    {"CROATIE", "HR"}, {"CUBA", "CU"}, {"DAHOMEY", "BJ"}, {"DANEMARK", "DK"}, {"DJIBOUTI", "DJ"},
    {"DOMINIQUE", "DM"}, {"EGYPTE", "EG"}, {"EMIRATSARABESUNIS", "AE"}, {"EQUATEUR", "EC"},
    {"ERYTHREE", "ER"}, {"ESPAGNE", "ES"}, {"ESTONIE", "EE"}, {"ETATSUNIS", "US"},
    {"ETATSUNISDAMERIQUE", "US"}, {"ETHIOPIE", "ET"}, {"FIDJI", "FJ"}, {"FINLANDE", "FI"},
    {"FRANCE", "FR"}, {"GABON", "GA"}, {"GAMBIE", "GM"}, {"GEORGIE", "GE"}, {"GHANA", "GH"},
    {"GRECE", "GR"}, {"GUATEMALA", "GT"}, {"GUINEE", "GN"}, {"GUINEEBISSAU", "GW"},
    {"GUINEEEQUATORIALE", "GQ"}, {"HAITI", "HT"}, {"HAUTEVOLTA", "BF"}, {"HONDURAS", "HN"},
    {"HONGKONG", "HK"}, {"HONGRIE", "HU"}, {"ILESCOOK", "CK"}, {"ILESGILBERTETELLICE", "ge"},
    {"ILESSALOMON", "SB"}, {"INDE", "IN"}, {"INDONESIE", "ID"}, {"IRAK", "IQ"}, {"IRAN", "IR"},
    {"IRLANDE", "IE"}, {"ISLANDE", "IS"}, {"ISRAEL", "IL"}, {"ITALIE", "IT"}, {"JAMAIQUE", "JM"},
    {"JAPON", "JP"}, {"JORDANIE", "JO"}, {"KAZAKHSTAN", "KZ"}, {"KENYA", "KE"},
    {"KIRGHIZISTAN", "KG"}, {"KIRIBATI", "KI"}, {"KOSOVO", "RS"}, {"KOWEIT", "KW"}, {"LAOS", "LA"},
    {"LESOTHO", "LS"}, {"LETTONIE", "LV"}, {"LIBAN", "LB"}, {"LIBERIA", "LR"}, {"LIBYE", "LY"},
    {"LIECHTENSTEIN", "LI"}, {"LITUANIE", "LT"}, {"LUXEMBOURG", "LU"}, {"MACEDOINE", "MK"},
    {"MADAGASCAR", "MG"}, {"MALAISIE", "MY"}, {"MALAWI", "MW"}, {"MALDIVES", "MV"}, {"MALI", "ML"},
    {"MALTE", "MT"}, {"MAROC", "MA"}, {"MARSHALL", "MH"}, {"MAURICE", "MU"}, {"MAURITANIE", "MR"},
    {"MEXIQUE", "MX"}, {"MICRONESIE", "FM"}, {"MOLDAVIE", "MD"}, {"MONACO", "MC"},
    {"MONGOLIE", "MN"}, {"MONTENEGRO", "ME"}, {"MOZAMBIQUE", "MZ"}, {"NAMIBIE", "NA"},
    {"NAURU", "NR"}, {"NEPAL", "NP"}, {"NICARAGUA", "NI"}, {"NIGER", "NE"}, {"NIGERIA", "NG"},
    {"NIUE", "NU"}, {"NORFOLK", "NF"}, {"NORVEGE", "NO"}, {"NOUVELLESHEBRIDES", "VU"},
    {"NOUVELLEZELANDE", "NZ"}, {"OMAN", "OM"}, {"OUGANDA", "UG"}, {"OUZBEKISTAN", "UZ"},
    {"PAKISTAN", "PK"}, {"PALAOS", "PW"}, {"PALESTINE", "PS"}, {"PANAMA", "PA"},
    {"PAPOUASIENOUVELLEGUINEE", "PG"}, {"PARAGUAY", "PY"}, {"PAYSBAS", "NL"}, {"PEROU", "PE"},
    {"PHILIPPINES", "PH"}, {"POLOGNE", "PL"}, {"PORTUGAL", "PT"}, {"QATAR", "QA"}, {"RDA", "ae"},
    {"REPUBLIQUEDEMOCRATIQUEALLEMANDE", "ae"}, {"REPUBLIQUEDOMINICAINE", "DO"},
    {"REPUBLIQUEFEDERALEALLEMANDE", "ao"}, {"REPUBLIQUETCHEQUE", "CZ"}, {"RFA", "ao"},
    {"RHODESIE", "ZW"}, {"ROUMANIE", "RO"}, {"ROYAUMEUNI", "GB"}, {"RUSSIE", "RU"},
    {"RWANDA", "RW"}, {"SAHARAOCCIDENTAL", "EH"}, {"SAINTMARIN", "SM"}, {"SALVADOR", "SV"},
    {"SAMOA", "WS"}, {"SAOTOMEETPRINCIPE", "ST"}, {"SENEGAL", "SN"}, {"SERBIE", "RS"},
    {"SERBIEETMONTENEGRO", "sm"}, {"SEYCHELLES", "SC"}, {"SIERRALEONE", "SL"}, {"SIKKIM", "sk"},
    {"SINGAPOUR", "SG"}, {"SLOVAQUIE", "SK"}, {"SLOVENIE", "SI"}, {"SOMALIE", "SO"},
    {"SOUDAN", "SD"}, {"SRILANKA", "LK"}, {"SUEDE", "SE"}, {"SUISSE", "CH"}, {"SURINAME", "SR"},
    {"SWAZILAND", "SZ"}, {"SYRIE", "SY"}, {"TADJIKISTAN", "TJ"}, {"TAIWAN", "TW"},
    {"TANZANIE", "TZ"}, {"TCHAD", "TD"}, {"TCHECOSLOVAQUIE", "ts"}, {"THAILANDE", "TH"},
    {"TIMORLESTE", "TL"}, {"TIMORORIENTAL", "TL"}, {"TOGO", "TG"}, {"TONGA", "TO"},
    {"TRINITEETTOBAGO", "TT"}, {"TUNISIE", "TN"}, {"TURKMENISTAN", "TM"}, {"TURQUIE", "TR"},
    {"TUVALU", "TV"}, {"UKRAINE", "UA"}, {"URSS", "ur"}, {"URUGUAY", "UY"}, {"USA", "US"},
    {"VANUATU", "VU"}, {"VATICAN", "VA"}, {"VENEZUELA", "VE"}, {"VIETNAM", "VN"}, {"YEMEN", "YE"},
    {"YEMENDUSUD", "ys"}, {"YOUGOSLAVIE", "yu"}, {"ZAIRE", "CD"}, {"ZAMBIE", "ZM"},
    {"ZIMBABWE", "ZW"},}));

constexpr auto kRegions = trierParCle(std::to_array<std::string_view>({
    "ALSACE", "AQUITAINE", "AUVERGNE", "BASSENORMANDIE", "BOURGOGNE", "BRETAGNE", "CENTRE",
    "CHAMPAGNEARDENNE", "CORSE", "FRANCHECOMTE", "HAUTENORMANDIE", "ILEDEFRANCE",
    "LANGUEDOCROUSSILLON", "LIMOUSIN", "LORRAINE", "MIDIPYRENEES", "NORDPASDECALAIS", "PACA",
    "PAYSDELALOIRE", "PICARDIE", "POITOUCHARENTES", "PROVENCEALPESCOTEDAZUR", "RHONEALPES",}));

// Sigles ISO 3166-1 alpha-3, avec quatre lignes propres : ASM donne le Samoa (WS), GET la
// Guinée équatoriale (GQ), ROM et TMP sont les anciens sigles de la Roumanie et du Timor.
constexpr auto kTroisLettres = trierParCle(std::to_array<LieuLignePays>({
    {"AFG", "AF"}, {"AGO", "AO"}, {"ALB", "AL"}, {"AND", "AD"}, {"ARE", "AE"}, {"ARG", "AR"},
    {"ARM", "AM"}, {"ASM", "WS"}, {"ATG", "AG"}, {"AUS", "AU"}, {"AUT", "AT"}, {"AZE", "AZ"},
    {"BDI", "BI"}, {"BEL", "BE"}, {"BEN", "BJ"}, {"BFA", "BF"}, {"BGD", "BD"}, {"BGR", "BG"},
    {"BHR", "BH"}, {"BIH", "BA"}, {"BLR", "BY"}, {"BLZ", "BZ"}, {"BOL", "BO"}, {"BRA", "BR"},
    {"BRN", "BN"}, {"BTN", "BT"}, {"BWA", "BW"}, {"CAF", "CF"}, {"CAN", "CA"}, {"CHE", "CH"},
    {"CHL", "CL"}, {"CHN", "CN"}, {"CIV", "CI"}, {"CMR", "CM"}, {"COD", "CD"}, {"COG", "CG"},
    {"COK", "CK"}, {"COL", "CO"}, {"COM", "KM"}, {"CPV", "CV"}, {"CRI", "CR"}, {"CUB", "CU"},
    {"CYP", "CY"}, {"CZE", "CZ"}, {"DEU", "DE"}, {"DJI", "DJ"}, {"DMA", "DM"}, {"DNK", "DK"},
    {"DOM", "DO"}, {"DZA", "DZ"}, {"ECU", "EC"}, {"EGY", "EG"}, {"ERI", "ER"}, {"ESH", "EH"},
    {"ESP", "ES"}, {"EST", "EE"}, {"ETH", "ET"}, {"FIN", "FI"}, {"FJI", "FJ"}, {"FRA", "FR"},
    {"FSM", "FM"}, {"GAB", "GA"}, {"GBR", "GB"}, {"GEO", "GE"}, {"GET", "GQ"}, {"GHA", "GH"},
    {"GIN", "GN"}, {"GMB", "GM"}, {"GNB", "GW"}, {"GRC", "GR"}, {"GTM", "GT"}, {"HKG", "HK"},
    {"HND", "HN"}, {"HRV", "HR"}, {"HTI", "HT"}, {"HUN", "HU"}, {"IDN", "ID"}, {"IND", "IN"},
    {"IRL", "IE"}, {"IRN", "IR"}, {"IRQ", "IQ"}, {"ISL", "IS"}, {"ISR", "IL"}, {"ITA", "IT"},
    {"JAM", "JM"}, {"JOR", "JO"}, {"JPN", "JP"}, {"KAZ", "KZ"}, {"KEN", "KE"}, {"KGZ", "KG"},
    {"KHM", "KH"}, {"KIR", "KI"}, {"KOR", "KR"}, {"KWT", "KW"}, {"LAO", "LA"}, {"LBN", "LB"},
    {"LBR", "LR"}, {"LBY", "LY"}, {"LIE", "LI"}, {"LKA", "LK"}, {"LSO", "LS"}, {"LTU", "LT"},
    {"LUX", "LU"}, {"LVA", "LV"}, {"MAR", "MA"}, {"MCO", "MC"}, {"MDA", "MD"}, {"MDG", "MG"},
    {"MDV", "MV"}, {"MEX", "MX"}, {"MHL", "MH"}, {"MKD", "MK"}, {"MLI", "ML"}, {"MLT", "MT"},
    {"MMR", "MM"}, {"MNE", "ME"}, {"MNG", "MN"}, {"MOZ", "MZ"}, {"MRT", "MR"}, {"MUS", "MU"},
    {"MWI", "MW"}, {"MYS", "MY"}, {"NAM", "NA"}, {"NER", "NE"}, {"NFK", "NF"}, {"NGA", "NG"},
    {"NIC", "NI"}, {"NIU", "NU"}, {"NLD", "NL"}, {"NOR", "NO"}, {"NPL", "NP"}, {"NRU", "NR"},
    {"NZL", "NZ"}, {"OMN", "OM"}, {"PAK", "PK"}, {"PAN", "PA"}, {"PER", "PE"}, {"PHL", "PH"},
    {"PLW", "PW"}, {"PNG", "PG"}, {"POL", "PL"}, {"PRK", "KP"}, {"PRT", "PT"}, {"PRY", "PY"},
    {"QAT", "QA"}, {"ROM", "RO"}, {"RUS", "RU"}, {"RWA", "RW"}, {"SAU", "SA"}, {"SDN", "SD"},
    {"SEN", "SN"}, {"SGP", "SG"}, {"SLB", "SB"}, {"SLE", "SL"}, {"SLV", "SV"}, {"SMR", "SM"},
    {"SOM", "SO"}, {"SRB", "RS"}, {"STP", "ST"}, {"SUR", "SR"}, {"SVK", "SK"}, {"SVN", "SI"},
    {"SWE", "SE"}, {"SWZ", "SZ"}, {"SYC", "SC"}, {"SYR", "SY"}, {"TCD", "TD"}, {"TGO", "TG"},
    {"THA", "TH"}, {"TJK", "TJ"}, {"TKM", "TM"}, {"TMP", "TL"}, {"TON", "TO"}, {"TTO", "TT"},
    {"TUN", "TN"}, {"TUR", "TR"}, {"TUV", "TV"}, {"TWN", "TW"}, {"TZA", "TZ"}, {"UGA", "UG"},
    {"UKR", "UA"}, {"URY", "UY"}, {"USA", "US"}, {"UZB", "UZ"}, {"VAT", "VA"}, {"VEN", "VE"},
    {"VNM", "VN"}, {"VUT", "VU"}, {"WSM", "WS"}, {"YEM", "YE"}, {"ZAF", "ZA"}, {"ZMB", "ZM"},
    {"ZWE", "ZW"},}));

}  // namespace

std::span<const LieuLignePays> tableLieuPays() { return kPays; }
std::span<const std::string_view> tableLieuRegions() { return kRegions; }
std::span<const LieuLignePays> tableLieuTroisLettres() { return kTroisLettres; }

std::optional<CodePays> chercherPays(std::string_view cle) {
    const auto* ligne = lieux::chercherParCle<LieuLignePays>(kPays, cle);
    if (!ligne) return std::nullopt;
    return ligne->code;
}

bool estRegionFrancaise(std::string_view cle) {
    return lieux::chercherParCle<std::string_view>(kRegions, cle) != nullptr;
}

std::optional<CodePays> chercherCodeTroisLettres(std::string_view sigle) {
    const auto* ligne = lieux::chercherParCle<LieuLignePays>(kTroisLettres, sigle);
    if (!ligne) return std::nullopt;
    return ligne->code;
}

}  // namespace lignara
