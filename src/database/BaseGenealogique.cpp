// Fichier de base de travail : les sections se suivent dans cet ordre, sans trou.
//   SECTION              TAILLE
//   EnTeteBase           46 octets (décalages des sections, voir EnTeteBase.cpp)
//   individus            68 × nombre d'individus        (Individu.h)
//   fiches Famille       24 × nombre de fiches           (Famille.h)
//   événements           20 × nombre d'emplacements      (Evenement.h)
//   ZoneNotes            blocs de notes, bout à bout
//   TableNoms … TableSources, sept tables de chaînes ; la dernière va jusqu'à la fin du fichier
//
// Table de chaînes : chaque chaîne distincte une fois, suivie d'un saut de ligne (octet 10),
//   dans l'ordre de première utilisation ; réf. = décalage du premier octet dans la table + 1 ;
//   la chaîne vide n'est jamais rangée (réf. 0). Textes en Windows-1252.
// Chaîne de TableLieux : 3 octets de code de lieu (pays sur 2 octets, subdivision), puis le lieu.
// Chaîne de TablePhotos : 1 octet, le nombre de chemins (1 à 255), puis les chemins séparés par
//   un saut de ligne ; le dernier n'a que le saut de ligne de la table. Chemin ≤ 250 octets.
// Bloc de ZoneNotes : u16 nombre de lignes, puis ces lignes, chacune finie par un saut de ligne ;
//   une ligne fait au plus 250 octets saut de ligne compris ; lignes vides finales non rangées.
#include "database/BaseGenealogique.h"

#include <cstring>
#include <string>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/DonneesCorrompues.h"
#include "database/Octets.h"

