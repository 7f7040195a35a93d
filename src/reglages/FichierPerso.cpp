// « Perso.dwa » : entiers little-endian, sans bourrage.
//   TAILLE     CONTENU
//   u16        version, 600
//   u16        nombre de blocs n
//   u32        décalage des données du premier bloc depuis le début du fichier
//   n fois     chemin complet du fichier généalogique suivi d'un saut de ligne (261 octets au
//              plus), puis u16 longueur des données de son bloc
//   données des blocs, l'une après l'autre dans l'ordre de l'index
// Les données d'un bloc sont au décalage du premier plus la somme des longueurs qui le précèdent.
// Les versions 400 à 599 ont le même index ; seules les données des blocs diffèrent (voir
// Favori.h), et c'est à leur lecture que la version sert. Toute autre version est ignorée.
#include "reglages/FichierPerso.h"

#include <algorithm>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reglages/EcritureReglages.h"
#include "reglages/LectureReglages.h"

namespace lignara {

namespace {

constexpr std::uint16_t kVersion = 600;
constexpr std::uint16_t kPremiereVersion = 400;
constexpr std::size_t kMaximumU16 = 65535;

[[noreturn]] void tropVolumineux() {
    throw OperationImpossible("Réglages des fichiers trop volumineux pour être enregistrés"_1252);
}

}  // namespace

FichierPerso FichierPerso::lire(std::span<const std::uint8_t> octets) {
    FichierPerso fichier;
    LectureReglages index(octets);
    std::uint16_t version = index.u16();
    std::uint16_t nombre = index.u16();
    std::size_t decalage = index.u32();
    if (!index.valide() || version < kPremiereVersion || version > kVersion) {
        fichier.intact_ = false;
        return fichier;
    }
    fichier.version_ = version;
    for (std::uint16_t i = 0; i < nombre; ++i) {
        BlocPerso bloc;
        bloc.chemin = index.ligne(kLimiteChemin + 1);
        std::size_t longueur = index.u16();
        if (!index.valide() || decalage > octets.size() || longueur > octets.size() - decalage) {
            fichier.intact_ = false;
            break;
        }
        auto donnees = octets.subspan(decalage, longueur);
        bloc.donnees.assign(donnees.begin(), donnees.end());
        fichier.blocs_.push_back(std::move(bloc));
        decalage += longueur;
    }
    return fichier;
}

const BlocPerso* FichierPerso::trouver(std::string_view chemin) const {
    auto it = std::find_if(blocs_.begin(), blocs_.end(), [&](const BlocPerso& b) { return b.chemin == chemin; });
    return it == blocs_.end() ? nullptr : &*it;
}

void FichierPerso::remplacer(std::string_view chemin, std::vector<std::uint8_t> donnees) {
    auto it = std::find_if(blocs_.begin(), blocs_.end(), [&](const BlocPerso& b) { return b.chemin == chemin; });
    if (it != blocs_.end()) {
        it->donnees = std::move(donnees);
    } else {
        blocs_.push_back({std::string(chemin), std::move(donnees)});
    }
}

std::vector<std::uint8_t> FichierPerso::ecrire() const {
    if (blocs_.size() > kMaximumU16) tropVolumineux();
    EcritureReglages e;
    e.u16(kVersion);
    e.u16(static_cast<std::uint16_t>(blocs_.size()));
    e.u32(0);
    for (const BlocPerso& bloc : blocs_) {
        if (bloc.chemin.size() > kLimiteChemin || bloc.chemin.find('\n') != std::string::npos)
            throw OperationImpossible("Chemin trop long ou invalide pour les réglages du fichier :\n"_1252 +
                                      depuisUtf8(bloc.chemin));
        if (bloc.donnees.size() > kMaximumU16) tropVolumineux();
        e.ligne(bloc.chemin, kLimiteChemin + 1);
        e.u16(static_cast<std::uint16_t>(bloc.donnees.size()));
    }
    e.remplacerU32(4, static_cast<std::uint32_t>(e.taille()));
    for (const BlocPerso& bloc : blocs_) e.octets(bloc.donnees);
    return e.prendre();
}

}  // namespace lignara
