#pragma once
// Favoris vus des documents, les mêmes pour le menu « Favoris » de la fenêtre et pour
// « lignara favori » : lancer un favori sans dialogue, et éditer les paramètres d'un favori
// après son dialogue « Favori ».
#include <optional>
#include <string>

#include "documents/MiseEnRoute.h"
#include "reglages/Favori.h"

namespace lignara {

// Produit le document du favori, ses paramètres décodés sans dialogue. Un séparateur ou un code
// sans type de document : rien. Une personne qui n'est plus dans la base : son message, rien.
// Un favori typé sans paramètres (ses dialogues ont été annulés) : avec siSansParametres, le
// document se demande comme un nouveau document ; sans, OperationImpossible qui dit de
// modifier le favori. Un type sans mise en page : OperationImpossible comme un menu.
std::optional<std::string> lancerFavori(const Favori& favori, FichierOuvert& fichier,
                                        const Configuration& configuration, const ReglagesMiseEnRoute& reglages,
                                        const SourcePourContexte& siSansParametres = {});

// Suite d'un dialogue « Favori » validé : favori a son nom et son type nouveaux, avant est le
// favori d'avant le dialogue. Un type changé perd ses paramètres ; puis, pour un type de
// document, ses paramètres sont demandés par dialogues (initialisés par ceux du favori, sinon
// par les valeurs de départ du type) et codés dans le favori. Des dialogues annulés laissent le
// favori tel quel. Un codage impossible (« Le favori contient trop de paramètres ») est dit par
// reglages.messages, et le favori reprend le type et les paramètres d'avant le dialogue.
void parametrerFavori(Favori& favori, const Favori& avant, FichierOuvert& fichier, const Configuration& configuration,
                      const ReglagesMiseEnRoute& reglages, const SourcePourContexte& dialogues);

}  // namespace lignara
