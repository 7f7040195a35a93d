#include "reference/ChronologieSource.h"

#include <sstream>

#include "commun/Texte.h"

namespace lignara {

namespace {

bool lireAnnee(const std::string& mot, int& annee) {
    if (mot == "...") {
        annee = ChronologieSource::kEnCours;
        return true;
    }
    if (mot.empty() || mot.size() > 6 || mot.find_first_not_of("-0123456789") != std::string::npos) return false;
    try {
        std::size_t fin = 0;
        annee = std::stoi(mot, &fin);
        return fin == mot.size() && annee >= -32768 && annee <= 32767;
    } catch (const std::exception&) {
        return false;
    }
}

bool lireCouleur(const std::string& mot, PeriodeChronologie& p) {
    if (mot.size() != 6 || mot.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return false;
    unsigned long v = std::stoul(mot, nullptr, 16);
    p.rouge = static_cast<std::uint8_t>(v >> 16);
    p.vert = static_cast<std::uint8_t>(v >> 8);
    p.bleu = static_cast<std::uint8_t>(v);
    return true;
}

bool estCommentaireOuVide(const std::string& ligne) {
    std::size_t debut = ligne.find_first_not_of(" \t");
    return debut == std::string::npos || ligne[debut] == '#';
}

}  // namespace

ChronologieSource ChronologieSource::lire(std::string_view texte) {
    ChronologieSource source;
    std::istringstream flux{std::string(texte)};
    std::string ligne;
    for (int numero = 1; std::getline(flux, ligne); ++numero) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        if (estCommentaireOuVide(ligne)) continue;
        if (std::string faute = source.lireLigne(ligne); !faute.empty()) {
            source.faute_ = "ligne " + std::to_string(numero) + " : " + faute;
            return source;
        }
    }
    if (source.periodes_.empty()) source.faute_ = "aucune période";
    if (source.periodes_.size() > 65535) source.faute_ = "plus de 65 535 périodes";
    return source;
}

std::string ChronologieSource::lireLigne(const std::string& ligne) {
    std::istringstream flux(ligne);
    std::string debut, fin, couleur, libelle;
    flux >> debut >> fin >> couleur;
    std::getline(flux >> std::ws, libelle);
    PeriodeChronologie p;
    int d = 0, f = 0;
    if (!lireAnnee(debut, d) || !lireAnnee(fin, f)) return "année illisible";
    if (f < d) return "fin avant le début";
    if (!lireCouleur(couleur, p)) return "couleur RRGGBB attendue";
    p.debut = static_cast<std::int16_t>(d);
    p.fin = static_cast<std::int16_t>(f);
    p.libelle = depuisUtf8(libelle);
    if (p.libelle.size() > Chronologie::kLongueurMaximaleLibelle) return "libellé de plus de 100 octets";
    if (p.libelle.find('?') != std::string::npos && libelle.find('?') == std::string::npos)
        return "caractère absent de Windows-1252 dans le libellé";
    if (!periodes_.empty() && periodes_.back().debut > p.debut) return "début avant celui de la ligne précédente";
    periodes_.push_back(std::move(p));
    return {};
}

}  // namespace lignara
