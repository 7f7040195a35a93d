#include "documents/fiches/ContenuFiche.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "commun/Texte.h"
#include "dates/DateLongue.h"
#include "documents/arbres/TextesBoites.h"

namespace lignara {

namespace {

struct ActeReligieux {
    const char* libelle;  // UTF-8
    std::array<CodeTag, 4> tags;
};

constexpr ActeReligieux kActes[] = {
    {"    Baptême : ", {CodeTag::BAPM, CodeTag::CHR, CodeTag::CHRA, CodeTag::BAPL}},
    {"    Communion : ", {CodeTag::FCOM, CodeTag::FCOM, CodeTag::FCOM, CodeTag::FCOM}},
    {"    Confirmation : ", {CodeTag::CONF, CodeTag::CONL, CodeTag::CONL, CodeTag::CONL}},
    {"    Bar Mitzvah : ", {CodeTag::BARM, CodeTag::BARM, CodeTag::BARM, CodeTag::BARM}},
    {"    Bat Mitzvah : ", {CodeTag::BASM, CodeTag::BASM, CodeTag::BASM, CodeTag::BASM}},
    {"    Ordination : ", {CodeTag::ORDN, CodeTag::ORDN, CodeTag::ORDN, CodeTag::ORDN}},
    {"    Hajj : ", {CodeTag::HAJJ, CodeTag::HAJJ, CodeTag::HAJJ, CodeTag::HAJJ}},
};

bool commenceParVoyelleOuH(const std::string& nom) {
    return !nom.empty() && std::string_view("AEIOUYHaeiouyh").find(nom.front()) != std::string_view::npos;
}

std::string joindre(const std::string& a, const std::string& b, std::string_view entre) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return a + std::string(entre) + b;
}

std::string nomComplet(const BaseGenealogique& base, const Individu& i) {
    return joindre(base.LireTexte(TablePrenoms, i.prenoms), base.LireTexte(TableNoms, i.nom), " ");
}

std::string texteEvenementBase(const BaseGenealogique& base, std::uint32_t numero) {
    if (numero == 0) return {};
    const Evenement e = base.LireEvenement(numero);
    return joindre(texteDateLongue(e.date), lieuLisible(base.LireTexte(TableLieux, e.lieu)), ", ");
}

std::string texteRelu(const EvenementRelu& r) {
    return joindre(r.date.empty() ? std::string() : texteDateGedcomLongue(r.date), r.lieu, ", ");
}

bool estDeType(const EvenementRelu& r, CodeTag tag, std::string_view type) {
    return r.tag == tag || (r.tag == CodeTag::EVEN && r.type == type);
}

void ajouter(std::vector<LigneFiche>& lignes, std::string libelle, std::string texte) {
    if (!texte.empty()) lignes.push_back({std::move(libelle), std::move(texte)});
}

}  // namespace

std::string titreReligieux(std::size_t lignes) {
    return lignes == 1 ? "Evénément religieux"_1252 : "Evénéments religieux"_1252;
}
std::string titreProfessions(std::size_t lignes) {
    return lignes == 1 ? "Activité professionnelle"_1252 : "Activités professionnelles"_1252;
}
std::string titreDomiciles(std::size_t lignes) { return lignes == 1 ? "Domicile" : "Domiciles"; }

std::string ligneFiliation(std::uint8_t sexe, const std::string& pere, const std::string& mere) {
    if (pere.empty() && mere.empty()) return {};
    std::string ligne = sexe == 'M' ? "Fils" : sexe == 'F' ? "Fille" : "Enfant";
    auto parent = [&ligne](const std::string& nom) {
        ligne += commenceParVoyelleOuH(nom) ? "d'" : "de ";
        ligne += nom;
    };
    ligne += ' ';
    if (!pere.empty()) {
        parent(pere);
        if (mere.empty()) return ligne;
        ligne += " et ";
    }
    parent(mere);
    return ligne;
}

ContenuFiche construireFiche(const SourcesFiche& sources, std::uint32_t personne, const OptionsFiche& options) {
    const BaseGenealogique& base = *sources.base;
    const Individu i = base.LireIndividu(personne);
    ContenuFiche f;
    f.personne = personne;
    f.sexe = i.sexe;
    f.nom = nomComplet(base, i);
    const std::string pere = i.pere ? nomComplet(base, base.LireIndividu(i.pere)) : std::string();
    const std::string mere = i.mere ? nomComplet(base, base.LireIndividu(i.mere)) : std::string();
    f.filiation = ligneFiliation(i.sexe, pere, mere);

    std::vector<EvenementRelu> relus;
    if (sources.relecture) relus = sources.relecture->relire(i.fichierGedcom, i.decalageGedcom);

    ajouter(f.evenements, "Naissance : ", texteEvenementBase(base, i.naissance));
    ajouter(f.evenements, "Décès : "_1252, texteEvenementBase(base, i.deces));
    for (const EvenementRelu& r : relus)
        if (r.tag == CodeTag::BURI && !texteRelu(r).empty()) {
            ajouter(f.evenements, "Enterrement : ", texteRelu(r));
            break;
        }
    if (options.religieux)
        for (const ActeReligieux& acte : kActes)
            for (const EvenementRelu& r : relus)
                if (std::find(acte.tags.begin(), acte.tags.end(), r.tag) != acte.tags.end())
                    ajouter(f.religieux, depuisUtf8(acte.libelle), texteRelu(r));
    for (const EvenementRelu& r : relus)
        if (estDeType(r, CodeTag::OCCU, "Occupation"))
            ajouter(f.professions, {}, joindre(r.valeur, texteRelu(r), ", "));
    if (f.professions.empty()) ajouter(f.professions, {}, base.LireTexte(TableProfessions, i.profession));
    if (options.domiciles)
        for (const EvenementRelu& r : relus)
            if (estDeType(r, CodeTag::RESI, "Residence"))
                ajouter(f.domiciles, {}, joindre(joindre(r.adresse, r.valeur, ", "), texteRelu(r), ", "));
    if (options.photos && sources.taillePhoto)
        f.photos = photosDe(base, personne, sources.dossiersGedcom, sources.taillePhoto);
    return f;
}

}  // namespace lignara
