#pragma once
// Liste de cousins (type 14, « LC_ ») : les parents d'une personne jusqu'à un degré de parenté,
// en groupes (Cousins.h), en PDF, texte, RTF ou Web. Paramètres, dans l'ordre de la signature
// « Psbb211 » : racine et son nom, « Affichage des ascendants directs » (oui), « Affichage des
// cousins par alliance » (oui), « Degré de parenté maximal » (0 : aucun), tri, format.
//
// Préférences lues : ligne « Autres listes » des données à afficher (dates, lieux, profession),
// couleur par sexe, signature, compression des listes. Le tri par date attend les années
// estimées ; le tri par catégorie charge les catégories de professions.
//
// Entrée : « Prénoms NOM » coloré par sexe, « (naissance - décès) » (« .. » pour un événement
// sans texte) ; hors du tri par degré « , cousin » (« e » pour une femme) « au N° degré » ; puis
// « , » et la profession. Titre de groupe : texte précédé d'une ligne vide et d'une ligne de
// tirets ; RTF centré ; PDF entre deux filets.
#include <cstdint>
#include <string>

#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/listes/Cousins.h"
#include "documents/listes/TextesListe.h"
#include "render/ReglagesDessin.h"
#include "render/texte/Redaction.h"
#include "reglages/Configuration.h"

namespace lignara {

inline constexpr ParametreDeclare kAscendantsDirects{
    .lettre = 'b', .controle = controle::kPremiereCase, .libelle = "Affichage des ascendants directs", .defaut = 1};
inline constexpr ParametreDeclare kCousinsParAlliance{.lettre = 'b',
                                                      .controle = controle::kPremiereCase + 1,
                                                      .libelle = "Affichage des cousins par alliance",
                                                      .defaut = 1};
inline constexpr ParametreDeclare kDegreMaximal{.lettre = '2',
                                                .controle = controle::kNombre1,
                                                .libelle = "Degré de parenté maximal",
                                                .defaut = 0,
                                                .minimum = 0,
                                                .maximum = 65535};
inline constexpr const char* kChoixTriCousins[] = {"par degré de parenté", "par nom", "par date de naissance",
                                                   "par pays", "par catégorie professionnelle"};
inline constexpr ParametreDeclare kTriCousins{
    .lettre = '1', .controle = controle::kGroupe1, .libelle = "Tri", .choix = kChoixTriCousins};

class ListeCousins : public Document {
public:
    static constexpr std::uint8_t kCode = 14;
    static constexpr const ParametreDeclare* kParametres[] = {
        &kRacine, &kNomRacine, &kAscendantsDirects, &kCousinsParAlliance, &kDegreMaximal, &kTriCousins, &kFormat};

    explicit ListeCousins(const Afficheur& type) : Document(type) {}

    bool verifierParametres(const ContexteDocument& contexte) override;
    // Aucune personne listée : OperationImpossible(« Liste vide »).
    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Après preparer().
    const ListeCousinsConstruite& liste() const { return liste_; }
    void rediger(FluxRedaction& flux) const;
    MiseEnPage miseEnPage() const;
    // Texte d'une entrée, sans le nom : détails, degré (hors tri par degré), profession.
    std::string suite(const EntreeCousin& e) const;

private:
    Configuration preferences_;
    ReglagesDessin dessin_;
    ListeCousinsConstruite liste_;
    TextesListe textes_;
    TriCousins tri_ = TriCousins::Degre;
};

}  // namespace lignara
