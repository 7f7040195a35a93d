#include "shell/gui/SourceDialogues.h"

#include <algorithm>

#include "documents/SelectionPersonne.h"
#include "shell/gui/BoiteMessage.h"
#include "shell/gui/DialogueConjoint.h"
#include "shell/gui/DialogueNom.h"
#include "shell/gui/FeuilleProprietes.h"
#include "shell/gui/TexteQt.h"

namespace lignara::gui {

namespace {

std::int32_t personneA(const Document& d, RoleParametre role) {
    const ValeurParametre* v = d.valeur(role);
    const auto* p = v ? std::get_if<std::int32_t>(v) : nullptr;
    return p ? *p : 0;
}

void fixer(Document& d, RoleParametre role, ValeurParametre valeur) {
    if (ValeurParametre* v = d.valeur(role)) *v = std::move(valeur);
}

}  // namespace

bool SourceDialogues::parametrer(Document& document, const ContexteDocument& contexte) {
    if (document.type().demandeRacine()) {
        if (!demanderRacine(document)) return false;
        if (!demanderSeconde(document)) return false;
    }
    if (!document.avantFeuille(contexte)) return false;
    return FeuilleProprietes::modifier(document, environnement_, listes_, parent_);
}

bool SourceDialogues::demanderRacine(Document& document) {
    const Afficheur& type = document.type();
    if (type.tete == DemandeTete::Patronyme) {
        auto nom = DialogueNom::choisir(environnement_.contexte, "Carte de patronyme", parent_);
        if (!nom) return false;
        fixer(document, RoleParametre::NomRacine, *nom);
        return true;
    }
    if (racineImposee_ > 0) {
        SelectionPersonne noms(environnement_.contexte);
        const auto p = static_cast<std::uint32_t>(racineImposee_);
        fixer(document, RoleParametre::Racine, racineImposee_);
        fixer(document, RoleParametre::NomRacine, noms.nomDe(p));
        environnement_.recentes.retenir({noms.nomDe(p), noms.prenomsDe(p), racineImposee_});
        return true;
    }
    // Le lien de parenté demande ses deux personnes sous leurs propres titres.
    const bool deuxPersonnes = document.valeur(RoleParametre::Seconde) != nullptr;
    DemandeSelection demande{deuxPersonnes ? QStringLiteral("Première personne") : QString::fromUtf8(type.titre),
                             personneA(document, RoleParametre::Racine), type.tete == DemandeTete::Descendance};
    PersonneSelectionnee choisie = DialogueSelectionPersonne::selectionner(environnement_, demande, parent_);
    if (choisie.personne <= 0) return false;
    fixer(document, RoleParametre::Racine, choisie.personne);
    fixer(document, RoleParametre::NomRacine, choisie.nom);
    return true;
}

// La seconde personne suit la tête : le conjoint qui désigne la famille, ou pour le lien de
// parenté une autre personne choisie comme la première (et son nom).
bool SourceDialogues::demanderSeconde(Document& document) {
    if (document.valeur(RoleParametre::Seconde)) {
        DemandeSelection demande{QStringLiteral("Seconde personne"), personneA(document, RoleParametre::Seconde),
                                 false};
        PersonneSelectionnee choisie = DialogueSelectionPersonne::selectionner(environnement_, demande, parent_);
        // La même personne deux fois : le message, et la seconde est redemandée.
        while (choisie.personne > 0 && choisie.personne == personneA(document, RoleParametre::Racine)) {
            BoiteMessage::informer(parent_, QStringLiteral("Erreur : les deux personnes doivent être différentes"));
            choisie = DialogueSelectionPersonne::selectionner(environnement_, demande, parent_);
        }
        if (choisie.personne <= 0) return false;
        fixer(document, RoleParametre::Seconde, choisie.personne);
        fixer(document, RoleParametre::NomSeconde, choisie.nom);
        return true;
    }
    if (!document.valeur(RoleParametre::Conjoint)) return true;
    auto racine = static_cast<std::uint32_t>(personneA(document, RoleParametre::Racine));
    auto courant = static_cast<std::uint32_t>(std::max(0, personneA(document, RoleParametre::Conjoint)));
    auto conjoint = DialogueConjoint::choisir(environnement_.contexte, racine, courant, parent_);
    if (!conjoint) return false;
    fixer(document, RoleParametre::Conjoint, static_cast<std::int32_t>(conjoint->conjoint));
    return true;
}

}  // namespace lignara::gui
