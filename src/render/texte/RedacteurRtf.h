#pragma once
// RTF, dans le cadre de DocumentRtf (page de code 1252, Arial 10 points ; couleurs 0 texte,
// 1 hommes, 2 femmes, 3 traits, 4 fond des cellules). Un élément est un paragraphe :
//   - titre : « \b1 », avantTexteRtf, le titre, « \b0 », centré au besoin (« \qc »), suivi du
//     paragraphe filet « {\fs1\brdrb\brdrw<e>\brdrth\brdrcf3\par} » quand le style en donne un ;
//   - bloc : « {\li<l>\fi<f> » … « } », retrait suspendu de ses lignes (twips = unités × 5 ÷ 4) ;
//   - ligne : étiquette en gras, tabulation jusqu'au retrait du bloc, segments (les blancs de
//     tête du premier segment, qui alignent le texte brut, sont laissés) ; hors bloc, une ligne
//     en retrait porte son propre « \li » ;
//   - segment : « {\b », « {\ul », « {\cf1 » ou « {\cf2 » autour du texte échappé ; un lien est
//     un champ HYPERLINK vers le signet de l'ancre, une ancre un signet ;
//   - paragraphe : « {\li<suite>\fi<premiere − suite> … \par} » ; saut de page :
//     « \pagebb\sl-1\par\pard » ; tableau : rangées « \trowd » … « \row », cellules fusionnées
//     par « \clvmgf » / « \clvmrg » et par des bords de cellule élargis ;
//   - photos : avec cadres, une rangée « \trowd » … « \row » par rangée de cellules, chaque
//     cellule « \pard\intbl \qc », la photo, « \keepn\par », la légende ; sinon un
//     paragraphe centré des photos séparées d'un blanc. Seules les photos JPEG sont intégrées,
//     les autres comptées et signalées à la fin (DocumentRtf).
// La page est celle du format de papier, A4 portrait quand il est « Non paginé ».
#include "render/rtf/DocumentRtf.h"
#include "render/texte/Redaction.h"

namespace lignara {

class RedacteurRtf : public Redacteur, private FluxRedaction {
public:
    // Sans pagination, la page RTF serait large de cent mille pages : le texte coulant ne se
    // replierait jamais sous son retrait suspendu. On prend alors la page A4 portrait.
    explicit RedacteurRtf(const ReglagesDessin& reglages) : reglages_(pageDeTexteCoulant(reglages)), rtf_(reglages_) {}
    void rediger(const MiseEnPage& mise, const ContenuRedaction& contenu) override;

private:
    void titre(const Titre& titre) override;
    std::int64_t ligne(const Ligne& ligne) override;
    void paragraphe(const Paragraphe& paragraphe) override;
    void lignesVides(int nombre) override;
    void filet() override;
    void sautDePage() override;
    void tableau(const Tableau& tableau) override;
    void debutBloc(const Bloc& bloc) override;
    void finBloc() override;
    void photos(const GrillePhotos& grille) override;

    void segments(std::span<const Segment> segments, bool sansBlancsDeTete);
    void segment(const Segment& segment, std::string_view texte);
    void signet(std::string_view ancre);

    static ReglagesDessin pageDeTexteCoulant(ReglagesDessin reglages);

    ReglagesDessin reglages_;  // avant rtf_, qui le lit
    DocumentRtf rtf_;
    std::int64_t lignes_ = 0;
    int blocs_ = 0;
};

}  // namespace lignara
