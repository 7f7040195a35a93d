#include "documents/ParametresLigneCommande.h"

#include <charconv>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/ChoixConjoint.h"
#include "documents/ListeCoupes.h"
#include "documents/PagesOptions.h"
#include "documents/ReferenceLigneCommande.h"
#include "documents/SelectionPersonne.h"

namespace lignara {

namespace {

constexpr const char* kMotsFormats[] = {"pdf", "texte", "rtf", "web"};

[[noreturn]] void refuser(const std::string& messageUtf8) { throw OperationImpossible(depuisUtf8(messageUtf8)); }

std::string joindre(const std::vector<std::string>& mots) {
    std::string s;
    for (const auto& m : mots) s += (s.empty() ? "" : ", ") + m;
    return s;
}

std::string formatsOfferts(const Afficheur& type) {
    std::vector<std::string> mots;
    for (int f = 0; f < 4; ++f)
        if (type.offre(static_cast<FormatSortie>(f))) mots.emplace_back(kMotsFormats[f]);
    return joindre(mots);
}

// Deux conjoints homonymes se distinguent par leur naissance et leur identifiant, que --conjoint
// accepte.
std::int32_t conjointUnique(const ContexteDocument& contexte, std::int32_t racine,
                            const IdentifiantsPersonnes* identifiants) {
    const auto conjoints = conjointsDistincts(*contexte.base, static_cast<std::uint32_t>(racine));
    if (conjoints.size() <= 1) return conjoints.empty() ? 0 : static_cast<std::int32_t>(conjoints[0].conjoint);
    std::string liste;
    for (const ConjointPossible& c : conjoints)
        liste += "\n  " + versUtf8(presentationPersonne(*contexte.base, c.conjoint, identifiants));
    refuser("Cette personne a plusieurs conjoints ; choisissez-en un avec --conjoint :" + liste);
}

ValeurParametre valeurEntiere(const ValeurParametre& modele, std::int64_t v) {
    if (std::holds_alternative<std::uint16_t>(modele)) return static_cast<std::uint16_t>(v);
    if (std::holds_alternative<std::uint32_t>(modele)) return static_cast<std::uint32_t>(v);
    return static_cast<std::uint8_t>(v);
}

std::optional<std::int64_t> nombre(const std::string& texte) {
    std::int64_t v = 0;
    auto [fin, ec] = std::from_chars(texte.data(), texte.data() + texte.size(), v);
    if (ec != std::errc() || fin != texte.data() + texte.size()) return std::nullopt;
    return v;
}

ValeurParametre choixOption(const OptionDocument& o, const ValeurParametre& modele, const std::string& valeur) {
    const std::string valeur1252 = depuisUtf8(valeur);
    std::vector<std::string> libelles;
    for (std::size_t i = 0; i < o.choix.size(); ++i) {
        const ChoixParametre& c = o.choix[i];
        if (c.libelle == valeur1252) {
            if (!std::holds_alternative<std::string>(modele)) return valeurEntiere(modele, c.valeur);
            return i == o.rangAucun ? std::string() : c.libelle;
        }
        libelles.push_back(versUtf8(c.libelle));
    }
    refuser("Valeur inconnue pour « " + o.libelle + " » : « " + valeur +
            " ».\nValeurs possibles : " + joindre(libelles));
}

ValeurParametre valeurOption(const OptionDocument& o, const ValeurParametre& modele, const std::string& valeur) {
    using G = OptionDocument::Genre;
    switch (o.genre) {
        case G::OuiNon:
            if (valeur == "oui" || valeur == "non") return static_cast<std::uint8_t>(valeur == "oui");
            refuser("Valeur inconnue pour « " + o.libelle + " » : « " + valeur + " ».\nValeurs possibles : oui, non");
        case G::Nombre: {
            auto v = nombre(valeur);
            if (v && *v >= o.minimum && *v <= o.maximum) return valeurEntiere(modele, *v);
            refuser("Valeur incorrecte pour « " + o.libelle + " » : « " + valeur + " ».\nNombre de " +
                    std::to_string(o.minimum) + " à " + std::to_string(o.maximum));
        }
        case G::Choix: return choixOption(o, modele, valeur);
        case G::Texte:
            if (depuisUtf8(valeur).size() <= o.longueurMax) return depuisUtf8(valeur);
            refuser("Texte trop long pour « " + o.libelle + " » (" + std::to_string(o.longueurMax) +
                    " caractères au plus)");
        case G::Date:
            if (auto date = lireDateSaisie(valeur)) return *date;
            refuser("Date incorrecte pour « " + o.libelle + " » : « " + valeur + " » (JJ/MM/AAAA, MM/AAAA ou AAAA)");
    }
    refuser("Option incorrecte");
}

OptionDocument optionDe(const ParametreDeclare& p, std::size_t rang) {
    using G = OptionDocument::Genre;
    OptionDocument o;
    o.libelle = p.libelle;
    o.parametre = rang;
    o.choix = p.listeChoix();
    if (p.libelleAucun) {
        o.choix.insert(o.choix.begin(), ChoixParametre{depuisUtf8(p.libelleAucun), p.defaut});
        o.rangAucun = 0;
    }
    o.minimum = p.minimum;
    o.maximum = p.maximum;
    o.longueurMax = p.longueurMax;
    if (!o.choix.empty())
        o.genre = G::Choix;
    else if (p.lettre == 'b')
        o.genre = G::OuiNon;
    else if (p.lettre == 's')
        o.genre = G::Texte;
    else if (p.lettre == 'D')
        o.genre = G::Date;
    else
        o.genre = G::Nombre;
    return o;
}

}  // namespace

std::vector<OptionDocument> optionsDuType(const Afficheur& type) {
    std::vector<OptionDocument> options;
    for (std::size_t i = 0; i < type.parametres.size(); ++i) {
        const ParametreDeclare& p = *type.parametres[i];
        const bool nommee = p.role == RoleParametre::Option || p.role == RoleParametre::LimiteGenerations;
        if (nommee && p.libelle && p.lettre != 'P' && p.lettre != 'L') options.push_back(optionDe(p, i));
    }
    return options;
}

std::optional<FormatSortie> formatDeMot(const std::string& mot) {
    for (int f = 0; f < 4; ++f)
        if (mot == kMotsFormats[f]) return static_cast<FormatSortie>(f);
    return std::nullopt;
}

bool ParametresLigneCommande::parametrer(Document& document, const ContexteDocument& contexte) {
    fixerPersonnes(document, contexte);
    fixerFormat(document);
    fixerCoupes(document, contexte);
    fixerReports(document, contexte);
    for (const std::string& option : demande_.options) fixerOption(document, option);
    document.suivreFormatDesParametres();
    if (demande_.format && !document.valeur(RoleParametre::Format)) document.format = *demande_.format;
    return true;
}

void ParametresLigneCommande::fixerPersonnes(Document& document, const ContexteDocument& contexte) const {
    const Afficheur& type = document.type();
    if (type.tete == DemandeTete::Patronyme) {
        if (!demande_.racine.empty() || !demande_.conjoint.empty() || !demande_.seconde.empty())
            refuser("Ce document demande un nom de famille, pas une personne : --patronyme NOM");
        if (demande_.patronyme.empty()) refuser("Ce document demande un nom de famille : --patronyme NOM");
        if (ValeurParametre* nom = document.valeur(RoleParametre::NomRacine)) *nom = depuisUtf8(demande_.patronyme);
        return;
    }
    if (!demande_.patronyme.empty()) refuser("Seule la carte de patronyme prend --patronyme");
    if (!type.demandeRacine()) {
        if (!demande_.racine.empty() || !demande_.conjoint.empty() || !demande_.seconde.empty())
            refuser("Ce document ne demande aucune personne");
        return;
    }
    if (demande_.racine.empty()) refuser("Ce document demande une personne : --racine PERSONNE");
    SelectionPersonne noms(contexte);
    std::int32_t racine = resoudre_(demande_.racine);
    *document.valeur(RoleParametre::Racine) = racine;
    if (ValeurParametre* nom = document.valeur(RoleParametre::NomRacine))
        *nom = noms.nomDe(static_cast<std::uint32_t>(racine));

    const bool lienDeParente = type.indice(RoleParametre::Seconde) >= 0;
    ValeurParametre* second = document.valeur(lienDeParente ? RoleParametre::Seconde : RoleParametre::Conjoint);
    const std::string& demandee = lienDeParente ? demande_.seconde : demande_.conjoint;
    const std::string& deTrop = lienDeParente ? demande_.conjoint : demande_.seconde;
    if (!deTrop.empty() || (!second && !demandee.empty()))
        refuser(lienDeParente ? "Ce document prend une seconde personne : --seconde PERSONNE"
                              : "Seuls les documents familiaux prennent --conjoint, et le lien de parenté --seconde");
    if (!second) return;
    if (lienDeParente && demandee.empty()) refuser("Ce document demande une seconde personne : --seconde PERSONNE");
    const std::int32_t personne =
        demandee.empty() ? conjointUnique(contexte, racine, identifiants_) : resoudre_(demandee);
    *second = personne;
    if (ValeurParametre* nom = document.valeur(RoleParametre::NomSeconde); nom && personne > 0)
        *nom = noms.nomDe(static_cast<std::uint32_t>(personne));
}

void ParametresLigneCommande::fixerFormat(Document& document) const {
    if (!demande_.format) return;
    if (!document.type().offre(*demande_.format))
        refuser("Format non offert par ce document. Formats possibles : " + formatsOfferts(document.type()));
    if (ValeurParametre* format = document.valeur(RoleParametre::Format))
        *format = static_cast<std::uint8_t>(*demande_.format);
}

void ParametresLigneCommande::fixerCoupes(Document& document, const ContexteDocument& contexte) const {
    if (demande_.coupes.empty()) return;
    ValeurParametre* liste = document.valeur(RoleParametre::Coupes);
    if (!liste || !aPageCoupes(document.type())) refuser("Ce document n'a pas de coupes de branches");
    ListeCoupes coupes;
    for (const std::string& c : demande_.coupes)
        if (!coupes.ajouter(resoudre_(c)) && !coupes.peutAjouter())
            refuser("Au plus " + std::to_string(ListeCoupes::kNombreMax) + " branches coupées");
    *liste = coupes.ensemble(contexte.base->nombreIndividus());
}

void ParametresLigneCommande::fixerReports(Document& document, const ContexteDocument& contexte) const {
    if (demande_.reports.empty()) return;
    if (!aPageReports(document.type())) refuser("Ce document n'a pas de reports de branches");
    ListeCoupes reports;
    for (const std::string& r : demande_.reports)
        if (!reports.ajouter(resoudre_(r)) && !reports.peutAjouter())
            refuser("Au plus " + std::to_string(ListeCoupes::kNombreMax) + " branches reportées");
    lignara::fixerReports(document, reports.ensemble(contexte.base->nombreIndividus()));
}

void ParametresLigneCommande::fixerOption(Document& document, const std::string& option) const {
    std::size_t egal = option.find('=');
    std::string libelle = option.substr(0, egal);
    std::string valeur = egal == std::string::npos ? std::string() : option.substr(egal + 1);
    while (!libelle.empty() && (libelle.back() == ' ' || libelle.back() == ':')) libelle.pop_back();
    std::vector<OptionDocument> options = optionsDuType(document.type());
    for (const OptionDocument& o : options) {
        if (o.libelle != libelle) continue;
        if (egal == std::string::npos) refuser("Option sans valeur : « " + option + " » (LIBELLÉ=VALEUR)");
        ValeurParametre& p = document.parametres.at(o.parametre);
        p = valeurOption(o, p, valeur);
        return;
    }
    std::vector<std::string> libelles;
    libelles.reserve(options.size());
    for (const OptionDocument& o : options) libelles.push_back("« " + o.libelle + " »");
    refuser(
        "Option inconnue : « " + libelle + " ».\n" +
        (libelles.empty() ? std::string("Ce document n'a pas d'option.") : "Options possibles : " + joindre(libelles)));
}

}  // namespace lignara
