#include "render/texte/RedacteurTexteBrut.h"

#include <algorithm>
#include <vector>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "render/texte/Repli.h"

namespace lignara {

namespace {

void completer(std::string& t, std::size_t colonne) {
    if (t.size() < colonne) t.append(colonne - t.size(), ' ');
}

void ajouterSegments(std::string& t, std::span<const Segment> segments) {
    for (const Segment& s : segments) t += s.texte;
}

// Texte d'une cellule, coupé à sa largeur.
std::string texteCellule(const CelluleTableau& c, std::size_t largeur) {
    std::string t;
    ajouterSegments(t, c.segments);
    if (t.size() > largeur) t.resize(largeur);
    return t;
}

}  // namespace

void RedacteurTexteBrut::rediger(const MiseEnPage& mise, const ContenuRedaction& contenu) {
    colonnes_ = std::max<std::int32_t>(mise.colonnesTexte, 1);
    lignes_ = 0;
    debut_ = true;
    if (!fichier_.ouvrir(mise.chemin)) throw OperationImpossible("Ouverture impossible du fichier TXT"_1252);
    contenu(*this);
    if (!fichier_.fermer()) throw OperationImpossible("Erreur d'écriture dans le fichier de sortie"_1252);
}

void RedacteurTexteBrut::ecrire(const std::string& texte) {
    fichier_.flux() << texte;
    debut_ = false;
}

void RedacteurTexteBrut::titre(const Titre& titre) {
    const StyleTitre& style = *titre.style;
    std::string t(debut_ ? 0 : static_cast<std::size_t>(std::max(style.lignesAvantTexte, 0)), '\n');
    t += style.avantTexte;
    t += titre.texte;
    t += style.apresTexte;
    t += '\n';
    ecrire(t);
}

std::int64_t RedacteurTexteBrut::ligne(const Ligne& ligne) {
    std::string t(static_cast<std::size_t>(std::max(ligne.retrait.caracteres, 0)), ' ');
    const std::size_t origine = t.size();
    if (!ligne.etiquette.vide()) {
        const auto largeur = static_cast<std::size_t>(std::max(ligne.etiquette.largeur.caracteres, 0));
        if (ligne.etiquette.texte.size() < largeur) t.append(largeur - ligne.etiquette.texte.size(), ' ');
        t += ligne.etiquette.texte;
        t += ligne.etiquette.suite;
    }
    completer(t, origine + static_cast<std::size_t>(std::max(ligne.contenu.caracteres, 0)));
    ajouterSegments(t, ligne.segments);
    t += '\n';
    ecrire(t);
    return lignes_++;
}

void RedacteurTexteBrut::paragraphe(const Paragraphe& p) {
    const std::int64_t premiere = std::max(p.retrait.caracteres, 0);
    const std::int64_t suite = std::max(p.retraitSuite.caracteres, 0);
    const auto repliees = replier(
        p.segments, std::max<std::int64_t>(colonnes_ - premiere, 1), std::max<std::int64_t>(colonnes_ - suite, 1),
        [](const Segment&, std::string_view t) { return static_cast<std::int64_t>(t.size()); });
    std::string t;
    for (std::size_t i = 0; i < repliees.size(); ++i) {
        t.append(static_cast<std::size_t>(i == 0 ? premiere : suite), ' ');
        for (const MorceauRepli& m : repliees[i]) t += p.segments[m.segment].texte.substr(m.debut, m.fin - m.debut);
        t += '\n';
    }
    ecrire(t);
}

void RedacteurTexteBrut::lignesVides(int nombre) {
    if (nombre > 0) ecrire(std::string(static_cast<std::size_t>(nombre), '\n'));
}

void RedacteurTexteBrut::filet() { ecrire(std::string(static_cast<std::size_t>(colonnes_), '-') + '\n'); }

void RedacteurTexteBrut::sautDePage() { ecrire("\f"); }

void RedacteurTexteBrut::tableau(const Tableau& tableau) {
    const std::size_t n = tableau.colonnes.size();
    std::vector<std::size_t> largeurs(n);
    for (std::size_t c = 0; c < n; ++c)
        largeurs[c] = static_cast<std::size_t>(std::max(tableau.colonnes[c].caracteres, 1));
    // Rangées restantes de chaque colonne couverte par une fusion verticale venue d'en haut.
    std::vector<int> couvertes(n, 0);
    std::string t;
    for (const RangeeTableau& rangee : tableau.rangees) {
        std::string texte, soulignement;
        bool entete = false;
        std::size_t c = 0;
        auto cellule = rangee.cellules.begin();
        while (c < n) {
            std::string morceau, trait;
            std::size_t largeur = largeurs[c];
            std::size_t etendue = 1;
            if (couvertes[c] > 0) {
                --couvertes[c];
            } else if (cellule != rangee.cellules.end()) {
                etendue = std::clamp<std::size_t>(cellule->colonnes, 1, n - c);
                for (std::size_t k = 1; k < etendue; ++k) largeur += 2 + largeurs[c + k];
                morceau = texteCellule(*cellule, largeur);
                if (cellule->entete) trait.assign(morceau.size(), '-');
                entete = entete || cellule->entete;
                for (std::size_t k = 0; k < etendue; ++k) couvertes[c + k] = std::max<int>(cellule->rangees, 1) - 1;
                ++cellule;
            }
            if (c > 0) {
                texte += "  ";
                soulignement += "  ";
            }
            completer(morceau, largeur);
            completer(trait, largeur);
            texte += morceau;
            soulignement += trait;
            c += etendue;
        }
        while (!texte.empty() && texte.back() == ' ') texte.pop_back();
        while (!soulignement.empty() && soulignement.back() == ' ') soulignement.pop_back();
        t += texte + '\n';
        if (entete) t += soulignement + '\n';
    }
    ecrire(t);
}

}  // namespace lignara

namespace lignara {

void RedacteurTexteBrut::photos(const GrillePhotos& grille) {
    for (const CellulePhoto& c : grille.cellules) {
        if (c.legende.empty()) continue;
        std::string t;
        ajouterSegments(t, c.legende);
        ecrire(t + '\n');
    }
}

}  // namespace lignara
