#include "reglages/Favori.h"

#include <algorithm>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reglages/EcritureReglages.h"
#include "reglages/FichierReglages.h"
#include "reglages/LectureReglages.h"

namespace lignara {

namespace {

constexpr std::uint16_t kVersionFicheComplete = 600;
constexpr std::uint8_t kTypeFicheIndividuelle = 10;
constexpr std::size_t kCasesAjoutees = 4;

}  // namespace

bool lireFavoris(LectureReglages& l, std::uint16_t version, std::vector<Favori>& favoris) {
    favoris.clear();
    const std::uint8_t nombre = l.u8();
    for (std::uint8_t i = 0; i < nombre && l.valide(); ++i) {
        Favori favori;
        favori.nom = l.ligne(Favori::kLimiteNom + 1);
        // Un octet nul ou de contrôle dans un nom ne vient que d'un fichier abîmé.
        if (!texteReglageAcceptable(favori.nom)) l.invalider();
        favori.type = l.u8();
        const std::size_t longueur = l.u16();
        // Un bloc de paramètres ne dépasse jamais 2000 octets : au-delà, la longueur est fausse.
        if (longueur > Favori::kLimiteParametres) l.invalider();
        auto parametres = l.octets(longueur);
        if (!l.valide()) break;
        favori.parametres.assign(parametres.begin(), parametres.end());
        if (version < kVersionFicheComplete && favori.type == kTypeFicheIndividuelle) {
            favori.parametres = convertirFicheAvant600(favori.parametres);
            if (favori.parametres.size() > Favori::kLimiteParametres) favori.parametres.clear();
        }
        if (favoris.size() < Favori::kMaximum) favoris.push_back(std::move(favori));
    }
    if (l.valide()) return true;
    favoris.clear();
    return false;
}

void ecrireFavoris(EcritureReglages& e, const std::vector<Favori>& favoris) {
    const std::size_t nombre = std::min(favoris.size(), Favori::kMaximum);
    for (std::size_t i = 0; i < nombre; ++i)
        if (favoris[i].parametres.size() > Favori::kLimiteParametres)
            throw OperationImpossible("Le favori contient trop de paramètres"_1252);
    e.u8(static_cast<std::uint8_t>(nombre));
    for (std::size_t i = 0; i < nombre; ++i) {
        const Favori& favori = favoris[i];
        e.ligne(favori.nom, Favori::kLimiteNom + 1);
        e.u8(favori.type);
        e.u16(static_cast<std::uint16_t>(favori.parametres.size()));
        e.octets(favori.parametres);
    }
}

std::vector<std::uint8_t> convertirFicheAvant600(std::span<const std::uint8_t> parametres) {
    if (parametres.empty()) return {};
    std::vector<std::uint8_t> converti(parametres.begin(), parametres.end() - 1);
    converti.insert(converti.end(), kCasesAjoutees, std::uint8_t{1});
    converti.push_back(parametres.back());
    return converti;
}

const Favori* favoriNomme(const std::vector<Favori>& favoris, std::string_view nom) {
    if (nom.empty()) return nullptr;
    auto it =
        std::find_if(favoris.begin(), favoris.end(), [&](const Favori& f) { return !f.separateur() && f.nom == nom; });
    return it == favoris.end() ? nullptr : &*it;
}

std::vector<Favori> fusionnerFavoris(const std::vector<Favori>& avant, const std::vector<Favori>& apres,
                                     const std::vector<Favori>& surDisque) {
    if (apres == avant) return surDisque;
    if (surDisque == avant) return apres;
    std::vector<Favori> resultat = apres;
    for (const Favori& f : surDisque) {
        if (resultat.size() >= Favori::kMaximum) break;
        if (f.separateur() || f.nom.empty()) continue;
        if (favoriNomme(avant, f.nom) || favoriNomme(resultat, f.nom)) continue;
        resultat.push_back(f);
    }
    return resultat;
}

}  // namespace lignara
