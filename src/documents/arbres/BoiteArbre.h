#pragma once
// Ce que toutes les boîtes d'arbre partagent (ascendants, descendants, mixtes, cousins) : la
// personne, ses références dans la base, sa couleur, sa place et ses textes préparés. Les
// liens propres à chaque arbre sont dans NoeudAscendant et NoeudDescendant, qui en dérivent ;
// TextesBoites remplit les textes, TraceBoites dessine la boîte.
//
// Coordonnées en unités de dessin, y vers le haut : y est le haut de la boîte, qui occupe les
// 944 unités en dessous ; x son bord gauche.
#include <array>
#include <cstdint>
#include <string>

namespace lignara {

struct CouleurBoite {
    std::uint8_t rouge = 255, vert = 255, bleu = 255;
    bool blanche() const { return rouge == 255 && vert == 255 && bleu == 255; }
    friend bool operator==(const CouleurBoite&, const CouleurBoite&) = default;
};

struct BoiteArbre {
    static constexpr std::int32_t kHauteur = 944;
    static constexpr std::size_t kVoisinsMax = 6;

    std::uint32_t personne = 0;
    // Références dans la base, lues seulement quand la donnée est affichée (0 : aucune).
    std::uint32_t nom = 0, prenoms = 0;
    std::uint32_t naissance = 0, deces = 0;  // numéros d'événements
    std::uint32_t profession = 0, commentaire = 0;
    std::uint32_t photos = 0;
    std::uint32_t mariage = 0;  // mariage porté par la boîte (celle du conjoint), événement
    std::uint8_t sexe = ' ';
    std::uint8_t generation = 0;  // rangée de la boîte
    std::int16_t annee = 0;       // année de naissance retenue (arbre chronologique)

    std::int32_t x = 0, largeur = 0;
    std::int32_t y = 0;
    CouleurBoite remplissage;

    // Textes préparés (Windows-1252) : nom, puis naissance, décès, profession, commentaire
    // (vides quand absents : leur place reste vide).
    std::string ligneNom;
    std::array<std::string, 4> lignes;
    std::array<std::string, 4> texteMariage;  // jusqu'à quatre lignes
    std::int32_t largeurMariage = 0;
    std::string photo;              // chemin de la photo retenue, vide sans photo
    std::int32_t largeurPhoto = 0;  // P ; la photo fait 832 de haut

    std::int32_t centre() const { return x + largeur / 2; }
    std::int32_t droite() const { return x + largeur; }
    std::int32_t bas() const { return y - kHauteur; }
    // Lignes du texte de mariage jusqu'à la dernière non vide (0 : pas de texte).
    int lignesMariage() const {
        for (int k = static_cast<int>(texteMariage.size()); k > 0; --k)
            if (!texteMariage[static_cast<std::size_t>(k - 1)].empty()) return k;
        return 0;
    }
};

}  // namespace lignara
