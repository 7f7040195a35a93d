#include "render/texte/RedacteurRtf.h"

#include <algorithm>
#include <vector>

#include "render/FormatPapier.h"

namespace lignara {

namespace {

std::string enTexte(std::int64_t n) { return std::to_string(n); }

std::int64_t twips(std::int64_t unites) { return DocumentRtf::enTwips(unites); }

std::string_view sansBlancsDeTete(std::string_view t) {
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    return t;
}

constexpr std::string_view kFilet = "{\\fs1\\brdrb\\brdrw28\\brdrth\\brdrcf3\\par}\n";

}  // namespace

ReglagesDessin RedacteurRtf::pageDeTexteCoulant(ReglagesDessin reglages) {
    if (!formatPapierOuNonPagine(reglages.formatPapier).estPagine()) reglages.formatPapier = kA4Portrait;
    return reglages;
}

void RedacteurRtf::rediger(const MiseEnPage& mise, const ContenuRedaction& contenu) {
    lignes_ = 0;
    blocs_ = 0;
    const std::uint32_t f = mise.couleurFond;
    rtf_.ouvrir(mise.chemin, static_cast<std::uint8_t>(f & 0xFF), static_cast<std::uint8_t>((f >> 8) & 0xFF),
                static_cast<std::uint8_t>((f >> 16) & 0xFF));
    contenu(*this);
    while (blocs_ > 0) finBloc();
    rtf_.fermer();
}

void RedacteurRtf::signet(std::string_view ancre) {
    if (ancre.empty()) return;
    rtf_.ecrireControles("{\\*\\bkmkstart ");
    rtf_.ecrireTexte(ancre);
    rtf_.ecrireControles("}{\\*\\bkmkend ");
    rtf_.ecrireTexte(ancre);
    rtf_.ecrireControles("}");
}

void RedacteurRtf::segment(const Segment& s, std::string_view texte) {
    if (s.croix) texte = "x ";
    if (texte.empty()) return;
    const bool lien = !s.lien.empty();
    if (lien) {
        rtf_.ecrireControles("{\\field{\\*\\fldinst HYPERLINK \\\\l \"");
        rtf_.ecrireTexte(s.lien);
        rtf_.ecrireControles("\"}{\\fldrslt ");
    }
    std::string controles = "{";
    if (s.gras || s.croix) controles += "\\b";
    if (s.souligne) controles += "\\ul";
    if (s.couleur == CouleurSegment::Hommes) controles += "\\cf1";
    if (s.couleur == CouleurSegment::Femmes) controles += "\\cf2";
    if (s.taille > 0) controles += "\\fs" + enTexte(2 * s.taille);
    const bool groupe = controles.size() > 1;
    if (groupe) rtf_.ecrireControles(controles + ' ');
    rtf_.ecrireTexte(texte);
    if (groupe) rtf_.ecrireControles("}");
    if (lien) rtf_.ecrireControles("}}");
}

void RedacteurRtf::segments(std::span<const Segment> liste, bool blancsDeTeteRetires) {
    bool premier = true;
    for (const Segment& s : liste) {
        segment(s, premier && blancsDeTeteRetires ? sansBlancsDeTete(s.texte) : s.texte);
        premier = false;
    }
}

void RedacteurRtf::titre(const Titre& titre) {
    const StyleTitre& style = *titre.style;
    rtf_.ecrireControles(style.centreRtf ? "{\\qc \\b1 " : "{\\b1 ");
    signet(titre.ancre);
    rtf_.ecrireTexte(style.avantTexteRtf);
    segment(Segment{.texte = titre.texte, .lien = titre.lien}, titre.texte);
    rtf_.ecrireControles("\\b0 \\par}\n");
    if (style.filetRtf > 0)
        rtf_.ecrireControles("{\\fs1\\brdrb\\brdrw" + enTexte(style.filetRtf) + "\\brdrth\\brdrcf3\\par}\n");
}

std::int64_t RedacteurRtf::ligne(const Ligne& ligne) {
    const bool etiquette = !ligne.etiquette.vide();
    const std::int64_t gauche = std::int64_t{ligne.retrait.unites} + ligne.contenu.unites;
    // Hors bloc, la ligne porte son retrait ; dans un bloc, la tabulation mène au retrait du bloc.
    const bool propre = blocs_ == 0 && (etiquette || gauche > 0);
    if (propre) {
        std::string c = "{\\li" + enTexte(twips(gauche));
        if (etiquette) c += "\\fi-" + enTexte(twips(ligne.contenu.unites));
        rtf_.ecrireControles(c + ' ');
    }
    signet(ligne.ancre);
    if (etiquette) {
        rtf_.ecrireControles(ligne.etiquette.gras ? "{\\b " : "{");
        rtf_.ecrireTexte(ligne.etiquette.texte);
        rtf_.ecrireTexte(ligne.etiquette.suite);
        rtf_.ecrireControles("}");
    }
    const bool tabulation = etiquette || (blocs_ > 0 && gauche > 0);
    if (tabulation) rtf_.ecrireControles("\\tab ");
    segments(ligne.segments, tabulation);
    rtf_.ecrireControles(propre ? "\\par}\n" : "\\par\n");
    return lignes_++;
}

void RedacteurRtf::paragraphe(const Paragraphe& p) {
    rtf_.ecrireControles("{\\li" + enTexte(twips(p.retraitSuite.unites)) + "\\fi" +
                         enTexte(twips(p.retrait.unites) - twips(p.retraitSuite.unites)) + ' ');
    signet(p.ancre);
    segments(p.segments, false);
    rtf_.ecrireControles("\\par}\n");
}

void RedacteurRtf::lignesVides(int nombre) {
    for (int i = 0; i < nombre; ++i) rtf_.ecrireControles("\\par\n");
}

void RedacteurRtf::filet() { rtf_.ecrireControles(kFilet); }

void RedacteurRtf::sautDePage() { rtf_.ecrireControles("\n\\pagebb\\sl-1\\par\\pard\n"); }

void RedacteurRtf::debutBloc(const Bloc& bloc) {
    rtf_.ecrireControles("{\\li" + enTexte(twips(bloc.retraitSuite)) + "\\fi" +
                         enTexte(twips(bloc.retraitPremiere) - twips(bloc.retraitSuite)) + ' ');
    ++blocs_;
}

void RedacteurRtf::finBloc() {
    if (blocs_ == 0) return;
    rtf_.ecrireControles("}\n");
    --blocs_;
}

void RedacteurRtf::tableau(const Tableau& tableau) {
    const std::size_t n = tableau.colonnes.size();
    // Fusion verticale en cours dans une colonne : rangées restantes et colonnes couvertes.
    struct Couverture {
        int restant = 0;
        std::size_t etendue = 1;
    };
    std::vector<Couverture> couvertures(n);
    for (const RangeeTableau& rangee : tableau.rangees) {
        struct Place {
            const CelluleTableau* cellule = nullptr;  // nul : place couverte par la cellule du dessus
        };
        std::vector<Place> places;
        rtf_.ecrireControles("\\trowd \n");
        rtf_.definirBordCellule(0);
        auto suivante = rangee.cellules.begin();
        for (std::size_t c = 0; c < n;) {
            std::size_t etendue = 1;
            std::string controles;
            const CelluleTableau* cellule = nullptr;
            if (couvertures[c].restant > 0) {
                --couvertures[c].restant;
                etendue = couvertures[c].etendue;
                controles = "\\clvmrg";
            } else if (suivante != rangee.cellules.end()) {
                cellule = &*suivante++;
                etendue = std::clamp<std::size_t>(cellule->colonnes, 1, n - c);
                if (cellule->rangees > 1) {
                    controles = "\\clvmgf";
                    couvertures[c] = {cellule->rangees - 1, etendue};
                }
                if (cellule->fond || cellule->entete) controles += "\\clcbpat4";
            }
            std::int32_t largeur = 0;
            for (std::size_t k = 0; k < etendue && c + k < n; ++k) largeur += tableau.colonnes[c + k].unites;
            rtf_.cellule({.largeur = largeur, .bordure = 1, .controles = controles});
            places.push_back({cellule});
            c += etendue;
        }
        rtf_.ecrireControles("\n");
        for (const Place& p : places) {
            rtf_.ecrireControles("\\pard\\intbl ");
            if (p.cellule) {
                if (p.cellule->centree || p.cellule->entete) rtf_.ecrireControles("\\qc ");
                signet(p.cellule->ancre);
                if (p.cellule->entete) rtf_.ecrireControles("{\\b ");
                segments(p.cellule->segments, false);
                if (p.cellule->entete) rtf_.ecrireControles("}");
            }
            rtf_.ecrireControles("\\cell\n");
        }
        rtf_.ecrireControles("\\row\n");
    }
    rtf_.ecrireControles("\\pard\n");
}

}  // namespace lignara

