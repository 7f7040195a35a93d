#pragma once
// Liste par critère (type 17, « LI_ ») : les personnes du fichier qui répondent à tous les
// critères donnés (SelectionCriteres.h), dans l'ordre de l'index des noms, en PDF, texte, RTF
// ou Web. Paramètres, dans l'ordre de la signature « 1bsbsbsbsbsb1DD1 » : format, « Affiche
// les personnes contemporaines » (oui), puis nom, prénom, profession, commentaire et lieu,
// chacun avec sa case « Mot entier », la sorte de lieu (« Lieu quelconque »), les dates
// minimale et maximale et la sorte de date (« Date quelconque »).
// Pages, dans l'ordre de la feuille : « Général » (format, contemporains, nom, prénom,
// profession, commentaire), « Dates », « Lieux ».
//
// Préférences lues : ligne « Autres listes » des données à afficher, couleur par sexe,
// signature, compression des listes.
//
// Écriture : une entrée par personne, nom (coloré par sexe) puis détails, repliée à la largeur
// avec un retrait suspendu de 560 unités (RTF « {\li700\fi-700 », texte 4 caractères).
// Aucune personne retenue : « La liste est vide ».
#include <cstdint>
#include <vector>

#include "documents/Document.h"
#include "documents/ParametresCommuns.h"
#include "documents/listes/TextesListe.h"
#include "render/ReglagesDessin.h"
#include "render/texte/Redaction.h"
#include "reglages/Configuration.h"

namespace lignara {

inline constexpr const char* kSortesLieuCritere[] = {"Lieu de naissance", "Lieu de décès", "Lieu de mariage",
                                                     "Lieu quelconque"};
inline constexpr const char* kSortesDateCritere[] = {"Date de naissance", "Date de décès", "Date de mariage",
                                                     "Date quelconque"};

// Page « Général » (rang 0).
inline constexpr ParametreDeclare kCritereNom{
    .lettre = 's', .controle = controle::kNom, .libelle = "Nom", .longueurMax = 70};
inline constexpr ParametreDeclare kMotEntierNom{
    .lettre = 'b', .controle = controle::kPremiereCase + 1, .libelle = "Mot entier (nom)"};
inline constexpr ParametreDeclare kCriterePrenom{
    .lettre = 's', .controle = controle::kPrenom, .libelle = "Prénom", .longueurMax = 70};
inline constexpr ParametreDeclare kMotEntierPrenom{
    .lettre = 'b', .controle = controle::kPremiereCase + 2, .libelle = "Mot entier (prénom)"};
inline constexpr ParametreDeclare kCritereProfession{
    .lettre = 's', .controle = controle::kProfession, .libelle = "Profession"};
inline constexpr ParametreDeclare kMotEntierProfession{
    .lettre = 'b', .controle = controle::kPremiereCase + 3, .libelle = "Mot entier (profession)"};
inline constexpr ParametreDeclare kCritereCommentaire{
    .lettre = 's', .controle = controle::kCommentaire, .libelle = "Commentaire"};
inline constexpr ParametreDeclare kMotEntierCommentaire{
    .lettre = 'b', .controle = controle::kPremiereCase + 4, .libelle = "Mot entier (commentaire)"};
// Page « Dates » (rang 1).
inline constexpr ParametreDeclare kDateMinimale{
    .lettre = 'D', .controle = controle::kDate1, .libelle = "Date minimale", .page = 1};
inline constexpr ParametreDeclare kDateMaximale{
    .lettre = 'D', .controle = controle::kDate2, .libelle = "Date maximale", .page = 1};
inline constexpr ParametreDeclare kSorteDate{.lettre = '1',
                                             .controle = controle::kGroupe2,
                                             .libelle = "Date prise en compte",
                                             .defaut = 3,
                                             .choix = kSortesDateCritere,
                                             .page = 1};
// Page « Lieux » (rang 2).
inline constexpr ParametreDeclare kCritereLieu{
    .lettre = 's', .controle = controle::kLieu, .libelle = "Lieu", .page = 2};
inline constexpr ParametreDeclare kMotEntierLieu{
    .lettre = 'b', .controle = controle::kPremiereCase + 5, .libelle = "Mot entier (lieu)", .page = 2};
inline constexpr ParametreDeclare kSorteLieu{.lettre = '1',
                                             .controle = controle::kGroupe1,
                                             .libelle = "Lieu pris en compte",
                                             .defaut = 3,
                                             .choix = kSortesLieuCritere,
                                             .page = 2};

class ListeCriteres : public Document {
public:
    static constexpr std::uint8_t kCode = 17;
    static constexpr const ParametreDeclare* kParametres[] = {
        &kFormat,          &kContemporains,     &kCritereNom,          &kMotEntierNom,       &kCriterePrenom,
        &kMotEntierPrenom, &kCritereProfession, &kMotEntierProfession, &kCritereCommentaire, &kMotEntierCommentaire,
        &kCritereLieu,     &kMotEntierLieu,     &kSorteLieu,           &kDateMinimale,       &kDateMaximale,
        &kSorteDate};

    explicit ListeCriteres(const Afficheur& type) : Document(type) {}

    void preparer(const ContexteDocument& contexte) override;
    void ecrire() override;

    // Après preparer() : les personnes retenues, dans l'ordre de l'index des noms.
    const std::vector<std::uint32_t>& personnes() const { return personnes_; }
    void rediger(FluxRedaction& flux) const;
    MiseEnPage miseEnPage() const;

private:
    Configuration preferences_;
    ReglagesDessin dessin_;
    std::vector<std::uint32_t> personnes_;
    TextesListe textes_;
};

}  // namespace lignara