namespace lignara {

namespace {

constexpr std::size_t kLigneNotesMax = 250;  // saut de ligne compris
constexpr std::size_t kLignePhotoMax = 251;  // saut de ligne compris

[[noreturn]] void corrompu(const std::string& detail) { throw DonneesCorrompues(detail); }

}  // namespace

BaseGenealogique::BaseGenealogique(FichierBinaire fichier, ModeLecture mode) : fichier_(std::move(fichier)) {
    tailleFichier_ = fichier_.taille();
    std::uint8_t octets[EnTeteBase::kTaille];
    if (tailleFichier_ < EnTeteBase::kTaille || fichier_.lire(0, octets, sizeof octets) != sizeof octets)
        corrompu("En-tête de la base incomplet"_1252);
    enTete_ = EnTeteBase::lire(octets);
    enTete_.verifier(tailleFichier_);
    if (mode == ModeLecture::Projection) projection_ = ProjectionLecture(fichier_.descripteur(), tailleFichier_);
    tetesDeBranche_ = EnsemblePersonnes(enTete_.nombreIndividus());
}

BaseGenealogique BaseGenealogique::ouvrir(const std::filesystem::path& chemin, ModeLecture mode) {
    return BaseGenealogique(FichierBinaire::ouvrirLecture(chemin), mode);
}

void BaseGenealogique::fermer() {
    projection_.liberer();
    fichier_.fermer();
    tetesDeBranche_ = EnsemblePersonnes();
}

void BaseGenealogique::fixerTransformationsNoms(TransformationNom noms, TransformationNom prenoms) {
    transformationNoms_ = std::move(noms);
    transformationPrenoms_ = std::move(prenoms);
}

// Rien n'est lu au-delà de la taille vue à l'ouverture : l'en-tête a été vérifié contre elle.
std::size_t BaseGenealogique::lireAuPlus(std::uint64_t decalage, std::uint8_t* octets, std::size_t taille) const {
    if (decalage >= tailleFichier_) return 0;
    if (taille > tailleFichier_ - decalage) taille = static_cast<std::size_t>(tailleFichier_ - decalage);
    if (projection_.valide()) {
        std::memcpy(octets, projection_.octets() + decalage, taille);
        return taille;
    }
    return fichier_.lire(decalage, octets, taille);
}

void BaseGenealogique::lireEnregistrement(std::uint64_t debut, std::uint32_t numero, std::uint32_t nombre, int taille,
                                          std::uint8_t* octets) const {
    if (numero == 0 || numero > nombre)
        corrompu("Numéro d'enregistrement hors de la table : "_1252 + std::to_string(numero));
    auto n = static_cast<std::size_t>(taille);
    if (lireAuPlus(debut + std::uint64_t{numero - 1} * n, octets, n) != n)
        corrompu("Enregistrement incomplet : "_1252 + std::to_string(numero));
}

Individu BaseGenealogique::LireIndividu(std::uint32_t numero) const {
    std::uint8_t o[Individu::kTaille];
    lireEnregistrement(enTete_.individus, numero, nombreIndividus(), Individu::kTaille, o);
    return Individu::lire(o);
}

Famille BaseGenealogique::LireFamille(std::uint32_t numero) const {
    std::uint8_t o[Famille::kTaille];
    lireEnregistrement(enTete_.familles, numero, nombreFamilles(), Famille::kTaille, o);
    return Famille::lire(o);
}

Evenement BaseGenealogique::LireEvenement(std::uint32_t numero) const {
    std::uint8_t o[Evenement::kTaille];
    lireEnregistrement(enTete_.evenements, numero, nombreEvenements(), Evenement::kTaille, o);
    return Evenement::lire(o);
}

std::uint64_t BaseGenealogique::finTable(TableTexte table) const {
    return table + 1 < kNombreTablesTexte ? enTete_.tables[table + 1] : tailleFichier_;
}

std::string BaseGenealogique::LireTexte(TableTexte table, std::uint32_t ref, std::size_t capacite) const {
    if (ref == 0 || capacite < 2) return {};
    std::uint64_t debut = enTete_.tables[table];
    std::uint64_t fin = finTable(table);
    if (ref > fin - debut) corrompu("Réf. hors de sa table de chaînes : "_1252 + std::to_string(ref));
    std::string texte(capacite - 1, '\0');
    std::uint64_t position = debut + ref - 1;
    std::size_t n = std::min<std::uint64_t>(texte.size(), fin - position);
    n = lireAuPlus(position, reinterpret_cast<std::uint8_t*>(texte.data()), n);
    std::size_t saut = texte.find('\n');
    if (saut < n) n = saut + 1;
    texte.resize(n > 0 ? n - 1 : 0);
    if (table == TableNoms && transformationNoms_) transformationNoms_(texte);
    if (table == TablePrenoms && transformationPrenoms_) transformationPrenoms_(texte);
    return texte;
}

// Une ligne finie par un saut de ligne, d'au plus maximum octets saut compris, avant fin.
std::string BaseGenealogique::lireLigne(std::uint64_t& position, std::uint64_t fin, std::size_t maximum) const {
    std::uint8_t tampon[kLignePhotoMax];
    std::size_t n = std::min<std::uint64_t>(maximum, fin > position ? fin - position : 0);
    n = lireAuPlus(position, tampon, n);
    auto saut = static_cast<const std::uint8_t*>(std::memchr(tampon, '\n', n));
    if (!saut) corrompu("Ligne sans fin dans la base"_1252);
    auto longueur = static_cast<std::size_t>(saut - tampon);
    position += longueur + 1;
    return std::string(reinterpret_cast<const char*>(tampon), longueur);
}

std::vector<std::string> BaseGenealogique::LireNotes(std::uint32_t decalage) const {
    std::vector<std::string> lignes;
    if (decalage == 0) return lignes;
    std::uint64_t fin = enTete_.tables[TableNoms];
    std::uint64_t position = std::uint64_t{enTete_.notes} + decalage - 1;
    std::uint8_t compte[2];
    if (position + 2 > fin || lireAuPlus(position, compte, 2) != 2)
        corrompu("Bloc de notes hors de la zone des notes"_1252);
    position += 2;
    std::uint16_t nombre = octets::lireU16(compte);
    lignes.reserve(nombre);
    for (std::uint16_t i = 0; i < nombre; ++i) lignes.push_back(lireLigne(position, fin, kLigneNotesMax));
    return lignes;
}

std::vector<std::string> BaseGenealogique::LirePhotos(std::uint32_t ref) const {
    std::vector<std::string> chemins;
    if (ref == 0) return chemins;
    std::uint64_t debut = enTete_.tables[TablePhotos];
    std::uint64_t fin = finTable(TablePhotos);
    if (ref > fin - debut) corrompu("Réf. hors de la table des photos"_1252);
    std::uint64_t position = debut + ref - 1;
    std::uint8_t nombre = 0;
    if (lireAuPlus(position, &nombre, 1) != 1) corrompu("Liste de photos illisible"_1252);
    ++position;
    chemins.reserve(nombre);
    for (int i = 0; i < nombre; ++i) chemins.push_back(lireLigne(position, fin, kLignePhotoMax));
    return chemins;
}

}  // namespace lignara
