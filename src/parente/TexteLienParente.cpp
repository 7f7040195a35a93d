#include "parente/TexteLienParente.h"

#include <algorithm>
#include <array>
#include <vector>

#include "commun/Texte.h"
#include "dates/DateFormat.h"
#include "parente/NomAffiche.h"

namespace lignara {

namespace {

std::string dateDe(const BaseGenealogique& base, std::uint32_t evenement) {
    if (evenement == 0) return {};
    DateGed d = base.LireEvenement(evenement).date;
    return d.absente() ? std::string() : texteDate(d, FormatJourMois);
}

std::string texteCase(const BaseGenealogique& base, const CaseParente& c) {
    if (c.vide()) return {};
    if (c.personne == CaseParente::kInconnue) return "?";
    std::string t = nomAffiche(c.nom, c.prenoms, static_cast<std::uint32_t>(c.personne));
    std::string naissance = dateDe(base, c.naissance), deces = dateDe(base, c.deces);
    if (naissance.empty() && deces.empty()) return t;
    t += " (";
    if (!naissance.empty()) t += "° "_1252 + naissance;
    if (!naissance.empty() && !deces.empty()) t += ", ";
    if (!deces.empty()) t += "+ " + deces;
    return t + ")";
}

std::string generations(std::size_t n) {
    return std::to_string(n) + (n > 1 ? " générations"_1252 : " génération"_1252);
}

void ajouterTableau(std::string& sortie, const std::vector<std::array<std::string, 5>>& lignes) {
    std::array<std::size_t, 5> largeurs{};
    for (const auto& l : lignes)
        for (std::size_t c = 0; c < 5; ++c) largeurs[c] = std::max(largeurs[c], l[c].size());
    for (const auto& l : lignes) {
        std::string ligne;
        for (std::size_t c = 0; c < 5; ++c) {
            ligne += l[c];
            if (c < 4) ligne += std::string(largeurs[c] - l[c].size() + (c == 2 ? 3 : 2), ' ');
        }
        while (!ligne.empty() && ligne.back() == ' ') ligne.pop_back();
        sortie += ligne + "\n";
    }
}

}  // namespace

std::string texteLienParente(const BaseGenealogique& base, const LienParente& lien) {
    std::string s = "Lien de parenté entre "_1252 + nomAffiche(base, lien.premiere()) + " et " +
                    nomAffiche(base, lien.seconde()) + "\n";
    s += "Ancêtre commun : "_1252 + nomAffiche(base, lien.ancetreCommun()) + "\n";
    std::string sommet;
    for (int c = 0; c < 4; ++c) {
        std::string t = texteCase(base, lien.case_(0, c));
        if (t.empty()) continue;
        sommet += (sommet.empty() ? "" : " ; ") + t;
    }
    s += "Sommet : " + sommet + "\n";
    s += "Lignées : "_1252 + generations(lien.longueurPremiere()) + " pour la première personne, "_1252 +
         generations(lien.longueurSeconde()) + " pour la seconde\n";
    if (lien.rangees() < 2) return s;
    std::vector<std::array<std::string, 5>> lignes;
    lignes.push_back({"Rang", "Première lignée"_1252, "Conjoint", "Seconde lignée"_1252, "Conjoint"});
    for (std::size_t r = 1; r < lien.rangees(); ++r) {
        std::array<std::string, 5> l{std::to_string(r)};
        for (int c = 0; c < 4; ++c) l[static_cast<std::size_t>(c) + 1] = texteCase(base, lien.case_(r, c));
        lignes.push_back(l);
    }
    s += "\n";
    ajouterTableau(s, lignes);
    return s;
}

}  // namespace lignara
