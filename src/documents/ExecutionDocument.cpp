#include "documents/ExecutionDocument.h"

#include <system_error>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/NommageFichier.h"
#include "documents/PoliceAuHasard.h"
#include "reglages/RaccordDessin.h"

namespace lignara {

namespace {

// Vrai quand le nom a été réservé par un fichier vide, à effacer si le document échoue.
bool nommer(Document& document, const ReglagesExecution& reglages) {
    const auto& imposee = reglages.sortieImposee;
    std::error_code ec;
    if (!imposee.empty() && !std::filesystem::is_directory(imposee, ec)) {
        imposerFichier(document, imposee);
        return false;
    }
    nommerFichier(document, imposee.empty() ? reglages.dossierSortie : imposee, document.type().prefixe,
                  document.nomRacine());
    return true;
}

// Un document qui échoue ne laisse rien sous le nom de l'utilisateur : ses rédacteurs n'ont
// pas remplacé le fichier, et la réservation vide est effacée.
void ecrire(Document& document, bool reserve) {
    try {
        document.ecrire();
    } catch (...) {
        if (reserve) effacerReservation(document.chemin);
        throw;
    }
}

}  // namespace

std::optional<std::string> executerDocument(std::unique_ptr<Document> document, SourceParametres& source,
                                            const ContexteDocument& contexte, const ReglagesExecution& reglages) {
    document->initialiserParametres(contexte);
    if (reglages.policeAuHasard) {
        ReglagesPolices signature;
        if (contexte.preferences) remplirReglagesPolices(*contexte.preferences, signature);
        if (auto tiree = policeAuHasard(document->horloge, signature)) document->polices = std::move(*tiree);
    }
    if (!source.parametrer(*document, contexte)) return std::nullopt;
    if (!document->verifierParametres(contexte)) return std::nullopt;
    document->preparer(contexte);
    ecrire(*document, nommer(*document, reglages));
    // Le document est écrit : sans afficheur, on dit au moins où le trouver.
    if (reglages.visualiser && !visualiser(*document, reglages.afficheurs))
        transmettre(contexte.messages,
                    "Aucun afficheur n'a pu être lancé pour ce document.\nIl est enregistré ici : "_1252 +
                        depuisUtf8(document->chemin));
    if (reglages.compteurs) reglages.compteurs->compter(document->type().compteur + document->varianteCompteur());
    return document->chemin;
}

std::optional<std::string> executer(const Afficheur& type, SourceParametres& source, const ContexteDocument& contexte,
                                    const ReglagesExecution& reglages) {
    if (!type.disponible()) throw OperationImpossible("Ce document n'est pas encore disponible");
    return executerDocument(type.fabrique(type), source, contexte, reglages);
}

}  // namespace lignara
