#include "documents/PagesOptions.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "commun/Texte.h"
#include "documents/arbres/Coloration.h"

namespace lignara {

namespace {

// clang-format off
const std::vector<PageOptions> kPages = {
    {"DIALOG_AA_GENE", "Arbre ascendant", {
        {controle::kFondDePage, 0, "Arbre chronologique", {}, 0, 0},
        {controle::kFormat, 1, "Format de sortie", {}, 0, 0},
        {controle::kGroupe1, 2, "Style", {"classique", "par couple d'ascendants"}, 0, 0},
        {controle::kCritere, 3, "Arbre chromatique", {}, 0, 0},
        {controle::kSuppressionNonColorees, 4, "Suppression des branches non colorées", {}, 0, 0},
    }},
};
// clang-format on

bool estNumerique(const ValeurParametre& v) {
    return std::holds_alternative<std::uint8_t>(v) || std::holds_alternative<std::uint16_t>(v) ||
           std::holds_alternative<std::uint32_t>(v) || std::holds_alternative<std::int32_t>(v);
}

std::int64_t entier(const ValeurParametre& v) {
    return std::visit(
        [](const auto& x) -> std::int64_t {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_integral_v<T>) return static_cast<std::int64_t>(x);
            else return 0;
        },
        v);
}

// Même genre que la valeur remplacée.
ValeurParametre entierComme(const ValeurParametre& modele, std::int64_t v) {
    if (std::holds_alternative<std::uint16_t>(modele)) return static_cast<std::uint16_t>(v);
    if (std::holds_alternative<std::uint32_t>(modele)) return static_cast<std::uint32_t>(v);
    if (std::holds_alternative<std::int32_t>(modele)) return static_cast<std::int32_t>(v);
    return static_cast<std::uint8_t>(v);
}

// Rang absolu du paramètre « L » des coupes et du nombre de générations qui le suit (−1 : aucun).
struct RangsCoupes {
    int liste = -1;
    int generations = -1;
};

RangsCoupes rangsCoupes(const Document& document) {
    std::string p = document.signature().parametres();
    RangsCoupes r;
    std::size_t l = p.find('L');
    if (l == std::string::npos) return r;
    r.liste = static_cast<int>(l);
    if (l + 1 < p.size() && p[l + 1] == '1') r.generations = static_cast<int>(l + 1);
    return r;
}

// Le format est un paramètre (parametreFormat) ou seulement le format du document.
ValeurParametre* parametreFormat(Document& document) {
    int f = document.parametreFormat();
    if (f < 0 || static_cast<std::size_t>(f) >= document.parametres.size()) return nullptr;
    return &document.parametres[static_cast<std::size_t>(f)];
}

const ValeurParametre* parametreFormat(const Document& document) { return parametreFormat(const_cast<Document&>(document)); }

ValeurParametre* parametreDe(Document& document, const ControleOption& c) {
    std::size_t i = debutOptions(document.type()) + c.parametre;
    return i < document.parametres.size() ? &document.parametres[i] : nullptr;
}

const ValeurParametre* parametreDe(const Document& document, const ControleOption& c) {
    return parametreDe(const_cast<Document&>(document), c);
}

void copierControle(const ControleOption& c, const ValeurParametre& v, EmplacementsOptions& e) {
    if (c.identifiant == controle::kFormat) return;  // suit parametreFormat(), voir plus bas
    if (c.identifiant == controle::kFondDePage) {
        const auto* nom = std::get_if<std::string>(&v);
        e.textes[controle::kFondDePage] = nom ? *nom : std::string();
        e.valeurs[controle::kChronologique] = nom && !nom->empty();
    } else if (c.identifiant == controle::kCritere) {
        std::int64_t code = entier(v);
        e.valeurs[controle::kCritere] = code;
        e.valeurs[controle::kChromatique] = code != ColorationAucune;
    } else if (const auto* texte = std::get_if<std::string>(&v)) {
        e.textes[c.identifiant] = *texte;
    } else if (const auto* date = std::get_if<DateParametre>(&v)) {
        e.textes[c.identifiant] = texteDateSaisie(*date);
    } else if (estNumerique(v)) {
        e.valeurs[c.identifiant] = entier(v);
    }
}

std::int64_t valeurDe(const EmplacementsOptions& e, int id) {
    auto it = e.valeurs.find(id);
    return it == e.valeurs.end() ? 0 : it->second;
}

std::string texteDe(const EmplacementsOptions& e, int id) {
    auto it = e.textes.find(id);
    return it == e.textes.end() ? std::string() : it->second;
}

void recopierControle(const ControleOption& c, const EmplacementsOptions& e, ValeurParametre& v) {
    if (c.identifiant == controle::kFormat) return;
    if (c.identifiant == controle::kFondDePage) {
        v = valeurDe(e, controle::kChronologique) ? texteDe(e, controle::kFondDePage) : std::string();
    } else if (c.identifiant == controle::kCritere) {
        v = entierComme(v, valeurDe(e, controle::kChromatique) ? valeurDe(e, controle::kCritere) : std::int64_t{ColorationAucune});
    } else if (std::holds_alternative<std::string>(v)) {
        v = texteDe(e, c.identifiant);
    } else if (std::holds_alternative<DateParametre>(v)) {
        // Une date refusée par la page ne remplace pas l'ancienne.
        if (auto date = lireDateSaisie(texteDe(e, c.identifiant))) v = *date;
    } else if (estNumerique(v)) {
        v = entierComme(v, valeurDe(e, c.identifiant));
    }
}

}  // namespace

