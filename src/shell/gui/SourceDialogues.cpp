#include "shell/gui/SourceDialogues.h"

#include <algorithm>
#include <array>

#include "shell/gui/DialogueConjoint.h"
#include "shell/gui/DialogueNom.h"
#include "shell/gui/FeuilleProprietes.h"
#include "shell/gui/TexteQt.h"

namespace lignara::gui {

namespace {

constexpr std::uint8_t kLienDeParente = 11;
constexpr std::uint8_t kCartePatronyme = 7;
constexpr std::uint8_t kVarianteComplete = 1;

std::int32_t personneA(const Document& d, std::size_t i) {
    const auto* p = i < d.parametres.size() ? std::get_if<std::int32_t>(&d.parametres[i]) : nullptr;
    return p ? *p : 0;
}

void fixerNom(Document& d, std::size_t i, const std::string& nom) {
    if (i < d.parametres.size() && std::holds_alternative<std::string>(d.parametres[i])) d.parametres[i] = nom;
}

}  // namespace

bool racineDescendante(const Afficheur& type) {
    static constexpr std::array<std::uint8_t, 14> kCodes{2, 15, 44, 46, 53, 49, 19, 37, 6, 9, 22, 25, 28, 31};
    return std::find(kCodes.begin(), kCodes.end(), type.code) != kCodes.end();
}

// Statistiques complètes et carte de tout le fichier.
bool sansRacineDemandee(const Afficheur& type) {
    return type.variante == kVarianteComplete && (type.prefixe[0] == 'S' || std::string_view(type.prefixe) == "CL_");
}

bool SourceDialogues::parametrer(Document& document, const ContexteDocument&) {
    const Afficheur& type = document.type();
    if (type.demandeRacine() && !sansRacineDemandee(type)) {
        if (!demanderRacine(document)) return false;
        if (!demanderSeconde(document)) return false;
    }
    return FeuilleProprietes::modifier(document, environnement_, listes_, parent_);
}

bool SourceDialogues::demanderRacine(Document& document) {
    const Afficheur& type = document.type();
    if (type.code == kCartePatronyme) {
        auto nom = DialogueNom::choisir(environnement_.contexte, "Carte de patronyme", parent_);
        if (!nom) return false;
        fixerNom(document, 1, *nom);
        return true;
    }
    DemandeSelection demande{QString::fromUtf8(type.titre), personneA(document, 0), racineDescendante(type)};
    PersonneSelectionnee choisie = DialogueSelectionPersonne::selectionner(environnement_, demande, parent_);
    if (choisie.personne <= 0) return false;
    document.parametres[0] = choisie.personne;
    fixerNom(document, 1, choisie.nom);
    return true;
}

// La seconde personne suit la tête : le conjoint qui désigne la famille, ou pour le lien de
// parenté une autre personne choisie comme la première (et son nom).
bool SourceDialogues::demanderSeconde(Document& document) {
    const Afficheur& type = document.type();
    if (std::string_view(type.signature).substr(0, 3) != "PsP") return true;
    if (type.code == kLienDeParente) {
        DemandeSelection demande{QString::fromUtf8(type.titre), personneA(document, 2), false};
        PersonneSelectionnee choisie = DialogueSelectionPersonne::selectionner(environnement_, demande, parent_);
        if (choisie.personne <= 0) return false;
        document.parametres[2] = choisie.personne;
        fixerNom(document, 3, choisie.nom);
        return true;
    }
    auto racine = static_cast<std::uint32_t>(personneA(document, 0));
    auto courant = static_cast<std::uint32_t>(std::max(0, personneA(document, 2)));
    auto conjoint = DialogueConjoint::choisir(environnement_.contexte, racine, courant, parent_);
    if (!conjoint) return false;
    document.parametres[2] = static_cast<std::int32_t>(conjoint->conjoint);
    return true;
}

}  // namespace lignara::gui
