// Fichiers de cartographie livrés : chaque texte de contours <code>.txt que produit
// tools/cartes/generer_contours.js devient <sortie>/<code>.dat, par l'écrivain du format
// (documents/cartes/FichierCarte). Le nom de chaque région vient de nos tables de lieux
// (data/Lieux, Windows-1252), jamais des données d'origine ; un numéro que nos tables ne
// connaissent pas arrête l'outil. Le fichier écrit est relu et comparé.
//   outil_cartes DOSSIER_CONTOURS DOSSIER_SORTIE
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/cartes/FichierCarte.h"
#include "gedcom/LieuTables.h"

using namespace lignara;
namespace fs = std::filesystem;

namespace {

struct Faute {
    std::string message;
};

std::vector<PointCarte> lirePoints(std::istringstream& mots) {
    std::size_t n = 0;
    mots >> n;
    std::vector<PointCarte> points(n);
    for (PointCarte& p : points) mots >> p.x >> p.y;
    if (!mots) throw Faute{"polygone illisible"};
    return points;
}

void lireLigne(const std::string& ligne, Carte& carte, std::string& pays) {
    std::istringstream mots(ligne);
    std::string genre;
    mots >> genre;
    if (genre == "carte") {
        mots >> pays >> carte.largeur >> carte.hauteur;
        if (!mots || pays.size() != 2) throw Faute{"en-tête illisible"};
    } else if (genre == "region") {
        RegionCarte r;
        mots >> r.numero >> r.code >> r.etiquette.x >> r.etiquette.y;
        if (!mots || pays.empty()) throw Faute{"région illisible"};
        if (r.numero <= 255)
            r.nom = std::string(nomSubdivision(CodePays(pays[0], pays[1]), static_cast<std::uint8_t>(r.numero)));
        if (r.nom.empty()) throw Faute{"région " + std::to_string(r.numero) + " absente de nos tables"};
        carte.regions.push_back(std::move(r));
    } else if (genre == "polygone" || genre == "enclave") {
        if (carte.regions.empty()) throw Faute{"polygone avant toute région"};
        carte.regions.back().polygones.push_back(PolygoneCarte{genre == "enclave", lirePoints(mots)});
    } else if (!genre.empty()) {
        throw Faute{"ligne inconnue « " + genre + " »"};
    }
}

bool construire(const fs::path& source, const fs::path& dossierSortie) {
    std::ifstream f(source);
    Carte carte;
    std::string pays, ligne;
    int numero = 0;
    try {
        while (std::getline(f, ligne)) {
            ++numero;
            lireLigne(ligne, carte, pays);
        }
        const fs::path cible = dossierSortie / (pays + ".dat");
        ecrireCarte(carte, cible);
        const Carte relue = lireCarte(dossierSortie.parent_path(), pays);
        if (relue.regions.size() != carte.regions.size()) throw Faute{"relecture différente"};
        std::size_t points = 0;
        for (const RegionCarte& r : relue.regions)
            for (const PolygoneCarte& p : r.polygones) points += p.points.size();
        std::printf("%s : %zu régions, %zu points, %ju octets\n", cible.filename().c_str(), relue.regions.size(),
                    points, static_cast<std::uintmax_t>(fs::file_size(cible)));
        return true;
    } catch (const Faute& faute) {
        std::fprintf(stderr, "%s:%d : %s\n", source.c_str(), numero, faute.message.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s : %s\n", source.c_str(), versUtf8(e.what()).c_str());
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage : outil_cartes DOSSIER_CONTOURS DOSSIER_SORTIE\n");
        return 2;
    }
    const fs::path sources = argv[1], sortie = argv[2];
    if (sortie.filename() != "Carto") {
        std::fprintf(stderr, "outil_cartes : le dossier de sortie doit s'appeler Carto\n");
        return 2;
    }
    std::error_code ec;
    fs::create_directories(sortie, ec);
    std::vector<fs::path> textes;
    for (const auto& e : fs::directory_iterator(sources, ec))
        if (e.path().extension() == ".txt") textes.push_back(e.path());
    std::sort(textes.begin(), textes.end());
    bool bon = !textes.empty();
    for (const fs::path& t : textes) bon = construire(t, sortie) && bon;
    return bon ? 0 : 1;
}
