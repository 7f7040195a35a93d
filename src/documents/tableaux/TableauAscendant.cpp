#include "documents/tableaux/TableauAscendant.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <unordered_map>

#include "commun/MetriquePolice.h"
#include "commun/Texte.h"
#include "documents/AjustementNom.h"
#include "reglages/RaccordDessin.h"
#include "render/FormatPapier.h"
#include "render/html/PageWeb.h"

namespace lignara {

namespace {

constexpr std::int32_t kRangeeMin = 64;
constexpr std::int32_t kLargeurFleche = 360;
constexpr std::int32_t kLargeurMinimale = 900;
constexpr std::int32_t kMargeCellule = 60;  // le rédacteur PDF écrit à 45 du bord gauche

std::string ancreBloc(std::int32_t n) { return "B" + std::to_string(n); }
std::string ancreDepart(std::int32_t n) { return "C" + std::to_string(n); }

}  // namespace

std::vector<ChoixParametre> choixFormatsPage() {
    std::vector<ChoixParametre> c;
    for (const FormatPapier& f : formatsPapier()) c.push_back({f.nom, f.identifiant});
    return c;
}

bool TableauAscendant::verifierParametres(const ContexteDocument&) { return racine() > 0; }

void TableauAscendant::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    suivreFormatDesParametres();
    // Le papier est celui du document ; 1701 (ancien « Non paginé ») se lit 1702.
    std::int16_t code = static_cast<std::int16_t>(mot(kFormatPage));
    if (code == 1701) code = kNonPagine;
    const FormatPapier papier = formatPapierOuNonPagine(code);
    dessin_.formatPapier = papier.identifiant;
    const FormatPapier mesure = papier.estPagine() ? papier : *formatPapier(kA4Portrait);
    generations_ = kGenerationsNonPagine;
    if (papier.estPagine()) {
        const std::int64_t h = std::int64_t{papier.hauteurUtile} - dessin_.margeHaut - dessin_.margeBas;
        generations_ = 1;
        while (generations_ < kGenerationsMax && (std::int64_t{1} << generations_) * kRangeeMin <= h) ++generations_;
        generations_ = std::max(generations_, 2);
    }
    // Le PDF est comprimé en largeur par la préférence des tableaux : ses colonnes s'élargissent d'autant.
    const int etirement =
        format == FormatSortie::Pdf ? std::clamp<int>(preferences_.compressionTableaux, 10, 200) : 100;
    const std::int64_t page =
        (std::int64_t{mesure.largeurUtile} - dessin_.margeGauche - dessin_.margeDroite) * 100 / etirement -
        std::int64_t{2} * kLargeurFleche;
    largeurColonne_ =
        static_cast<std::int32_t>(std::clamp<std::int64_t>((page - 225) / generations_, kLargeurMinimale, 1 << 20));
    construire(*contexte.base, contexte);
    largeur = 2 * kLargeurFleche + generations_ * largeurColonne_;
    hauteur = 176;
}

