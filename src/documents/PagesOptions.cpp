#include "documents/PagesOptions.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace lignara {

namespace {

// Page d'un type qui ne déclare encore aucun contrôle : le format de sortie seul.
constexpr ParametreDeclare kFormatSeul{
    .lettre = '1', .role = RoleParametre::Format, .controle = controle::kFormat, .libelle = "Format de sortie"};

bool surPageCoupes(const ParametreDeclare& p) {
    return p.role == RoleParametre::Coupes || p.role == RoleParametre::LimiteGenerations ||
           p.role == RoleParametre::Reports || p.role == RoleParametre::NombreReports;
}

bool estNumerique(const ValeurParametre& v) {
    return std::holds_alternative<std::uint8_t>(v) || std::holds_alternative<std::uint16_t>(v) ||
           std::holds_alternative<std::uint32_t>(v) || std::holds_alternative<std::int32_t>(v);
}

std::int64_t entier(const ValeurParametre& v) {
    return std::visit(
        [](const auto& x) -> std::int64_t {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_integral_v<T>)
                return static_cast<std::int64_t>(x);
            else
                return 0;
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

// Le critère de coloration hors de sa case (255) et le fond de page vide sont la case décochée.
void copierControle(const ParametreDeclare& p, const ValeurParametre& v, EmplacementsOptions& e) {
    const int id = p.controle;
    if (id == controle::kFondDePage) {
        const auto* nom = std::get_if<std::string>(&v);
        e.textes[id] = nom ? *nom : std::string();
        e.valeurs[controle::kChronologique] = nom && !nom->empty();
    } else if (id == controle::kCritere) {
        std::int64_t code = entier(v);
        e.valeurs[id] = code;
        e.valeurs[controle::kChromatique] = code != p.defaut;
    } else if (const auto* texte = std::get_if<std::string>(&v)) {
        e.textes[id] = *texte;
    } else if (const auto* date = std::get_if<DateParametre>(&v)) {
        e.textes[id] = texteDateSaisie(*date);
    } else if (estNumerique(v)) {
        e.valeurs[id] = entier(v);
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

void recopierControle(const ParametreDeclare& p, const EmplacementsOptions& e, ValeurParametre& v) {
    const int id = p.controle;
    if (id == controle::kFondDePage) {
        v = valeurDe(e, controle::kChronologique) ? texteDe(e, id) : std::string();
    } else if (id == controle::kCritere) {
        v = entierComme(v, valeurDe(e, controle::kChromatique) ? valeurDe(e, id) : p.defaut);
    } else if (std::holds_alternative<std::string>(v)) {
        v = texteDe(e, id);
    } else if (std::holds_alternative<DateParametre>(v)) {
        // Une date refusée par la page ne remplace pas l'ancienne.
        if (auto date = lireDateSaisie(texteDe(e, id))) v = *date;
    } else if (estNumerique(v)) {
        v = entierComme(v, valeurDe(e, id));
    }
}

// Contrôles d'options liés à un paramètre : ni le format, qui suit son rôle, ni la page « Coupes ».
bool controleDOption(const ParametreDeclare& p) {
    return p.controle != 0 && p.role != RoleParametre::Format && !surPageCoupes(p);
}

}  // namespace

void fixerReports(Document& document, EnsemblePersonnes reports) {
    ValeurParametre* liste = document.valeur(RoleParametre::Reports);
    if (!liste) return;
    const std::uint32_t nombre = reports.nombre();
    *liste = std::move(reports);
    if (ValeurParametre* n = document.valeur(RoleParametre::NombreReports)) *n = entierComme(*n, nombre);
}

std::vector<PageOptions> pagesOptions(const Afficheur& type) {
    std::vector<PageOptions> pages;
    bool declares = false;
    const auto modeles = type.pagesFeuille();
    for (std::size_t rang = 0; rang < modeles.size(); ++rang) {
        if (modeles[rang].modele == Afficheur::kPageCoupes || modeles[rang].modele == Afficheur::kPageReports) continue;
        PageOptions page{modeles[rang].modele, modeles[rang].onglet, {}};
        for (const ParametreDeclare* p : type.parametres)
            if (p->controle != 0 && !surPageCoupes(*p) && p->page == rang) page.controles.push_back(p);
        declares = declares || !page.controles.empty();
        if (!page.controles.empty()) pages.push_back(std::move(page));
    }
    if (!declares && type.formats != OffrePdf) pages.push_back({"", "Général", {&kFormatSeul}});
    return pages;
}

bool aPageCoupes(const Afficheur& type) { return type.aPageCoupes() && type.indice(RoleParametre::Coupes) >= 0; }

bool aPageReports(const Afficheur& type) { return type.aPageReports() && type.indice(RoleParametre::Reports) >= 0; }

std::string titreFeuille(const Afficheur& type) { return type.titreFeuille ? type.titreFeuille : type.titre; }

std::string invitationCoupes(const Afficheur& type) {
    const int i = type.indice(RoleParametre::Coupes);
    const char* libelle = i >= 0 ? type.parametres[static_cast<std::size_t>(i)]->libelle : nullptr;
    return libelle ? libelle : "Entrez les branches à couper";
}

std::string invitationReports(const Afficheur& type) {
    const int i = type.indice(RoleParametre::Reports);
    const char* libelle = i >= 0 ? type.parametres[static_cast<std::size_t>(i)]->libelle : nullptr;
    return libelle ? libelle : "Entrez les branches à reporter";
}

const char* libelleCaseDeListe(int identifiant) {
    if (identifiant == controle::kFondDePage) return "Arbre chronologique";
    if (identifiant == controle::kCritere) return "Arbre chromatique";
    return nullptr;
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
    const Afficheur& type = document.type();
    for (std::size_t i = 0; i < type.parametres.size() && i < document.parametres.size(); ++i)
        if (controleDOption(*type.parametres[i])) {
            copierControle(*type.parametres[i], document.parametres[i], e);
            const int id = type.parametres[i]->controle;
            if (id == controle::kNombre1 || id == controle::kNombre2 || id == controle::kNombre3)
                e.maxima[id] = document.maximum(*type.parametres[i]);
        }
    const ValeurParametre* format = document.valeur(RoleParametre::Format);
    e.valeurs[controle::kFormat] = format ? entier(*format) : static_cast<std::int64_t>(document.format);
    const ValeurParametre* reports = document.valeur(RoleParametre::Reports);
    e.avecReports = aPageReports(type) && reports;
    if (e.avecReports)
        if (const auto* ensemble = std::get_if<EnsemblePersonnes>(reports)) e.reports = ListeCoupes(*ensemble);
    const ValeurParametre* coupes = document.valeur(RoleParametre::Coupes);
    e.avecCoupes = aPageCoupes(type) && coupes;
    if (!e.avecCoupes) return e;
    if (const auto* ensemble = std::get_if<EnsemblePersonnes>(coupes)) e.coupes = ListeCoupes(*ensemble);
    if (const ValeurParametre* limite = document.valeur(RoleParametre::LimiteGenerations))
        e.generations = static_cast<int>(entier(*limite));
    return e;
}

void depuisEmplacements(const EmplacementsOptions& e, Document& document, std::uint32_t nombrePersonnes) {
    const Afficheur& type = document.type();
    for (std::size_t i = 0; i < type.parametres.size() && i < document.parametres.size(); ++i)
        if (controleDOption(*type.parametres[i])) recopierControle(*type.parametres[i], e, document.parametres[i]);
    auto code = static_cast<FormatSortie>(std::clamp<std::int64_t>(valeurDe(e, controle::kFormat), 0, 3));
    if (!type.offre(code)) code = FormatSortie::Pdf;
    if (ValeurParametre* format = document.valeur(RoleParametre::Format))
        *format = entierComme(*format, static_cast<std::int64_t>(code));
    document.format = code;
    if (e.avecReports) fixerReports(document, e.reports.ensemble(nombrePersonnes));
    if (!e.avecCoupes) return;
    ValeurParametre* coupes = document.valeur(RoleParametre::Coupes);
    if (!coupes) return;
    *coupes = e.coupes.ensemble(nombrePersonnes);
    if (ValeurParametre* limite = document.valeur(RoleParametre::LimiteGenerations))
        *limite = entierComme(*limite, std::clamp(e.generations, 0, ListeCoupes::kGenerationsMax));
}

}  // namespace lignara
