#include "render/rtf/DocumentRtf.h"

#include "commun/CauseErreur.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "images/CheminImage.h"
#include "render/FormatPapier.h"
#include "render/ImageRtf.h"
#include "render/VersionProgramme.h"
#include "render/rtf/EchappementRtf.h"

namespace lignara {

namespace {

std::string enTexte(std::int64_t n) { return std::to_string(n); }

std::string texte1252DuChemin(const std::filesystem::path& chemin) {
    const std::u8string utf8 = chemin.u8string();
    return depuisUtf8(std::string(utf8.begin(), utf8.end()));
}

bool estLettre(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool estChiffre(char c) { return c >= '0' && c <= '9'; }

// Vrai quand le texte finit par un mot de contrôle sans son délimiteur (« \b », « \fs20 »).
bool finitParMotOuvert(std::string_view rtf) {
    std::size_t i = rtf.size();
    while (i > 0 && estChiffre(rtf[i - 1])) --i;
    if (i > 0 && rtf[i - 1] == '-') --i;
    const std::size_t finLettres = i;
    while (i > 0 && estLettre(rtf[i - 1])) --i;
    return i < finLettres && i > 0 && rtf[i - 1] == '\\';
}

std::string entreeCouleur(std::uint32_t bgr) {
    return "\\red" + enTexte(bgr & 0xFF) + "\\green" + enTexte((bgr >> 8) & 0xFF) + "\\blue" +
           enTexte((bgr >> 16) & 0xFF);
}

}  // namespace

DocumentRtf::DocumentRtf(const ReglagesDessin& reglages) : reglages_(reglages) {}

void DocumentRtf::ouvrir(const std::filesystem::path& chemin, std::uint8_t rouge, std::uint8_t vert,
                         std::uint8_t bleu) {
    if (!fichier_.ouvrir(chemin))
        throw OperationImpossible("Ouverture impossible du fichier "_1252 + texte1252DuChemin(chemin) + "\n" +
                                  causeErreurMajuscule(fichier_.erreur()));
    chemin_ = chemin;
    imagesIgnorees_ = 0;
    bordCellule_ = 0;
    motOuvert_ = false;
    ecrireEnTete(rouge, vert, bleu);
}

void DocumentRtf::ouvrir(const Graphique& document, std::uint8_t rouge, std::uint8_t vert, std::uint8_t bleu) {
    ouvrir(std::filesystem::path(document.chemin), rouge, vert, bleu);
}

void DocumentRtf::ecrireEnTete(std::uint8_t rouge, std::uint8_t vert, std::uint8_t bleu) {
    const FormatPapier papier = formatPapierOuNonPagine(reglages_.formatPapier);
    const std::int64_t largeur = papier.estPagine() ? papier.largeurUtile : kCoteNonPagine;
    const std::int64_t hauteur = papier.estPagine() ? papier.hauteurUtile : kCoteNonPagine;
    std::string t =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}"
        "{\\colortbl ";
    for (std::uint32_t c :
         {reglages_.couleurTexte, reglages_.couleurHommes, reglages_.couleurFemmes, reglages_.couleurTrait})
        t += entreeCouleur(c) + ';';
    t += entreeCouleur(couleurRvb(rouge, vert, bleu)) + ";}";
    t += "\\paperw" + enTexte(enTwips(largeur)) + "\\paperh" + enTexte(enTwips(hauteur));
    t += "\\margt" + enTexte(enTwips(reglages_.margeHaut)) + "\\margb" + enTexte(enTwips(reglages_.margeBas));
    t += "\\margl" + enTexte(enTwips(reglages_.margeGauche)) + "\\margr" + enTexte(enTwips(reglages_.margeDroite));
    t += "\\widowctrl\n{\\*\\generator Lignara ";
    t += kVersionProgramme;
    t += ";}\\f0\\fs20\n";
    fichier_.flux() << t;
}

void DocumentRtf::ecrire(std::string_view rtf) {
    fichier_.flux() << rtf;
    if (!rtf.empty()) motOuvert_ = finitParMotOuvert(rtf);
}

void DocumentRtf::ecrireTexte(std::string_view texte1252) {
    if (texte1252.empty()) return;
    std::string t = motOuvert_ ? " " : "";
    ajouterRtfEchappe(t, texte1252);
    ecrire(t);
}

void DocumentRtf::ecrireControles(std::string_view rtf) { ecrire(rtf); }

void DocumentRtf::bordures(int indexCouleur, int bas, int droite, int haut, int gauche) {
    std::string t;
    const char* cotes[] = {"\\brdrb", "\\brdrr", "\\brdrt", "\\brdrl"};
    const int largeurs[] = {bas, droite, haut, gauche};
    for (int i = 0; i < 4; ++i)
        t += std::string(cotes[i]) + "\\brdrw" + enTexte(2 * std::int64_t{largeurs[i]}) + "\\brdrth\\brdrcf" +
             enTexte(indexCouleur);
    ecrire(t + ' ');
}

void DocumentRtf::cellule(const CelluleRtf& c) {
    std::string t;
    if (c.bordure != 0)
        for (const char* cote : {"\\clbrdrb", "\\clbrdrr", "\\clbrdrt", "\\clbrdrl"})
            t += std::string(cote) + "\\brdrw" + enTexte(2 * std::int64_t{c.bordure}) + "\\brdrth\\brdrcf3";
    if (c.hauteurRangee != 0) t += "\\trrh" + enTexte(enTwips(c.hauteurRangee));
    t += c.controles;
    bordCellule_ += enTwips(c.largeur) + 2 * std::int64_t{c.bordure};
    t += "\\cellx" + enTexte(bordCellule_);
    ecrire(t);
}

void DocumentRtf::image(std::int32_t largeur, std::int32_t hauteur, const std::string& chemin1252) {
    if (ecrireImageRtf(fichier_.flux(), chemin1252, largeur, hauteur) == ResultatImageRtf::IgnoreeNonJpeg)
        ++imagesIgnorees_;
    else
        motOuvert_ = false;
}

void DocumentRtf::fermer() {
    if (!fichier_.estOuvert()) return;
    fichier_.flux() << '}';
    const bool ecrit = fichier_.fermer();
    if (imagesIgnorees_ > 0) transmettre(reglages_.messages, messageImagesIgnoreesRtf(imagesIgnorees_));
    if (!ecrit) throw OperationImpossible(fichier_.message());
}

}  // namespace lignara