void TableauAscendant::construire(const BaseGenealogique& base, const ContexteDocument& contexte) {
    blocs_.clear();
    std::unordered_map<std::uint32_t, std::int32_t> blocDe;
    const auto r = static_cast<std::uint32_t>(racine());
    const int g = generations_;
    const std::size_t parBloc = (std::size_t{1} << g) - 1;
    blocs_.push_back({1, 0, 1, {}});
    blocs_[0].colonnes.push_back({Case{r, 1, 0}});
    blocDe[r] = 1;
    std::size_t cases = parBloc;
    bool limite = false;
    std::vector<std::uint32_t> personnes;
    for (std::size_t i = 0; i < blocs_.size(); ++i) {
        auto& colonnes = blocs_[i].colonnes;
        const std::uint32_t generation = blocs_[i].generation;
        colonnes.resize(static_cast<std::size_t>(g));
        for (std::size_t c = 1; c < colonnes.size(); ++c) {
            colonnes[c].assign(std::size_t{1} << c, Case{});
            for (std::size_t j = 0; j < colonnes[c].size(); ++j) {
                const Case& enfant = colonnes[c - 1][j / 2];
                if (enfant.personne == 0) continue;
                const Individu ind = base.LireIndividu(enfant.personne);
                Case& k = colonnes[c][j];
                k.personne = j % 2 ? ind.mere : ind.pere;
                // Le numéro de la génération 64 est le dernier qui tient sur 64 bits.
                if (k.personne && enfant.sosa != 0 && generation + c <= 64) k.sosa = 2 * enfant.sosa + j % 2;
            }
        }
        for (Case& k : colonnes.back()) {
            if (k.personne == 0) continue;
            const Individu ind = base.LireIndividu(k.personne);
            if (ind.pere == 0 && ind.mere == 0) continue;
            if (auto t = blocDe.find(k.personne); t != blocDe.end()) {
                k.suite = t->second;
                continue;
            }
            if (cases + parBloc > kCasesMax) {
                limite = true;
                continue;
            }
            cases += parBloc;
            const auto n = static_cast<std::int32_t>(blocs_.size() + 1);
            k.suite = n;
            blocDe[k.personne] = n;
            BlocAscendant suivant{n, blocs_[i].numero, generation + static_cast<std::uint32_t>(g) - 1, {}};
            suivant.colonnes.push_back({Case{k.personne, k.sosa, 0}});
            blocs_.push_back(std::move(suivant));  // colonnes n'est plus lu après ceci
        }
        for (const auto& colonne : blocs_[i].colonnes)
            for (const Case& k : colonne)
                if (k.personne) personnes.push_back(k.personne);
    }
    if (limite)
        contexte.signaler(
            "Le tableau est limité : certaines branches ne sont pas continuées (tableau trop grand)."_1252);
    FormeDetails forme;
    forme.donnees = preferences_.donneesTableauAscendant & 3;
    textes_.chargerPersonnes(base, std::move(personnes), forme);
}

