#include "documents/ExecutionFavori.h"

#include "commun/OperationImpossible.h"
#include "documents/Afficheur.h"
#include "documents/Document.h"
#include "documents/SourceParametres.h"

namespace lignara {

std::optional<std::string> lancerFavori(const Favori& favori, FichierOuvert& fichier,
                                        const Configuration& configuration, const ReglagesMiseEnRoute& reglages,
                                        const SourcePourContexte& siSansParametres) {
    if (favori.separateur()) return std::nullopt;
    const Afficheur* type = afficheurDeCode(favori.type);
    if (!type) return std::nullopt;
    if (favori.parametres.empty() && !type->signature().empty() && siSansParametres)
        return mettreEnRoute(*type, fichier, configuration, reglages, siSansParametres);
    // Une copie : la source la lit pendant tout le document, la liste peut changer entre-temps.
    const Favori copie = favori;
    try {
        return mettreEnRoute(*type, fichier, configuration, reglages, [&copie](const ContexteDocument&) {
            return std::make_unique<ParametresFavori>(copie, ModeFavori::Execution);
        });
    } catch (const OperationImpossible& e) {
        // Sans message : une personne introuvable, déjà signalée ; le document s'arrête là.
        if (e.aUnMessage()) throw;
        return std::nullopt;
    }
}

void parametrerFavori(Favori& favori, const Favori& avant, FichierOuvert& fichier, const Configuration& configuration,
                      const ReglagesMiseEnRoute& reglages, const SourcePourContexte& dialogues) {
    if (favori.type != avant.type) favori.parametres.clear();
    const Afficheur* type = afficheurDeCode(favori.type);
    if (favori.separateur() || !type || !type->disponible()) return;
    ContexteDocument contexte = contexteDeMiseEnRoute(fichier, configuration, reglages);
    std::unique_ptr<Document> document = type->fabrique(*type);
    std::unique_ptr<SourceParametres> source = dialogues(contexte);
    try {
        modifierParametresFavori(favori, *document, *source, contexte);
    } catch (const OperationImpossible& e) {
        if (e.aUnMessage() && reglages.messages) reglages.messages(e.what());
        favori.type = avant.type;
        favori.parametres = avant.parametres;
    }
}

}  // namespace lignara
