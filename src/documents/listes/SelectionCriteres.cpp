#include "documents/listes/SelectionCriteres.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "commun/PliageAccents.h"
#include "database/Casse1252.h"
#include "gedcom/LieuTables.h"

namespace lignara {

namespace {

constexpr std::string_view kGardes = "()[]#\xB0?<>{}";

char caractereNormalise(char c) {
    if (const char base = lettreDeBase(c)) return base;
    if (c >= '0' && c <= '9') return c;
    if (kGardes.find(c) != std::string_view::npos) return c;
    // Lettres sans lettre de base (Æ, Œ, Ø, Þ, Š, Ž…) : gardées, en capitale.
    if (casse1252::majuscule(c) != c || casse1252::minuscule(c) != c) return casse1252::majuscule(c);
    return ' ';
}

// Valeur entière d'une date : année, mois (0 à 13), jour (0 à 32), dans cet ordre.
constexpr std::int64_t valeur(std::int64_t annee, std::int64_t mois, std::int64_t jour) {
    return (annee * 16 + mois) * 64 + jour;
}

struct Intervalle {
    std::int64_t debut = 0;
    std::int64_t fin = 0;
};

// Intervalle d'une date de la base ; rien pour une date absente.
std::optional<Intervalle> intervalleDe(const DateGed& d) {
    if (d.absente()) return std::nullopt;
    if (d.qualificatif == DateEntre) {
        const std::int64_t a = d.premiereAnnee(), b = d.annee;
        if (a == 0) return Intervalle{valeur(b, 0, 0), valeur(b, 13, 32)};
        return Intervalle{valeur(std::min(a, b), 0, 0), valeur(std::max(a, b), 13, 32)};
    }
    const std::int64_t mois = std::min<int>(d.mois, 12), jour = std::min<int>(d.jour, 31);
    return Intervalle{valeur(d.annee, mois, mois == 0 ? 0 : jour),
                      valeur(d.annee, mois == 0 ? 13 : mois, mois == 0 || jour == 0 ? 32 : jour)};
}

// Un critère de texte prêt : normalisé, et les réponses déjà données par référence de table.
class Filtre {
public:
    Filtre(const CritereTexte& c, SelectionCriteres& s)
        : critere_(normaliserCritere(c.texte)), motEntier_(c.motEntier) {
        if (critere_.empty() && !c.texte.empty()) s.criteresIgnores.push_back(c.texte);
    }
    bool actif() const { return !critere_.empty(); }
    template <class Lire>
    bool convient(std::uint32_t ref, const Lire& lire) {
        if (ref == 0) return false;
        auto [it, nouveau] = reponses_.try_emplace(ref, false);
        if (nouveau) it->second = critereConvient(normaliserCritere(lire(ref)), critere_, motEntier_);
        return it->second;
    }

private:
    std::string critere_;
    bool motEntier_;
    std::unordered_map<std::uint32_t, bool> reponses_;
};

std::string texteDeLieu(const BaseGenealogique& base, std::uint32_t ref) {
    const std::string t = base.LireTexte(TableLieux, ref);
    if (t.size() < 3) return t;
    const CodePays pays(t[0], t[1]);
    std::string champ = t.substr(3);
    champ += ' ';
    champ += nomSubdivision(pays, static_cast<std::uint8_t>(t[2]));
    champ += ' ';
    champ += nomPays(pays);
    return champ;
}

bool sorteRetenue(std::uint8_t sorte, std::uint8_t voulue) { return sorte == CritereQuelconque || sorte == voulue; }

}  // namespace

std::string normaliserCritere(std::string_view texte1252) {
    std::string n;
    n.reserve(texte1252.size());
    for (char c : texte1252) {
        const char x = caractereNormalise(c);
        if (x == ' ' && (n.empty() || n.back() == ' ')) continue;
        n.push_back(x);
    }
    if (!n.empty() && n.back() == ' ') n.pop_back();
    return n;
}

bool critereConvient(std::string_view champ, std::string_view critere, bool motEntier) {
    if (critere.empty()) return true;
    if (!motEntier) return champ.find(critere) != std::string_view::npos;
    const std::string entoure = " " + std::string(champ) + " ";
    return entoure.find(" " + std::string(critere) + " ") != std::string::npos;
}

BornesDates bornesDates(const DateParametre& minimale, const DateParametre& maximale) {
    BornesDates b;
    const bool avecMin = minimale.annee != 0, avecMax = maximale.annee != 0;
    if (!avecMin && !avecMax) return b;
    b.actives = true;
    b.minimum = avecMin ? valeur(minimale.annee, std::min<int>(minimale.mois, 12), std::min<int>(minimale.jour, 31))
                        : valeur(-40000, 0, 0);
    // Une maximale sans jour ni mois va jusqu'à la fin de son année ou de son mois.
    b.maximum = avecMax ? valeur(maximale.annee, maximale.mois == 0 ? 13 : std::min<int>(maximale.mois, 12),
                                 maximale.jour == 0 ? 32 : std::min<int>(maximale.jour, 31))
                        : valeur(40000, 0, 0);
    return b;
}

bool dateDansBornes(const DateGed& date, const BornesDates& bornes) {
    if (!bornes.actives) return true;
    const auto i = intervalleDe(date);
    return i && i->debut >= bornes.minimum && i->fin <= bornes.maximum;
}

SelectionCriteres selectionnerParCriteres(const BaseGenealogique& base, const IndexNoms& index,
                                          const CriteresListe& criteres) {
    SelectionCriteres s;
    Filtre nom(criteres.nom, s), prenom(criteres.prenom, s), profession(criteres.profession, s),
        commentaire(criteres.commentaire, s), lieu(criteres.lieu, s);
    const BornesDates bornes = bornesDates(criteres.dateMinimale, criteres.dateMaximale);
    auto table = [&base](TableTexte t) { return [&base, t](std::uint32_t ref) { return base.LireTexte(t, ref); }; };
    auto lireLieu = [&base](std::uint32_t ref) { return texteDeLieu(base, ref); };
    const std::uint32_t familles = base.nombreFamilles(), evenements = base.nombreEvenements();
    // Un événement convient-il au lieu et aux dates demandés ?
    auto lieuConvient = [&](std::uint32_t e) {
        return e != 0 && e <= evenements && lieu.convient(base.LireEvenement(e).lieu, lireLieu);
    };
    auto dateConvient = [&](std::uint32_t e) {
        return e != 0 && e <= evenements && dateDansBornes(base.LireEvenement(e).date, bornes);
    };
    for (std::size_t pos = 0; pos < index.taille(); ++pos) {
        const std::uint32_t p = index.personne(pos);
        if (criteres.statutsVitaux && p < criteres.statutsVitaux->size() && (*criteres.statutsVitaux)[p] == 'v')
            continue;
        const Individu ind = base.LireIndividu(p);
        if (nom.actif() && !nom.convient(ind.nom, table(TableNoms))) continue;
        if (prenom.actif() && !prenom.convient(ind.prenoms, table(TablePrenoms))) continue;
        if (profession.actif() && !profession.convient(ind.profession, table(TableProfessions))) continue;
        if (commentaire.actif() && !commentaire.convient(ind.commentaire, table(TableCommentaires))) continue;
        if (!lieu.actif() && !bornes.actives) {
            s.personnes.push_back(p);
            continue;
        }
        // Événements de la personne par sorte : naissance, décès, puis les mariages de ses unions
        // (chaîne de fiches bornée par leur nombre, même abîmée).
        bool lieuOk = !lieu.actif(), dateOk = !bornes.actives;
        auto essayer = [&](std::uint32_t e, std::uint8_t sorte) {
            if (!lieuOk && sorteRetenue(criteres.sorteLieu, sorte)) lieuOk = lieuConvient(e);
            if (!dateOk && sorteRetenue(criteres.sorteDate, sorte)) dateOk = dateConvient(e);
        };
        essayer(ind.naissance, CritereNaissance);
        essayer(ind.deces, CritereDeces);
        std::uint32_t f = ind.premiereFamille;
        for (std::uint32_t pas = 0; f != 0 && f <= familles && pas < familles && !(lieuOk && dateOk); ++pas) {
            const Famille fiche = base.LireFamille(f);
            essayer(fiche.mariage, CritereMariage);
            f = fiche.suivante > 0 ? static_cast<std::uint32_t>(fiche.suivante) : 0;
        }
        if (lieuOk && dateOk) s.personnes.push_back(p);
    }
    return s;
}

}  // namespace lignara
