#include "documents/listes/ListeCriteres.h"

#include <algorithm>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/TablesDerivees.h"
#include "documents/listes/MiseEnPageListe.h"
#include "documents/listes/SelectionCriteres.h"
#include "reglages/RaccordDessin.h"

namespace lignara {

namespace {

// Retrait suspendu des entrées : RTF « {\li700\fi-700 ».
constexpr Mesure kRetraitSuite{560, 4};

CouleurSegment couleurDe(std::uint8_t sexe, bool parSexe) {
    if (!parSexe) return CouleurSegment::Texte;
    if (sexe == 'M') return CouleurSegment::Hommes;
    if (sexe == 'F') return CouleurSegment::Femmes;
    return CouleurSegment::Texte;
}

}  // namespace

void ListeCriteres::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    suivreFormatDesParametres();
    const BaseGenealogique& base = *contexte.base;

    CriteresListe c;
    c.nom = {texte(kCritereNom), octet(kMotEntierNom) != 0};
    c.prenom = {texte(kCriterePrenom), octet(kMotEntierPrenom) != 0};
    c.profession = {texte(kCritereProfession), octet(kMotEntierProfession) != 0};
    c.commentaire = {texte(kCritereCommentaire), octet(kMotEntierCommentaire) != 0};
    c.lieu = {texte(kCritereLieu), octet(kMotEntierLieu) != 0};
    c.sorteLieu = std::min<std::uint8_t>(octet(kSorteLieu), CritereQuelconque);
    c.sorteDate = std::min<std::uint8_t>(octet(kSorteDate), CritereQuelconque);
    c.dateMinimale = std::get<DateParametre>(valeur(kDateMinimale));
    c.dateMaximale = std::get<DateParametre>(valeur(kDateMaximale));
    // Cacher les contemporains demande les statuts vitaux : on attend le fil qui les calcule.
    TablesDerivees locales;
    if (!octet(kContemporains)) {
        if (contexte.tablesDerivees) {
            c.statutsVitaux = &contexte.tablesDerivees().statutsVitaux;
        } else {
            locales = calculerTablesDerivees(base, horloge.annee());
            c.statutsVitaux = &locales.statutsVitaux;
        }
    }
    SelectionCriteres s = selectionnerParCriteres(base, *contexte.noms, c);
    for (const std::string& ignore : s.criteresIgnores)
        contexte.signaler("Le critère « "_1252 + ignore + " » n'a ni lettre ni chiffre : il est ignoré."_1252);
    if (s.personnes.empty()) throw OperationImpossible("La liste est vide");
    personnes_ = std::move(s.personnes);
    textes_.chargerPersonnes(
        base, personnes_,
        {.donnees = static_cast<std::uint8_t>(preferences_.donneesAutresListes & 15), .separateur = " - "});
}

void ListeCriteres::rediger(FluxRedaction& flux) const {
    const bool parSexe = preferences_.couleurParSexe;
    for (std::uint32_t p : personnes_) {
        const TextesPersonne t = textes_.personne(p);
        const Segment segments[] = {{.texte = t.nom, .couleur = couleurDe(t.sexe, parSexe)}, {.texte = t.details}};
        flux.paragraphe({.retrait = {}, .retraitSuite = kRetraitSuite, .segments = segments});
    }
}

MiseEnPage ListeCriteres::miseEnPage() const {
    return miseEnPageListe(chemin, "Liste par crit\xE8re", preferences_.compressionListes);
}

void ListeCriteres::ecrire() {
    ecrireListe(*this, dessin_, miseEnPage(), [this](FluxRedaction& f) { rediger(f); });
}

}  // namespace lignara
