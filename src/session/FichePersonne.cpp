#include "session/FichePersonne.h"

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "dates/DateLongue.h"
#include "gedcom/RelectureIndividu.h"

namespace lignara {

namespace {

// Les champs de la fiche se montrent en entier, pas coupés à la largeur des documents.
constexpr std::size_t kCapacite = 1024;

std::string lieuSansCode(const std::string& lieu) { return lieu.size() > 3 ? lieu.substr(3) : std::string(); }

std::string source(const BaseGenealogique& base, std::uint32_t ref) {
    return base.LireTexte(TableSources, ref, kCapacite);
}

EvenementConsulte evenement(const BaseGenealogique& base, std::uint32_t numero) {
    EvenementConsulte e;
    if (numero == 0) return e;
    const Evenement ev = base.LireEvenement(numero);
    e.date = texteDateLongue(ev.date);
    e.lieu = lieuSansCode(base.LireTexte(TableLieux, ev.lieu, kCapacite));
    e.sourceDate = source(base, ev.source);
    e.sourceLieu = source(base, ev.sourceLieu);
    return e;
}

PersonneCitee citer(const BaseGenealogique& base, std::uint32_t p) {
    PersonneCitee c{p, {}};
    if (p == 0 || p > base.nombreIndividus()) return {0, {}};
    const Individu i = base.LireIndividu(p);
    const std::string nom = base.LireTexte(TableNoms, i.nom);
    const std::string prenoms = base.LireTexte(TablePrenoms, i.prenoms);
    c.nom = prenoms.empty() ? nom : nom.empty() ? prenoms : prenoms + " " + nom;
    if (c.nom.empty()) c.nom = "n\xB0 " + std::to_string(p);
    return c;
}

std::string annee(const BaseGenealogique& base, std::uint32_t evenement) {
    if (evenement == 0) return {};
    const DateGed d = base.LireEvenement(evenement).date;
    return d.absente() ? std::string() : std::to_string(d.annee);
}

struct Libelle {
    CodeTag tag;
    const char* texte;
};

const Libelle kLibelles[] = {
    {CodeTag::BAPM, "Bapt\xEAme"},
    {CodeTag::CHR, "Bapt\xEAme"},
    {CodeTag::CHRA, "Bapt\xEAme d'adulte"},
    {CodeTag::BAPL, "Bapt\xEAme"},
    {CodeTag::BURI, "Inhumation"},
    {CodeTag::OCCU, "Profession"},
    {CodeTag::RESI, "Domicile"},
    {CodeTag::FCOM, "1\xE8re communion"},
    {CodeTag::CONF, "Confirmation"},
    {CodeTag::CONL, "Confirmation"},
    {CodeTag::BARM, "Bar Mitzvah"},
    {CodeTag::BASM, "Bat Mitzvah"},
    {CodeTag::ORDN, "Ordination"},
    {CodeTag::HAJJ, "Hajj"},
    {CodeTag::ADOP, "Adoption"},
    {CodeTag::TITL, "Titre"},
    {CodeTag::EVEN, "\xC9v\xE9nement"},
};

std::string libelle(const EvenementRelu& e) {
    if (e.tag == CodeTag::EVEN && !e.type.empty()) return e.type;
    for (const Libelle& l : kLibelles)
        if (l.tag == e.tag) return l.texte;
    return "\xC9v\xE9nement";
}

std::string texteRelu(const EvenementRelu& e) {
    std::string t = e.valeur;
    auto ajouter = [&t](const std::string& s) {
        if (s.empty()) return;
        if (!t.empty()) t += ", ";
        t += s;
    };
    if (!e.date.empty()) ajouter(texteDateGedcomLongue(e.date));
    ajouter(e.lieu);
    ajouter(e.adresse);
    ajouter(e.note);
    return t;
}

}  // namespace

FichePersonne lireFichePersonne(const BaseGenealogique& base, std::uint32_t personne) {
    const Individu i = base.LireIndividu(personne);
    FichePersonne f;
    f.numero = personne;
    f.nom = base.LireTexte(TableNoms, i.nom, kCapacite);
    f.prenoms = base.LireTexte(TablePrenoms, i.prenoms, kCapacite);
    f.sexe = i.sexe == 'M' ? "Masculin" : i.sexe == 'F' ? "F\xE9minin" : "";
    f.naissance = evenement(base, i.naissance);
    f.deces = evenement(base, i.deces);
    f.profession = base.LireTexte(TableProfessions, i.profession, kCapacite);
    f.commentaire = base.LireTexte(TableCommentaires, i.commentaire, kCapacite);
    f.pere = citer(base, i.pere);
    f.mere = citer(base, i.mere);
    f.sourceIdentite = source(base, i.sourceNom);
    f.sourceProfession = source(base, i.sourceProfession);
    f.sourceCommentaire = source(base, i.sourceCommentaire);
    f.blocNotes = i.notes;
    f.titre = citer(base, personne).nom;
    const std::string n = annee(base, i.naissance), d = annee(base, i.deces);
    if (!n.empty() || !d.empty()) f.titre += " (" + n + "-" + d + ")";
    return f;
}

std::vector<FamilleConsultee> lireFamilles(const BaseGenealogique& base, std::uint32_t personne) {
    std::vector<FamilleConsultee> familles;
    std::uint32_t fiche = base.LireIndividu(personne).premiereFamille;
    // Une chaîne ne peut pas avoir plus de fiches que la base : au-delà, elle boucle.
    for (std::uint32_t vues = 0; fiche != 0 && vues < base.nombreFamilles(); ++vues) {
        const Famille f = base.LireFamille(fiche);
        FamilleConsultee c;
        c.conjoint = citer(base, f.conjoint);
        c.mariageConnu = f.mariage != 0;
        c.mariage = evenement(base, f.mariage);
        c.divorce = f.divorce >= 0;
        if (f.divorce > 0) c.divorceEvenement = evenement(base, static_cast<std::uint32_t>(f.divorce));
        std::uint32_t enfant = f.premierEnfant;
        for (std::uint32_t n = 0; enfant != 0 && n < base.nombreIndividus(); ++n) {
            c.enfants.push_back(citer(base, enfant));
            const std::int32_t suivant = base.LireIndividu(enfant).fratrie;
            enfant = suivant > 0 ? static_cast<std::uint32_t>(suivant) : 0;
        }
        familles.push_back(std::move(c));
        fiche = f.suivante > 0 ? static_cast<std::uint32_t>(f.suivante) : 0;
    }
    return familles;
}

std::vector<std::string> lireBlocNote(const BaseGenealogique& base, std::uint32_t personne) {
    return base.LireNotes(base.LireIndividu(personne).notes);
}

AutresEvenements relireAutresEvenements(const BaseGenealogique& base, const SourcesGedcom& sources,
                                        std::uint32_t personne) {
    AutresEvenements r;
    if (sources.vide()) return r;
    if (sources.modifieesDepuisImport()) {
        r.avis =
            "Le fichier Gedcom a \xE9t\xE9 modifi\xE9 depuis son ouverture : "
            "rouvrez-le pour voir les autres \xE9v\xE9nements.";
        return r;
    }
    const Individu i = base.LireIndividu(personne);
    try {
        RelectureIndividu relecture = sources.relecture();
        for (const EvenementRelu& e : relecture.relire(i.fichierGedcom, i.decalageGedcom))
            // Naissance et décès sont déjà dans la fiche, lus de la base.
            if (e.tag != CodeTag::BIRT && e.tag != CodeTag::DEAT) r.evenements.push_back({libelle(e), texteRelu(e)});
    } catch (const OperationImpossible& e) {
        r.avis = e.what();
    }
    return r;
}

}  // namespace lignara
