#pragma once
// Construction de la base de travail après le balayage : numérotation des personnes et des
// familles gardées, relecture de chaque enregistrement, contrôles des liens (lignes du rapport
// dans l'ordre des personnes puis des familles), écriture des enregistrements, des chaînes et
// de l'en-tête.
//
// Tenue de la base quand les liens du GEDCOM se contredisent :
//  - un conjoint écarté par les contrôles garde sa fiche Famille numérotée, mais tout à zéro
//    et hors de toute chaîne ; ses enfants restent dans l'anneau de l'autre parent, le champ
//    de ce parent à zéro ; un couple qui perd ses deux conjoints n'écrit pas ses événements ;
//  - une personne référencée mais jamais définie est écrite sans textes mais avec ses liens
//    (elle est tenue pour conjointe des familles qui la nomment) ;
//  - une personne n'est jamais enfant d'une famille dont elle est conjointe, ni son propre
//    ancêtre : le lien de parenté qui fermerait la boucle est coupé et signalé.
#include <cstdint>
#include <functional>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/EcrivainBase.h"
#include "gedcom/PasseConstruction.h"
#include "gedcom/RegistresBalayage.h"
#include "gedcom/RelectureAnticipee.h"

namespace lignara {

// Avancement en unités de travail : fait sur total.
using RappelProgression = std::function<void(std::uint64_t fait, std::uint64_t total)>;

class ConstructionBase {
public:
    ConstructionBase(RegistresBalayage& registres, PasseConstruction& passe, ListeErreursGedcom& erreurs,
                     RappelProgression progression);

    // Numérote (personnes gardées, familles gardées, emplacements d'événements).
    DimensionsBase numeroter();
    // Écrit toute la base dans le dossier temporaire et la rend ouverte.
    BaseGenealogique construire(const std::filesystem::path& dossierTemporaire);

private:
    void completerNonDefinis();
    void rangerSelonLeSexe(FamilleBalayee& fam);
    void couperBouclesDeParente();
    bool lienDuPrincipal(std::uint32_t personne) const;
    // Coupe les boucles parmi les liens des personnes que pris(personne) retient.
    template <typename Pris>
    void couperBoucles(Pris pris);
    void ecarterLiensContraires();
    void parentsDe(std::uint32_t personne, std::uint32_t parents[2]) const;
    void calculerAnneaux();
    void calculerRestes();
    bool resteDansLaFamille(const FamilleBalayee& f, std::uint32_t conjoint, std::uint32_t famille) const;
    bool conjointRestant(const FamilleBalayee& f, std::uint32_t conjoint, std::uint32_t famille) const;
    bool aDesParents(std::uint32_t personne) const;
    bool estTeteDeBranche(std::uint32_t personne) const;
    void prechargerPersonne(std::uint32_t n);
    void prechargerFamille(const std::vector<std::uint32_t>& familles, std::size_t k);
    void ecrirePersonne(std::uint32_t personne);
    void preparerLiens(std::uint32_t personne, LiensPrepares& liens);
    void lierParents(std::uint32_t personne, const TamponIndividu& t, Individu& ind);
    void chainerFamilles(std::uint32_t personne, const TamponIndividu& t, Individu& ind);
    void ecrireFamille(std::uint32_t famille);
    void controlerConjoint(std::uint32_t famille, bool mari);
    void signalerFamilleAbandonnee(const FamilleBalayee& f);
    std::uint32_t ecrireEvenement(const EvenementLu& e);
    std::uint32_t refSource(const SourceLue& s);
    void rejouer(const LignesDifferees& lignes);
    void avancer(std::uint64_t unites);

    RegistresBalayage& reg_;
    PasseConstruction& passe_;
    ListeErreursGedcom& erreurs_;
    RappelProgression progression_;
    EcrivainBase* ecrivain_ = nullptr;
    DimensionsBase dimensions_;
    std::vector<std::uint32_t> personnesParNumero_;  // indice de la personne n (n ≥ 1)
    std::vector<std::uint32_t> personnesParCle_;     // indices dans l'ordre des clés
    std::vector<std::uint32_t> famillesParCle_;
    std::vector<std::int32_t> fratrie_;         // lien de fratrie par numéro (0 : hors anneau)
    std::vector<std::uint32_t> premierEnfant_;  // par indice de famille
    std::vector<std::int32_t> suivanteFiche_;   // lien de chaîne par numéro de fiche
    std::vector<std::uint8_t> restes_;          // par famille : 1 le mari reste, 2 la femme
    std::vector<std::uint8_t> dansSaFratrie_;   // par personne : citée parmi les enfants de sa famille
    TableCles<std::uint32_t> refsSources_;
    std::uint32_t prochainEvenement_ = 1;
    std::uint64_t fait_ = 0, total_ = 0;
    RelectureAnticipee* relecture_ = nullptr;
};

}  // namespace lignara
