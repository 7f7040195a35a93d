#pragma once
// Une boîte d'arbre : une occurrence dessinée d'une personne, avec ses liens vers l'enfant, les
// parents, les voisines de rangée et les voisines de gauche. Les boîtes appartiennent à
// ArbreDeBoites, qui garde leurs adresses stables ; les liens ne possèdent rien.
//
// Coordonnées en unités de dessin, y vers le haut : y est le haut de la boîte (position de sa
// rangée), la boîte occupe les 944 unités en dessous ; etendue est le plus haut y atteint par
// les ascendants dessinés de la boîte (y + 240 pour une boîte tronquée, dont la pointe monte).
#include <array>
#include <cstdint>
#include <string>

namespace lignara {

struct CouleurBoite {
    std::uint8_t rouge = 255, vert = 255, bleu = 255;
    bool blanche() const { return rouge == 255 && vert == 255 && bleu == 255; }
    friend bool operator==(const CouleurBoite&, const CouleurBoite&) = default;
};

struct NoeudAscendant {
    static constexpr std::int32_t kHauteur = 944;
    static constexpr std::size_t kVoisinsMax = 6;

    std::uint32_t personne = 0;
    // Références dans la base, lues seulement quand la donnée est affichée (0 : aucune).
    std::uint32_t nom = 0, prenoms = 0;
    std::uint32_t naissance = 0, deces = 0;  // numéros d'événements
    std::uint32_t profession = 0, commentaire = 0;
    std::uint32_t photos = 0;
    std::uint32_t mariage = 0;  // mariage porté par la boîte (celle de l'épouse), événement
    std::uint8_t sexe = ' ';
    char cote = ' ';             // 'M' père de son enfant, 'F' mère, ' ' racine
    std::uint8_t generation = 0;
    std::int16_t annee = 0;      // année de naissance retenue (arbre chronologique)

    std::int32_t x = 0, largeur = 0;
    std::int32_t y = 0, etendue = 0;

    NoeudAscendant* enfant = nullptr;
    NoeudAscendant* pere = nullptr;
    NoeudAscendant* mere = nullptr;
    NoeudAscendant* precedent = nullptr;  // même rangée
    NoeudAscendant* suivant = nullptr;
    std::array<NoeudAscendant*, kVoisinsMax> voisins{};
    std::uint8_t nombreVoisins = 0;

    std::uint8_t profondeur = 1;  // générations dessinées de la boîte vers le haut
    bool tronque = false;         // ascendants connus mais non dessinés
    bool invisible = false;       // couple invisible qui porte les deux côtés d'un arbre familial
    CouleurBoite remplissage;

    // Textes préparés (Windows-1252) : nom, puis naissance, décès, profession, commentaire
    // (vides quand absents : leur place reste vide).
    std::string ligneNom;
    std::array<std::string, 4> lignes;
    std::array<std::string, 4> texteMariage;  // jusqu'à quatre lignes
    std::int32_t largeurMariage = 0;
    std::string photo;               // chemin de la photo retenue, vide sans photo
    std::int32_t largeurPhoto = 0;   // P ; la photo fait 832 de haut

    std::int32_t centre() const { return x + largeur / 2; }
    std::int32_t droite() const { return x + largeur; }
    std::int32_t bas() const { return y - kHauteur; }
    bool aParents() const { return pere != nullptr || mere != nullptr; }
};

}  // namespace lignara
