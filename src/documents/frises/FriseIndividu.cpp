#include "documents/frises/FriseIndividu.h"

#include <algorithm>
#include <initializer_list>
#include <set>
#include <span>

#include "commun/Texte.h"
#include "database/Parente.h"
#include "dates/DateLecture.h"
#include "documents/frises/LibelleFrise.h"

namespace lignara {

namespace {

struct ActeReligieux {
    const char* libelle;  // Windows-1252
    std::initializer_list<CodeTag> tags;
};

// Dans l'ordre de la frise : ceux d'avant les mariages, puis ceux d'après.
const ActeReligieux kAvantMariages[] = {
    {"Baptême"_1252, {CodeTag::BAPM, CodeTag::CHR, CodeTag::CHRA, CodeTag::BAPL}},
    {"1ère communion"_1252, {CodeTag::FCOM}},
    {"Confirmation"_1252, {CodeTag::CONF, CodeTag::CONL}},
    {"Bar Mitzvah"_1252, {CodeTag::BARM}},
    {"Bat Mitzvah"_1252, {CodeTag::BASM}},
};
const ActeReligieux kApresMariages[] = {
    {"Ordination"_1252, {CodeTag::ORDN}},
    {"Hajj"_1252, {CodeTag::HAJJ}},
};

bool estDeType(const EvenementRelu& e, std::string_view type) { return e.tag == CodeTag::EVEN && e.type == type; }

class Construction {
public:
    Construction(const BaseGenealogique& base, std::uint32_t personne, const OptionsFrise& options)
        : base_(base), options_(options) {
        frise_.personne = personne;
        individu_ = base.LireIndividu(personne);
        frise_.nom = base.LireTexte(TableNoms, individu_.nom);
        frise_.prenoms = base.LireTexte(TablePrenoms, individu_.prenoms);
    }

    FriseIndividu construire(RelectureIndividu& relecture) {
        relus_ = relecture.relire(individu_.fichierGedcom, individu_.decalageGedcom);
        familles_ = Conjoints(base_, frise_.personne);
        personnels();
        fixerFenetre();
        // Sans rien de daté dans sa propre vie, la personne n'a pas de fenêtre où placer ceux
        // de ses proches : ses mariages sans date seuls restent.
        if (options_.familiaux && fenetreFixee_) familiaux();
        if (options_.professions) professions();
        if (options_.domiciles) domiciles();
        return std::move(frise_);
    }

private:
    void personnels();
    void actesReligieux(std::span<const ActeReligieux> actes);
    void mariages();
    void fixerFenetre();
    void familiaux();
    void decesProche(std::uint32_t proche, const char* formeLongue, const char* formeCourte);
    void enfants();
    void professions();
    void domiciles();

    IntervalleJours jours(std::uint32_t evenement) const {
        return evenement == 0 ? IntervalleJours() : IntervalleJours(base_.LireEvenement(evenement).date);
    }
    std::string prenomsDe(std::uint32_t p) const {
        return base_.LireTexte(TablePrenoms, base_.LireIndividu(p).prenoms);
    }
    std::string nomDe(std::uint32_t p) const { return base_.LireTexte(TableNoms, base_.LireIndividu(p).nom); }

    void ajouter(BandeFrise bande, EvenementFrise e, bool gardeSansDate = false);

