// Construit les chronologies livrées : chaque source lisible data/Chronologies/<nom>.txt (UTF-8)
// devient <sortie>/Chrono-<nom>.dwa. Une ligne par période :
//     début  fin  couleur  libellé
// années entières (fin « ... » : période en cours), couleur RRGGBB en hexadécimal, libellé
// jusqu'au bout de la ligne (100 octets au plus en Windows-1252). « # » commence un commentaire.
// Les périodes doivent venir par année de début croissante ; toute faute arrête la construction
// en nommant le fichier et la ligne. Chaque chronologie de la liste livrée doit avoir sa source.
//   outil_chronologies DOSSIER_SOURCES DOSSIER_SORTIE
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "commun/Texte.h"
#include "shell/Chronologie.h"
#include "shell/ChronologieListe.h"

using namespace lignara;
namespace fs = std::filesystem;

namespace {

constexpr int kEnCours = 9999;

bool lireAnnee(const std::string& mot, int& annee) {
    if (mot == "...") {
        annee = kEnCours;
        return true;
    }
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

// Rend un message d'erreur, vide quand la ligne est bonne.
std::string lireLigne(const std::string& ligne, std::vector<PeriodeChronologie>& periodes) {
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
    if (!periodes.empty() && periodes.back().debut > p.debut) return "début avant celui de la ligne précédente";
    periodes.push_back(std::move(p));
    return {};
}

bool construire(const fs::path& source, const fs::path& sortie) {
    std::ifstream f(source);
    std::vector<PeriodeChronologie> periodes;
    std::string ligne;
    for (int numero = 1; std::getline(f, ligne); ++numero) {
        if (!ligne.empty() && ligne.back() == '\r') ligne.pop_back();
        if (ligne.find_first_not_of(" \t") == std::string::npos || ligne[ligne.find_first_not_of(" \t")] == '#')
            continue;
        if (std::string faute = lireLigne(ligne, periodes); !faute.empty()) {
            std::fprintf(stderr, "%s:%d : %s\n", source.string().c_str(), numero, faute.c_str());
            return false;
        }
    }
    if (periodes.empty() || periodes.size() > 65535) {
        std::fprintf(stderr, "%s : aucune période\n", source.string().c_str());
        return false;
    }
    std::ofstream o(sortie, std::ios::binary | std::ios::trunc);
    o << Chronologie::image(periodes);
    return static_cast<bool>(o.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage : outil_chronologies DOSSIER_SOURCES DOSSIER_SORTIE\n");
        return 2;
    }
    fs::path sources = argv[1], sortie = argv[2];
    std::error_code ec;
    fs::create_directories(sortie, ec);
    bool bon = true;
    const ChronologieListe liste = ChronologieListe::livree();
    for (const auto& entree : liste.entrees()) {
        if (entree.nom == "(aucun)") continue;
        std::string nom = versUtf8(entree.nom);
        fs::path source = sources / (nom + ".txt");
        if (!fs::is_regular_file(source, ec)) {
            std::fprintf(stderr, "%s : source absente\n", source.string().c_str());
            bon = false;
            continue;
        }
        bon = construire(source, sortie / ("Chrono-" + nom + ".dwa")) && bon;
    }
    return bon ? 0 : 1;
}
