#pragma once
// Texte brut : octets Windows-1252, une ligne par élément terminée par un saut de ligne « \n ».
//   - ligne : retrait en blancs, étiquette alignée à droite dans sa colonne puis sa suite,
//     blancs jusqu'au contenu, segments (une croix écrit son texte seul) ;
//   - titre : lignes vides avant (sauf en tête), avantTexte, titre, apresTexte ;
//   - paragraphe : replié aux blancs à colonnesTexte caractères ;
//   - filet : une ligne de colonnesTexte tirets ; saut de page : saut de page (0C) en tête de
//     ligne ; tableau : colonnes complétées de blancs, séparées de deux blancs, les cellules
//     d'en-tête soulignées de tirets ; photos : leurs légendes, une par ligne ; les liens,
//     ancres, couleurs et tracés n'y paraissent pas.
// Échecs : « Ouverture impossible du fichier TXT », « Erreur d'écriture dans le fichier de
// sortie ».
#include "render/FichierSortie.h"
#include "render/texte/Redaction.h"

namespace lignara {

class RedacteurTexteBrut : public Redacteur, private FluxRedaction {
public:
    void rediger(const MiseEnPage& mise, const ContenuRedaction& contenu) override;

private:
    void titre(const Titre& titre) override;
    std::int64_t ligne(const Ligne& ligne) override;
    void paragraphe(const Paragraphe& paragraphe) override;
    void lignesVides(int nombre) override;
    void filet() override;
    void sautDePage() override;
    void tableau(const Tableau& tableau) override;
    void debutBloc(const Bloc&) override {}
    void finBloc() override {}
    void photos(const GrillePhotos& grille) override;

    void ecrire(const std::string& texte);

    FichierSortie fichier_;
    std::int32_t colonnes_ = 100;
    std::int64_t lignes_ = 0;
    bool debut_ = true;
};

}  // namespace lignara