const PageOptions* pageOptions(std::string_view nom) {
    for (const PageOptions& p : kPages)
        if (nom == p.nom) return &p;
    return nullptr;
}

const PageOptions* premierePage(const Afficheur& type) {
    std::string_view pages(type.pages);
    return pages.empty() ? nullptr : pageOptions(pages.substr(0, pages.find(',')));
}

PageOptions pageDuType(const Afficheur& type) {
    if (const PageOptions* p = premierePage(type)) return *p;
    PageOptions page{"", type.titre, {}};
    if (type.formats != OffrePdf) page.controles.push_back({controle::kFormat, 0, "Format de sortie", {}, 0, 0});
    return page;
}

bool aPageCoupes(const Afficheur& type) { return std::string_view(type.pages).find(kPageCoupes) != std::string_view::npos; }

std::string titreFeuille(const Afficheur& type) {
    const PageOptions* p = premierePage(type);
    return p ? p->titreFeuille : type.titre;
}

std::string invitationCoupes(const Afficheur& type) {
    switch (type.prefixe[0]) {
        case 'A': return "Entrez les branches à couper dans l'arbre";
        case 'L': return "Entrez les branches à couper dans la liste";
        default: return "Entrez les branches à couper";
    }
}

std::size_t debutOptions(const Afficheur& type) {
    std::string_view s(type.signature);
    if (!s.starts_with("Ps")) return 0;
    return s.size() > 2 && s[2] == 'P' ? 3 : 2;
}

std::optional<SorteArbreChromatique> sorteChromatique(const Afficheur& type) {
    switch (type.code) {
        case 1: return SorteArbreChromatique::AscendantIndividuel;
        case 38: return SorteArbreChromatique::AscendantFamilial;
        case 2: return SorteArbreChromatique::Descendant;
        case 3: case 39: return SorteArbreChromatique::Mixte;
        case 40: case 41: return SorteArbreChromatique::Cousins;
        default: return std::nullopt;
    }
}

std::vector<std::uint8_t> criteresProposes(const Afficheur& type) {
    auto sorte = sorteChromatique(type);
    if (!sorte) return {};
    auto codes = lignara::criteresProposes(*sorte);
    return {codes.begin(), codes.end()};
}

