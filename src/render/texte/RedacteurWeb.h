#pragma once
// Web : page continue de PageWeb (HTML 4.01 de transition, ISO-8859-1), le texte dans le corps,
// une ligne par élément terminée par « <br> ». Pixels : unités × 7 ÷ 100.
//   - ligne : ancre « <a name="…"></a> » en tête (jamais dans un lien) ; étiquette dans
//     « <span style="margin-left:Lpx;margin-right:Rpx;"> », complétée jusqu'au contenu pour
//     que les étiquettes d'un même retrait finissent ensemble ; sans étiquette,
//     « <span style="margin-left:Lpx;"></span> » ;
//   - segment : lien « <a href="#…"> », couleur « <span style='color:…;font-weight:bold;'> »,
//     « <b> », « <u> », taille ; une croix est « <b>x </b> » ; chaque balise est refermée ;
//   - titre : lignes vides avant (sauf en tête), ancre, avantTexteWeb, le titre (lien au besoin),
//     en gras selon le style ; paragraphe : « <p> » à retrait suspendu ; filet : « <hr> » ;
//     saut de page : bloc « page-break-before » ; tableau : « <table> » avec rowspan, colspan,
//     « <th> » pour les en-têtes ; les tracés du PDF n'y paraissent pas ;
//   - photos : chacune liée à son fichier (« file:// » et chemin encodé, ou l'adresse Web
//     telle quelle, échappée), avec alt, largeur et hauteur en pixels (× 1467 ÷ 17600 dans
//     les deux sens, pour garder ses proportions) ; avec cadres, un « <div> » par cellule,
//     photo puis « <br> » et légende, la grille close par « <br style="clear:both;"> » (la feuille de style du document
//     vise tous les blocs).
#include "render/PolicesDocument.h"
#include "render/html/PageWeb.h"
#include "render/texte/Redaction.h"

namespace lignara {

class RedacteurWeb : public Redacteur, private FluxRedaction {
public:
    RedacteurWeb(const ReglagesDessin& reglages, const PolicesDocument& polices) : page_(reglages), polices_(polices) {}
    void rediger(const MiseEnPage& mise, const ContenuRedaction& contenu) override;

private:
    void titre(const Titre& titre) override;
    std::int64_t ligne(const Ligne& ligne) override;
    void paragraphe(const Paragraphe& paragraphe) override;
    void lignesVides(int nombre) override;
    void filet() override;
    void sautDePage() override;
    void tableau(const Tableau& tableau) override;
    void photos(const GrillePhotos& grille) override;
    void debutBloc(const Bloc&) override {}
    void finBloc() override {}

    void ajouterSegment(std::string& html, const Segment& segment) const;
    void ajouterSegments(std::string& html, std::span<const Segment> segments) const;
    void ecrire(const std::string& html);

    PageWeb page_;
    const PolicesDocument& polices_;
    std::uint32_t couleurFond_ = 0;
    std::int64_t lignes_ = 0;
    bool debut_ = true;
};

}  // namespace lignara
