#include "documents/ParametresLigneCommande.h"

#include <charconv>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/ChoixConjoint.h"
#include "documents/ListeCoupes.h"
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

// Indice (parmi les paramètres) de la n-ième lettre donnée de la signature, ou −1.
int indiceLettre(const Document& d, char lettre, int rang) {
    std::string p = d.signature().parametres();
    for (std::size_t i = 0; i < p.size(); ++i)
        if (p[i] == lettre && rang-- == 0) return static_cast<int>(i);
    return -1;
}

std::string formatsOfferts(const Afficheur& type) {
    std::vector<std::string> mots;
    for (int f = 0; f < 4; ++f)
        if (type.offre(static_cast<FormatSortie>(f))) mots.emplace_back(kMotsFormats[f]);
    return joindre(mots);
}

std::int32_t conjointUnique(const ContexteDocument& contexte, std::int32_t racine) {
    auto conjoints = conjointsPossibles(*contexte.base, static_cast<std::uint32_t>(racine));
    if (conjoints.size() <= 1) return conjoints.empty() ? 0 : static_cast<std::int32_t>(conjoints[0].conjoint);
    SelectionPersonne noms(contexte);
    std::string liste;
    for (const auto& c : conjoints) liste += "\n  " + versUtf8(noms.nomDe(c.conjoint) + " " + noms.prenomsDe(c.conjoint));
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
        case G::Choix:
            for (std::size_t i = 0; i < o.choix.size(); ++i)
                if (o.choix[i] == valeur)
                    return std::holds_alternative<std::string>(modele)
                               ? ValeurParametre(depuisUtf8(valeur))
                               : valeurEntiere(modele, i < o.valeurs.size() ? o.valeurs[i] : static_cast<std::int64_t>(i));
            refuser("Valeur inconnue pour « " + o.libelle + " » : « " + valeur + " ».\nValeurs possibles : " +
                    joindre(o.choix));
        case G::Texte:
            if (depuisUtf8(valeur).size() <= o.longueurMax) return depuisUtf8(valeur);
            refuser("Texte trop long pour « " + o.libelle + " » (" + std::to_string(o.longueurMax) +
                    " caractères au plus)");
    }
    refuser("Option incorrecte");
}

}  // namespace

std::optional<FormatSortie> formatDeMot(const std::string& mot) {
    for (int f = 0; f < 4; ++f)
        if (mot == kMotsFormats[f]) return static_cast<FormatSortie>(f);
    return std::nullopt;
}

bool ParametresLigneCommande::parametrer(Document& document, const ContexteDocument& contexte) {
    fixerPersonnes(document, contexte);
    fixerFormat(document);
    fixerCoupes(document, contexte);
    for (const std::string& option : demande_.options) fixerOption(document, option);
    document.suivreFormatDesParametres();
    if (!demande_.format) return true;
    if (document.parametreFormat() < 0) document.format = *demande_.format;
    return true;
}

void ParametresLigneCommande::fixerPersonnes(Document& document, const ContexteDocument& contexte) const {
    const Afficheur& type = document.type();
    if (!type.demandeRacine()) {
        if (!demande_.racine.empty() || !demande_.conjoint.empty() || !demande_.seconde.empty())
            refuser("Ce document ne demande aucune personne");
        return;
    }
    if (demande_.racine.empty()) refuser("Ce document demande une personne : --racine PERSONNE");
    std::int32_t racine = resoudre_(demande_.racine);
    document.parametres[0] = racine;
    if (document.parametres.size() > 1 && std::holds_alternative<std::string>(document.parametres[1]))
        document.parametres[1] = SelectionPersonne(contexte).nomDe(static_cast<std::uint32_t>(racine));

    int second = indiceLettre(document, 'P', 1);
    const bool lienDeParente = type.code == 11;
    const std::string& demandee = lienDeParente ? demande_.seconde : demande_.conjoint;
    const std::string& deTrop = lienDeParente ? demande_.conjoint : demande_.seconde;
    if (!deTrop.empty() || (second < 0 && !demandee.empty()))
        refuser(lienDeParente ? "Ce document prend une seconde personne : --seconde PERSONNE"
                              : "Seuls les documents familiaux prennent --conjoint, et le lien de parenté --seconde");
    if (second < 0) return;
    if (lienDeParente && demandee.empty()) refuser("Ce document demande une seconde personne : --seconde PERSONNE");
    document.parametres[static_cast<std::size_t>(second)] =
        demandee.empty() ? conjointUnique(contexte, racine) : resoudre_(demandee);
}

void ParametresLigneCommande::fixerFormat(Document& document) const {
    if (!demande_.format) return;
    if (!document.type().offre(*demande_.format))
        refuser("Format non offert par ce document. Formats possibles : " + formatsOfferts(document.type()));
    int i = document.parametreFormat();
    if (i >= 0) document.parametres[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(*demande_.format);
}

void ParametresLigneCommande::fixerCoupes(Document& document, const ContexteDocument& contexte) const {
    if (demande_.coupes.empty()) return;
    int i = indiceLettre(document, 'L', 0);
    if (i < 0 || std::string_view(document.type().pages).find("DIALOG_COUPE") == std::string_view::npos)
        refuser("Ce document n'a pas de coupes de branches");
    ListeCoupes coupes;
    for (const std::string& c : demande_.coupes)
        if (!coupes.ajouter(resoudre_(c)) && !coupes.peutAjouter())
            refuser("Au plus " + std::to_string(ListeCoupes::kNombreMax) + " branches coupées");
    document.parametres[static_cast<std::size_t>(i)] = coupes.ensemble(contexte.base->nombreIndividus());
}

void ParametresLigneCommande::fixerOption(Document& document, const std::string& option) const {
    std::size_t egal = option.find('=');
    std::string libelle = option.substr(0, egal);
    std::string valeur = egal == std::string::npos ? std::string() : option.substr(egal + 1);
    while (!libelle.empty() && (libelle.back() == ' ' || libelle.back() == ':')) libelle.pop_back();
    std::vector<OptionDocument> options = document.options();
    for (const OptionDocument& o : options) {
        if (o.libelle != libelle) continue;
        if (egal == std::string::npos) refuser("Option sans valeur : « " + option + " » (LIBELLÉ=VALEUR)");
        ValeurParametre& p = document.parametres.at(o.parametre);
        p = valeurOption(o, p, valeur);
        return;
    }
    std::vector<std::string> libelles;
    for (const OptionDocument& o : options) libelles.push_back("« " + o.libelle + " »");
    refuser("Option inconnue : « " + libelle + " ».\n" +
            (libelles.empty() ? std::string("Ce document n'a pas d'option.") : "Options possibles : " + joindre(libelles)));
}

}  // namespace lignara