std::string texteDateSaisie(const DateParametre& date) {
    char tampon[16];
    std::string texte;
    if (date.jour) {
        std::snprintf(tampon, sizeof tampon, "%02d/", date.jour);
        texte += tampon;
    }
    if (date.mois) {
        std::snprintf(tampon, sizeof tampon, "%02d/", date.mois);
        texte += tampon;
    }
    if (date.annee || !texte.empty()) {
        std::snprintf(tampon, sizeof tampon, "%04d", date.annee);
        texte += tampon;
    }
    return texte;
}

std::optional<DateParametre> lireDateSaisie(std::string_view texte) {
    while (!texte.empty() && texte.front() == ' ') texte.remove_prefix(1);
    while (!texte.empty() && texte.back() == ' ') texte.remove_suffix(1);
    if (texte.empty()) return DateParametre{};
    std::vector<int> nombres;
    for (std::size_t debut = 0; debut <= texte.size();) {
        std::size_t fin = std::min(texte.find('/', debut), texte.size());
        std::string_view morceau = texte.substr(debut, fin - debut);
        if (morceau.empty() || morceau.size() > 4 ||
            !std::all_of(morceau.begin(), morceau.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        nombres.push_back(std::atoi(std::string(morceau).c_str()));
        debut = fin + 1;
    }
    const std::size_t n = nombres.size();
    if (n > 3) return std::nullopt;
    const int annee = nombres[n - 1], mois = n >= 2 ? nombres[n - 2] : 0, jour = n == 3 ? nombres[0] : 0;
    if (annee > 9999 || (n >= 2 && (mois < 1 || mois > 12)) || (n == 3 && (jour < 1 || jour > 31))) return std::nullopt;
    DateParametre d;
    d.jour = static_cast<std::uint8_t>(jour);
    d.mois = static_cast<std::uint8_t>(mois);
    d.annee = static_cast<std::uint16_t>(annee);
    return d;
}

EmplacementsOptions versEmplacements(const Document& document) {
    EmplacementsOptions e;
    if (const PageOptions* page = premierePage(document.type()))
        for (const ControleOption& c : page->controles)
            if (const ValeurParametre* v = parametreDe(document, c)) copierControle(c, *v, e);
    const ValeurParametre* format = parametreFormat(document);
    e.valeurs[controle::kFormat] = format ? entier(*format) : static_cast<std::int64_t>(document.format);
    RangsCoupes r = rangsCoupes(document);
    e.avecCoupes = aPageCoupes(document.type()) && r.liste >= 0;
    if (!e.avecCoupes) return e;
    if (const auto* ens = std::get_if<EnsemblePersonnes>(&document.parametres[static_cast<std::size_t>(r.liste)]))
        e.coupes = ListeCoupes(*ens);
    if (r.generations >= 0) e.generations = static_cast<int>(entier(document.parametres[static_cast<std::size_t>(r.generations)]));
    return e;
}

void depuisEmplacements(const EmplacementsOptions& e, Document& document, std::uint32_t nombrePersonnes) {
    if (const PageOptions* page = premierePage(document.type()))
        for (const ControleOption& c : page->controles)
            if (ValeurParametre* v = parametreDe(document, c)) recopierControle(c, e, *v);
    auto code = static_cast<FormatSortie>(std::clamp<std::int64_t>(valeurDe(e, controle::kFormat), 0, 3));
    if (!document.type().offre(code)) code = FormatSortie::Pdf;
    if (ValeurParametre* format = parametreFormat(document)) *format = entierComme(*format, static_cast<std::int64_t>(code));
    document.format = code;
    if (!e.avecCoupes) return;
    RangsCoupes r = rangsCoupes(document);
    if (r.liste < 0) return;
    document.parametres[static_cast<std::size_t>(r.liste)] = e.coupes.ensemble(nombrePersonnes);
    if (r.generations >= 0)
        document.parametres[static_cast<std::size_t>(r.generations)] =
            entierComme(document.parametres[static_cast<std::size_t>(r.generations)],
                        std::clamp(e.generations, 0, ListeCoupes::kGenerationsMax));
}

}  // namespace lignara