namespace lignara {

void RedacteurRtf::photos(const GrillePhotos& grille) {
    if (grille.cellules.empty()) return;
    if (!grille.cadres) {
        rtf_.ecrireControles("{\\qc ");
        for (const CellulePhoto& c : grille.cellules) {
            rtf_.image(c.largeur, c.hauteur, std::string(c.chemin1252));
            rtf_.ecrireControles(" ");
        }
        rtf_.ecrireControles("\\par}\n");
        return;
    }
    const std::size_t parRangee = static_cast<std::size_t>(std::max(grille.parRangee, 1));
    for (std::size_t debut = 0; debut < grille.cellules.size(); debut += parRangee) {
        const std::size_t fin = std::min(debut + parRangee, grille.cellules.size());
        rtf_.ecrireControles("\\trowd \n");
        rtf_.definirBordCellule(0);
        for (std::size_t i = debut; i < fin; ++i) rtf_.cellule({.largeur = grille.largeurCellule, .bordure = 1});
        for (std::size_t i = debut; i < fin; ++i) {
            const CellulePhoto& c = grille.cellules[i];
            rtf_.ecrireControles("\n\\pard\\intbl \\qc ");
            rtf_.image(c.largeur, c.hauteur, std::string(c.chemin1252));
            rtf_.ecrireControles("\\keepn\\par ");
            segments(c.legende, false);
            rtf_.ecrireControles("\\cell");
        }
        rtf_.ecrireControles("\n\\row\n");
    }
    rtf_.ecrireControles("\\pard\n");
}

}  // namespace lignara
