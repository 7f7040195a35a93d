#pragma once
// Passage des préférences aux réglages que lit le dessin : polices (ReglagesPolices : nom de
// la police, lignes de signature) et surface (ReglagesDessin : couleurs 0x00BBGGRR, marges en
// unités de dessin, format de papier, signature et polices). Les préférences restent la seule
// source : on remplit ces structures après chaque chargement ou validation des préférences,
// et à chaque changement de format de papier.
//
// Modèles plutôt que fonctions : le noyau du dessin ne dépend pas du shell, et le shell n'a
// besoin que des noms des champs.
#include <cstdint>

#include "render/PoliceChargement.h"
#include "reglages/Configuration.h"

namespace lignara {

template <class Polices>
void remplirReglagesPolices(const Configuration& configuration, Polices& polices) {
    polices.nomPolice = configuration.police;
    polices.ligneSignature1 = configuration.ligneSignature1;
    polices.ligneSignature2 = configuration.ligneSignature2;
}

template <class Dessin>
void remplirReglagesDessin(const Configuration& configuration, Dessin& dessin) {
    dessin.couleurTexte = configuration.couleurTexte.enBgr();
    dessin.couleurHommes = configuration.couleurHommes.enBgr();
    dessin.couleurFemmes = configuration.couleurFemmes.enBgr();
    dessin.couleurTrait = configuration.couleurTrait.enBgr();
    dessin.couleurRemplissage = configuration.couleurRemplissage.enBgr();
    dessin.margeGauche = configuration.margeGauche;
    dessin.margeDroite = configuration.margeDroite;
    dessin.margeHaut = configuration.margeHaut;
    dessin.margeBas = configuration.margeBas;
    dessin.formatPapier = static_cast<std::int16_t>(configuration.formatPapier);
    dessin.signature = configuration.signature;
    dessin.couleurFondSignature = configuration.couleurFondSignature.enBgr();
    remplirReglagesPolices(configuration, dessin.polices);
}

// Police des préférences chargée avant un document : les largeurs des textes le mettent en
// page. Même chemin pour la fenêtre et pour la ligne de commande.
inline PolicesDocument chargerPolicesDesPreferences(const Configuration& configuration,
                                                    const RecepteurMessages& recepteur) {
    ReglagesPolices polices;
    remplirReglagesPolices(configuration, polices);
    return chargerPolices(polices, recepteur);
}

}  // namespace lignara