    const BaseGenealogique& base_;
    const OptionsFrise options_;
    FriseIndividu frise_;
    Individu individu_;
    std::vector<EvenementRelu> relus_;
    std::vector<FamilleConjoint> familles_;
    bool fenetreFixee_ = false;
};

EvenementFrise evenement(const char* libelle1252, CategorieFrise categorie, IntervalleJours debut = {}) {
    EvenementFrise e;
    e.libelle = libelle1252;
    e.categorie = categorie;
    e.debut = debut;
    return e;
}

// Ramène des bornes connues dans la fenêtre.
void ramener(IntervalleJours& b, const PlageJours& f) {
    if (b.inconnu()) return;
    b.bas = std::clamp(b.bas, f.debut, f.fin);
    b.haut = std::clamp(b.haut, f.debut, f.fin);
}

void Construction::ajouter(BandeFrise bande, EvenementFrise e, bool gardeSansDate) {
    if (!e.date()) {
        if (!gardeSansDate) return;
        e.fin = {};  // une fin sans début ne se place pas
    } else if (fenetreFixee_) {
        const PlageJours& f = frise_.fenetre;
        if (e.plusTard() < f.debut || e.debut.bas > f.fin) return;
        ramener(e.debut, f);
        ramener(e.fin, f);
    }
    frise_.plage.inclure(e);
    frise_.bandes[bande].push_back(std::move(e));
}

void Construction::personnels() {
    ajouter(kPersonnels, evenement("Naissance", CategorieFrise::Naissance, jours(individu_.naissance)));
    if (options_.religieux) actesReligieux(kAvantMariages);
    mariages();
    if (options_.religieux) actesReligieux(kApresMariages);
    ajouter(kPersonnels, evenement("Décès"_1252, CategorieFrise::Deces, jours(individu_.deces)));
    for (const EvenementRelu& r : relus_) {
        DateGed d, fin;
        if (r.tag != CodeTag::BURI || !LirePeriode(r.date, d, fin) || d.absente()) continue;
        ajouter(kPersonnels, evenement("Enterrement", CategorieFrise::Deces, IntervalleJours(d)));
        break;
    }
}

// Le premier acte daté de chaque sorte ; un acte sans date ne se place pas.
void Construction::actesReligieux(std::span<const ActeReligieux> actes) {
    for (const ActeReligieux& acte : actes) {
        for (const EvenementRelu& r : relus_) {
            if (std::find(acte.tags.begin(), acte.tags.end(), r.tag) == acte.tags.end()) continue;
            DateGed d, fin;
            if (!LirePeriode(r.date, d, fin) || d.absente()) continue;
            ajouter(kPersonnels, evenement(acte.libelle, CategorieFrise::Religion, IntervalleJours(d)));
            break;
        }
    }
}

void Construction::mariages() {
    for (const FamilleConjoint& f : familles_) {
        if (f.conjoint == 0 && f.mariage == 0 && f.divorce < 0) continue;
        EvenementFrise m = evenement("Mariage", CategorieFrise::Mariage, jours(f.mariage));
        if (f.conjoint != 0) nommerEvenement(m, "Mariage avec ", "Mariage", prenomsDe(f.conjoint), nomDe(f.conjoint));
        ajouter(kPersonnels, std::move(m), true);
        if (f.divorce >= 0) {
            const IntervalleJours d = f.divorce > 0 ? jours(static_cast<std::uint32_t>(f.divorce)) : IntervalleJours();
            ajouter(kPersonnels, evenement("Divorce", CategorieFrise::Divorce, d), true);
        }
    }
}

// Sans naissance datée, le plus tôt des événements personnels peut être le décès lui-même : la
// fenêtre remonte alors de cent ans avant la fin, sans quoi elle ne garderait rien de la vie.
void Construction::fixerFenetre() {
    if (frise_.plage.vide()) return;
    PlageJours& f = frise_.fenetre;
    f.debut = frise_.plage.debut;
    const IntervalleJours deces = jours(individu_.deces);
    f.fin = deces.inconnu() ? f.debut + FriseIndividu::kJours100Ans : std::max(deces.haut, f.debut);
    if (jours(individu_.naissance).inconnu()) f.debut = std::min(f.debut, f.fin - FriseIndividu::kJours100Ans);
    fenetreFixee_ = true;
}

void Construction::decesProche(std::uint32_t proche, const char* formeLongue, const char* formeCourte) {
    if (proche == 0) return;
    EvenementFrise e = evenement("", CategorieFrise::Deces, jours(base_.LireIndividu(proche).deces));
    nommerEvenement(e, formeLongue, formeCourte, prenomsDe(proche), nomDe(proche));
    ajouter(kFamiliaux, std::move(e));
}

void Construction::familiaux() {
    decesProche(individu_.pere, "Décès du père ("_1252, "Décès du père"_1252);
    decesProche(individu_.mere, "Décès de la mère ("_1252, "Décès de la mère"_1252);
    std::set<std::uint32_t> vus;
    for (const FamilleConjoint& f : familles_)
        if (f.conjoint != 0 && vus.insert(f.conjoint).second)
            decesProche(f.conjoint, "Décès du conjoint ("_1252, "Décès du conjoint"_1252);
    enfants();
}

void Construction::enfants() {
    for (const FamilleConjoint& f : familles_) {
        for (std::uint32_t enfant : Enfants(base_, f.fiche)) {
            const Individu e = base_.LireIndividu(enfant);
            const std::string prenoms = base_.LireTexte(TablePrenoms, e.prenoms);
            const std::string nom = base_.LireTexte(TableNoms, e.nom);
            EvenementFrise n = evenement("", CategorieFrise::Naissance, jours(e.naissance));
            nommerEvenement(n, "Naissance de ", "Naissance d'un enfant", prenoms, nom);
            ajouter(kFamiliaux, std::move(n));
            if (e.deces == 0) continue;
            EvenementFrise d = evenement("", CategorieFrise::Deces, jours(e.deces));
            nommerEvenement(d, "Décès de "_1252, "Décès d'un enfant"_1252, prenoms, nom);
            ajouter(kFamiliaux, std::move(d));
        }
    }
}

// Dates d'une profession ou d'un domicile : début et fin d'une période « FROM … TO … ».
void dater(EvenementFrise& e, const std::string& texte) {
    DateGed debut, fin;
    if (!LirePeriode(texte, debut, fin)) return;
    e.debut = IntervalleJours(debut);
    e.fin = IntervalleJours(fin);
}

std::string coupe(std::string_view s, std::size_t n) { return std::string(s.substr(0, n)); }

void Construction::professions() {
    for (const EvenementRelu& r : relus_) {
        if (r.tag != CodeTag::OCCU && !estDeType(r, "Occupation")) continue;
        std::string texte = !r.valeur.empty() ? r.valeur : r.note;
        EvenementFrise e = evenement("Profession", CategorieFrise::Profession);
        if (!texte.empty()) e.libelle = coupe(texte, EvenementFrise::kLibelleMax);
        dater(e, r.date);
        ajouter(kProfessions, std::move(e), true);
    }
}

void Construction::domiciles() {
    for (const EvenementRelu& r : relus_) {
        if (r.tag != CodeTag::RESI && !estDeType(r, "Residence")) continue;
        EvenementFrise e = evenement("Domicile", CategorieFrise::Domicile);
        if (!r.lieu.empty())
            e.libelle = coupe(r.lieu, EvenementFrise::kLibelleMax);
        else if (!r.adresse.empty())
            e.libelle = coupe(r.adresse, EvenementFrise::kLibelleMax);
        else if (!r.valeur.empty())
            e.libelle = coupe(r.valeur, FriseIndividu::kLibelleDomicileMax);
        else if (!r.note.empty())
            e.libelle = coupe(r.note, FriseIndividu::kLibelleDomicileMax);
        dater(e, r.date);
        ajouter(kDomiciles, std::move(e), true);
    }
}

}  // namespace

FriseIndividu construireFrise(const BaseGenealogique& base, RelectureIndividu& relecture, std::uint32_t personne,
                              const OptionsFrise& options) {
    return Construction(base, personne, options).construire(relecture);
}

}  // namespace lignara