void TableauAscendant::rediger(FluxRedaction& flux) const {
    const int g = generations_;
    const std::size_t rangees = std::size_t{1} << (g - 1);
    const bool numeros = octet(kNumerosSosa) != 0;
    const bool parSexe = preferences_.couleurParSexe;
    std::vector<Mesure> colonnes;
    colonnes.push_back({kLargeurFleche, 3});
    for (int c = 0; c < g; ++c) colonnes.push_back({largeurColonne_, 24});
    colonnes.push_back({kLargeurFleche, 3});

    // Les vues des cellules doivent vivre jusqu'à l'écriture du tableau.
    std::deque<std::string> textes;
    std::deque<std::vector<Segment>> segments;
    std::vector<std::vector<CelluleTableau>> cellules;
    std::vector<RangeeTableau> lignes;
    auto garder = [&](std::string s) -> std::string_view { return textes.emplace_back(std::move(s)); };
    bool premier = true;
    for (const BlocAscendant& b : blocs_) {
        if (!premier) flux.sautDePage();
        premier = false;
        textes.clear();
        segments.clear();
        cellules.assign(rangees + 1, {});
        // En-tête : une colonne par génération.
        cellules[0].push_back({.entete = true, .classeWeb = "fleche"});
        for (int c = 0; c < g; ++c) {
            auto& s = segments.emplace_back();
            s.push_back(
                {.texte = garder("G\xE9n\xE9ration " + std::to_string(b.generation + static_cast<std::uint32_t>(c)))});
            cellules[0].push_back({.segments = s,
                                   .entete = true,
                                   .ancre = c == 0 ? garder(ancreBloc(b.numero)) : std::string_view{},
                                   .classeWeb = "gene"});
        }
        cellules[0].push_back({.entete = true, .classeWeb = "fleche"});
        for (std::size_t r = 0; r < rangees; ++r) {
            auto& rangee = cellules[r + 1];
            if (r == 0) {
                auto& s = segments.emplace_back();
                if (b.depuis) s.push_back({.texte = "<<", .gras = true, .lien = garder(ancreDepart(b.numero))});
                rangee.push_back(
                    {.segments = s, .rangees = static_cast<std::uint16_t>(rangees), .classeWeb = "fleche"});
            }
            const Case* derniere = nullptr;
            for (int c = 0; c < g; ++c) {
                const std::size_t etendue = std::size_t{1} << (g - 1 - c);
                if (r % etendue) continue;
                const Case& k = b.colonnes[static_cast<std::size_t>(c)][r / etendue];
                if (c == g - 1) derniere = &k;
                auto& s = segments.emplace_back();
                std::string_view ancre;
                if (k.personne) {
                    const TextesPersonne t = textes_.personne(k.personne);
                    std::string_view nom = t.nom, details = t.details;
                    std::string_view sosa = numeros ? garder(numero(k) + " ") : std::string_view{};
                    if (format == FormatSortie::Pdf) {
                        // Le PDF ne replie pas une cellule : ce qui ne tient pas dans la colonne est raccourci.
                        const MetriquePolice& police = polices.reguliere;
                        std::int32_t reste = largeurColonne_ - 2 * kMargeCellule - largeurTexte(police, sosa);
                        nom = garder(ajusterTexte(reste, nom, police));
                        reste -= largeurTexte(police, nom);
                        details = garder(ajusterTexte(reste * 10 / 7, details, police));
                    }
                    if (!sosa.empty()) s.push_back({.texte = sosa, .gras = true});
                    CouleurSegment couleur = CouleurSegment::Texte;
                    if (parSexe && t.sexe == 'M') couleur = CouleurSegment::Hommes;
                    if (parSexe && t.sexe == 'F') couleur = CouleurSegment::Femmes;
                    s.push_back({.texte = nom, .couleur = couleur});
                    if (!details.empty()) s.push_back({.texte = details, .taille = 7});
                    // La case d'où part un bloc est la cible de son « << ».
                    if (c == g - 1 && k.suite && blocs_[static_cast<std::size_t>(k.suite - 1)].depuis == b.numero &&
                        blocs_[static_cast<std::size_t>(k.suite - 1)].colonnes[0][0].sosa == k.sosa)
                        ancre = garder(ancreDepart(k.suite));
                }
                rangee.push_back({.segments = s,
                                  .rangees = static_cast<std::uint16_t>(etendue),
                                  .centree = c < g - 1,
                                  .ancre = ancre,
                                  .classeWeb = "indi"});
            }
            auto& s = segments.emplace_back();
            if (derniere && derniere->suite)
                s.push_back({.texte = ">>", .gras = true, .lien = garder(ancreBloc(derniere->suite))});
            rangee.push_back({.segments = s, .classeWeb = "fleche"});
        }
        lignes.clear();
        for (const auto& c : cellules) lignes.push_back({c});
        flux.tableau({.colonnes = colonnes, .rangees = lignes});
    }
}

MiseEnPage TableauAscendant::miseEnPage() const {
    MiseEnPage mise;
    mise.chemin = std::filesystem::path(chemin);
    mise.titre1252 = "Tableau ascendant";
    mise.etirementPdf = static_cast<std::int16_t>(std::clamp<int>(preferences_.compressionTableaux, 10, 200));
    return mise;
}

void TableauAscendant::ecrire() {
    const MiseEnPage mise = miseEnPage();
    const std::uint32_t f = mise.couleurFond;
    char fond[8];
    std::snprintf(fond, sizeof fond, "%02x%02x%02x", f & 0xFF, (f >> 8) & 0xFF, (f >> 16) & 0xFF);
    const std::string style =
        std::string("th.gene {font-size:12px;font-weight:bold;text-align:center;color:#009900;background-color:#") +
        fond +
        ";}\nth.fleche {font-size:22px;border-width:0;padding-top:0;padding-bottom:0;visibility:hidden;}\n"
        "td.indi {width:" +
        std::to_string(PageWeb::largeurPixels(largeurColonne_)) +
        "px;}\ntd.fleche {border-width:0;}\na.fleche "
        "{font-size:22px;text-decoration:none;color:black;font-weight:bolder;}\n"
        "th.gene, td.indi {border:1px solid " +
        couleurHtml(dessin_.couleurTrait) + ";text-align:center;}\n";
    MiseEnPage m = mise;
    m.styleWeb = style;
    creerRedacteur(format, dessin_, polices, horloge)->rediger(m, [this](FluxRedaction& flux) { rediger(flux); });
}

}  // namespace lignara
