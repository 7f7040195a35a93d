#include "documents/SourceParametres.h"

namespace lignara {

bool ParametresFavori::parametrer(Document& document, const ContexteDocument& contexte) {
    // Ce que le bloc ne dit pas garde la valeur de départ déclarée, pas un zéro.
    if (!document.signature().accepte(document.parametres)) document.initialiserParametres(contexte);
    decoderParametres(favori_, mode_, document.signature(), document.parametres, contexte);
    document.suivreFormatDesParametres();
    if (mode_ == ModeFavori::Modification) return true;
    if (document.type().tete == DemandeTete::Patronyme) return !document.nomRacine().empty();
    return !document.type().demandeRacine() || document.racine() > 0;
}

bool modifierParametresFavori(Favori& favori, Document& document, SourceParametres& dialogues,
                              const ContexteDocument& contexte) {
    document.initialiserParametres(contexte);
    ParametresFavori(favori, ModeFavori::Modification).parametrer(document, contexte);
    if (!dialogues.parametrer(document, contexte)) return false;
    // Codé à part : un débordement laisse au favori ses paramètres d'avant.
    Favori nouveau;
    encoderParametres(nouveau, document.signature(), document.parametres, *contexte.base);
    favori.parametres = std::move(nouveau.parametres);
    return true;
}

}  // namespace lignara
