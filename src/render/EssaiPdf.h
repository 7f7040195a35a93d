#pragma once
// Planche d'essai de la surface PDF : chaque famille de primitives sur sa page d'un dessin de
// deux colonnes et quatre rangées de pages du format des réglages (la taille de huit pages A4
// sur une seule page sans pagination), plus des tracés qui chevauchent les bords pour que la
// pagination se voie. C'est ce que montre « lignara essai-pdf ».
#include <filesystem>
#include <string>

#include "commun/Horloge.h"
#include "render/PolicesDocument.h"
#include "render/ReglagesDessin.h"
#include "render/SurfacePdf.h"

namespace lignara {

struct DemandeEssaiPdf {
    std::filesystem::path sortie;
    std::string photo1252;                 // vide : « Themes/Degrade.jpg » de l'installation
    std::filesystem::path dossierDonnees;  // images internes « Themes/… »
    SurfacePdf::QuestionPages question;
    PolicesDocument polices;  // chargées pour reglages.polices
    Horloge horloge;          // date de création du fichier
};

// Rend le nombre de pages.
int ecrireEssaiPdf(const DemandeEssaiPdf& demande, const ReglagesDessin& reglages);

}  // namespace lignara
