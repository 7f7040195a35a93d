#include "documents/cartes/ZonesCarte.h"

#include "commun/Texte.h"
#include "reglages/Configuration.h"

namespace lignara {

const std::vector<ZoneCarte>& zonesCarte() {
    static const std::vector<ZoneCarte> zones = {
        {"Algérie", "DZ"},  {"Allemagne", "DE"}, {"Argentine", "AR"},  {"Australie", "AU"},  {"Autriche", "AT"},
        {"Belgique", "BE"}, {"Brésil", "BR"},    {"Bulgarie", "BG"},   {"Cambodge", "KH"},   {"Cameroun", "CM"},
        {"Canada", "CA"},   {"Chine", "CN"},     {"Espagne", "ES"},    {"Etats-Unis", "US"}, {"France", "FR"},
        {"Gabon", "GA"},    {"Grèce", "GR"},     {"Hongrie", "HU"},    {"Inde", "IN"},       {"Irlande", "IE"},
        {"Italie", "IT"},   {"Japon", "JP"},     {"Luxembourg", "LU"}, {"Mexique", "MX"},    {"Norvège", "NO"},
        {"Pays-Bas", "NL"}, {"Pologne", "PL"},   {"Portugal", "PT"},   {"Roumanie", "RO"},   {"Royaume-Uni", "GB"},
        {"Russie", "RU"},   {"Suisse", "CH"},    {"Tunisie", "TN"},    {"Viêt Nam", "VN"},
    };
    return zones;
}

std::vector<ChoixParametre> choixZones() {
    std::vector<ChoixParametre> choix;
    for (const ZoneCarte& z : zonesCarte()) choix.push_back({depuisUtf8(z.nom), codeZone(CodePays(z.code))});
    return choix;
}

bool estZoneCarte(std::uint16_t zone) { return !nomZone(zone).empty(); }

std::string nomZone(std::uint16_t zone) {
    for (const ZoneCarte& z : zonesCarte())
        if (codeZone(CodePays(z.code)) == zone) return depuisUtf8(z.nom);
    return {};
}

std::uint16_t zoneParDefaut(const Configuration* preferences) {
    if (preferences && estZoneCarte(preferences->codePays)) return preferences->codePays;
    return kZoneFrance;
}

}  // namespace lignara
