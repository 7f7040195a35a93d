#pragma once
// Liste des branches (type 13, « LB_ ») : chaque tête de branche du fichier avec le nombre de
// ses descendants et de générations, en PDF, texte, RTF ou Web. Paramètres, dans l'ordre de la
// signature « 11 » : tri, format.
//
// Préférences lues : ligne « Autres listes » des données à afficher, couleur par sexe,
// signature, compression des listes. Le tri par date attend les années estimées.
//
// Une entrée (Branches.h) : une ligne par personne, « NOM Prénoms » coloré par sexe puis, un
// blanc plus loin, « (naissance - décès) » et les autres détails ; puis, en retrait, « N
// descendant(s) sur G génération(s) » ; 704 unités (quatre rangées) au moins par entrée.
#include <cstdint>
#include <string>

#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/listes/Branches.h"
#include "documents/listes/TextesListe.h"
#include "render/ReglagesDessin.h"
#include "render/texte/Redaction.h"
#include "reglages/Configuration.h"

namespace lignara {

inline constexpr const char* kChoixTriBranches[] = {
    "par patronyme", "par date", "par nombre décroissant de générations", "par nombre décroissant de descendants"};
inline constexpr ParametreDeclare kTriBranches{
    .lettre = '1', .controle = controle::kGroupe1, .libelle = "Tri", .choix = kChoixTriBranches};

class ListeBranches : public Document {
public:
    static constexpr std::uint8_t kCode = 13;
    static constexpr const ParametreDeclare* kParametres[] = {&kTriBranches, &kFormat};

    explicit ListeBranches(const Afficheur& type) : Document(type) {}

    // Boucle de parenté, ou aucune tête de branche (« Liste vide ») : OperationImpossible.
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Après preparer(), dans l'ordre du tri.
    const BranchesConstruites& branches() const { return branches_; }
    void rediger(FluxRedaction& flux) const;
    MiseEnPage miseEnPage() const;
    // « 3 descendants sur 2 générations ».
    static std::string resume(const EntreeBranche& e);

private:
    Configuration preferences_;
    ReglagesDessin dessin_;
    BranchesConstruites branches_;
    TextesListe textes_;
};

}  // namespace lignara
