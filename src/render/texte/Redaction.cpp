#include "render/texte/Redaction.h"

#include "render/texte/RedacteurPdf.h"
#include "render/texte/RedacteurRtf.h"
#include "render/texte/RedacteurTexteBrut.h"
#include "render/texte/RedacteurWeb.h"

namespace lignara {

std::unique_ptr<Redacteur> creerRedacteur(FormatSortie format, const ReglagesDessin& reglages,
                                          const PolicesDocument& polices, const Horloge& horloge) {
    switch (format) {
        case FormatSortie::Texte: return std::make_unique<RedacteurTexteBrut>();
        case FormatSortie::Rtf: return std::make_unique<RedacteurRtf>(reglages);
        case FormatSortie::Web: return std::make_unique<RedacteurWeb>(reglages, polices);
        case FormatSortie::Pdf: break;
    }
    return std::make_unique<RedacteurPdf>(reglages, polices, horloge);
}

}  // namespace lignara
