#include "documents/listes/ListeDescendante.h"

#include <algorithm>
#include <unordered_map>

#include "commun/MetriquePolice.h"
#include "database/TablesDerivees.h"
#include "documents/listes/MiseEnPageListe.h"
#include "reglages/RaccordDessin.h"

namespace lignara {

namespace {

constexpr std::int32_t kPas = 320;  // d'une génération à la suivante
constexpr std::int32_t kCaracteresParPas = 7;
constexpr std::int32_t kRaccord = 230;  // raccord vertical des enfants, depuis x du parent
constexpr std::int32_t kTraitSansNumero = 275;
constexpr std::int32_t kRenvoi = 365;  // « >> » et « ... »
constexpr std::int32_t kLigne = 176;

constexpr StyleTitre kStyleReport{
    .avantTexte = "----- ",
    .apresTexte = " ---------------------------------------------------------------",
    .xPdf = 320,
    .ecartFiletsPdf = 45,
    .debutFiletPdf = 1,
    .avantTexteWeb = "     ",
    .grasWeb = false,
};

CouleurSegment couleurDe(std::uint8_t sexe, bool parSexe) {
    if (!parSexe) return CouleurSegment::Texte;
    if (sexe == 'M') return CouleurSegment::Hommes;
    if (sexe == 'F') return CouleurSegment::Femmes;
    return CouleurSegment::Texte;
}

}  // namespace

bool ListeDescendante::verifierParametres(const ContexteDocument&) { return racine() != 0; }

void ListeDescendante::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    suivreFormatDesParametres();
    const BaseGenealogique& base = *contexte.base;
    const std::uint8_t donnees = preferences_.donneesListeDescendante;
    numerote_ = octet(kNumerote) != 0;
    // Cacher les contemporains demande les statuts vitaux : on attend le fil qui les calcule.
    TablesDerivees locales;
    const TablesDerivees* tables = nullptr;
    if (!octet(kContemporainsListe)) {
        if (contexte.tablesDerivees) {
            tables = &contexte.tablesDerivees();
        } else {
            locales = calculerTablesDerivees(base, horloge.annee());
            tables = &locales;
        }
    }
    ReglesDescendantes r;
    r.base = &base;
    r.racine = static_cast<std::uint32_t>(racine());
    r.agnatique = octet(kAgnatiqueListe) != 0;
    r.mariages = (donnees & kAfficherMariage) != 0;
    r.doublesBranches = preferences_.doublesBranchesDescendantes;
    r.coupes = ensemble(kCoupesListe);
    r.limiteGenerations = octet(kLimiteGenerations);
    r.reports = ensemble(kReports);
    r.statutsVitaux = tables ? &tables->statutsVitaux : nullptr;
    liste_ = construireListeDescendante(r);
    if (liste_.boucle) contexte.signaler(messageBoucleListe());

    std::vector<std::uint32_t> personnes, mariages;
    for (const LigneListe& l : liste_.lignes) {
        if (l.sorte == SorteLigneListe::Mariage)
            mariages.push_back(l.valeur);
        else if (l.sorte != SorteLigneListe::EnTeteReport)
            personnes.push_back(l.personne);
    }
    textes_.chargerPersonnes(base, std::move(personnes), {.donnees = donnees});
    textes_.chargerMariages(base, std::move(mariages), donnees);
    retirerMariagesVides(liste_, [this](std::uint32_t evenement) { return textes_.mariage(evenement).empty(); });
    if (liste_.limitee) {
        std::uint32_t g = 0;
        for (const LigneListe& l : liste_.lignes) g = std::max(g, l.generation);
        contexte.signaler(messageListeLimitee(liste_.lignes.size(), g));
    }
    bases_ = generationsDeBase(liste_.lignes);

    // Taille que donne la Part : (g − b + 1) × 320 + textes, lignes × 176 − 32.
    const MetriquePolice& police = polices.reguliere;
    largeur = 0;
    for (std::size_t i = 0; i < liste_.lignes.size(); ++i) {
        const LigneListe& l = liste_.lignes[i];
        if (l.sorte == SorteLigneListe::Blanche || l.sorte == SorteLigneListe::EnTeteReport) continue;
        const TextesPersonne t = textes_.personne(l.personne);
        std::int32_t textes = 0;
        switch (l.sorte) {
            case SorteLigneListe::Mariage: textes = largeurTexte(police, textes_.mariage(l.valeur)); break;
            case SorteLigneListe::DejaListee: textes = largeurTexte(police, ">>"); break;
            case SorteLigneListe::Coupee: textes = largeurTexte(police, "..."); break;
            default: textes = largeurTexte(police, t.nom) + largeurTexte(police, t.details); break;
        }
        const auto pas = static_cast<std::int32_t>(std::min<std::uint32_t>(l.generation - bases_[i] + 1, 1u << 20));
        largeur = std::max(largeur, pas * kPas + textes);
    }
    const std::int64_t hauteurPart = static_cast<std::int64_t>(liste_.lignes.size()) * kLigne - 32;
    hauteur = static_cast<std::int32_t>(std::clamp<std::int64_t>(hauteurPart, 0, INT32_MAX));
}

void ListeDescendante::rediger(FluxRedaction& flux) const {
    const bool parSexe = preferences_.couleurParSexe;
    const auto& lignes = liste_.lignes;
    // Ancres des lignes visées par un « >> » : « I » et le numéro de la personne, suivis du
    // numéro de ligne quand la même personne en a déjà une (une ancre n'est posée qu'une fois).
    std::unordered_map<std::uint32_t, std::uint32_t> premieres;
    std::unordered_map<std::size_t, std::string> ancres;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        if (!lignes[i].cible) continue;
        auto [it, nouvelle] = premieres.emplace(lignes[i].personne, static_cast<std::uint32_t>(i));
        ancres[i] = "I" + std::to_string(lignes[i].personne) + (nouvelle ? "" : "_" + std::to_string(i));
    }
    std::vector<std::int64_t> rangs(lignes.size(), -1);
    std::vector<Segment> segments;
    std::string etiquette, lettre, details, lien, ancreLigne, numero;
    const std::int32_t decalage = numerote_ ? 4 : 0;
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const LigneListe& l = lignes[i];
        if (l.sorte == SorteLigneListe::Blanche) {
            flux.lignesVides(1);
            continue;
        }
        if (l.sorte == SorteLigneListe::EnTeteReport) {
            numero = std::to_string(l.personne);
            ancreLigne = "report" + numero;
            lien = "pers" + numero;
            flux.titre({.texte = numero, .style = &kStyleReport, .ancre = ancreLigne, .lien = lien});
            continue;
        }
        const std::uint32_t pas = l.generation - bases_[i];
        const std::int32_t x =
            static_cast<std::int32_t>(std::min<std::uint64_t>(std::uint64_t{pas} * kPas, INT32_MAX / 2));
        const std::int32_t c =
            static_cast<std::int32_t>(std::min<std::uint64_t>(std::uint64_t{pas} * kCaracteresParPas, 100000));
        const TextesPersonne t = textes_.personne(l.personne);
        Ligne ligne;
        ligne.retrait = {x, c};
        segments.clear();
        TracePdf traces[2];
        std::size_t nombreTraces = 0;
        ancreLigne.clear();
        if (l.attache != kAucuneLigne && rangs[l.attache] >= 0) {
            const bool enfant = l.sorte == SorteLigneListe::Personne || l.sorte == SorteLigneListe::RenvoiReport;
            ligne.raccord = {.depuis = rangs[l.attache],
                             .x = enfant ? x - kPas + kRaccord : x + kRaccord,
                             .depuisLeBas = l.attacheParente};
            if (enfant && pas > 0) traces[nombreTraces++] = {.x1 = kRaccord - kPas, .x2 = 0};
        }
        switch (l.sorte) {
            case SorteLigneListe::Personne:
            case SorteLigneListe::RenvoiReport: {
                if (numerote_) {
                    etiquette = std::to_string(l.generation);
                    lettre = lettreDeRang(l.rang);
                    ligne.etiquette = {
                        .texte = etiquette, .suite = lettre, .largeur = {largeurTexte(polices.reguliere, "00"), 2}};
                    ligne.contenu = {kPas, 2 + static_cast<std::int32_t>(lettre.size()) + 1};
                } else {
                    ligne.contenu = {kPas, 0};
                    traces[nombreTraces++] = {.x1 = 0, .x2 = kTraitSansNumero};
                }
                segments.push_back({.texte = t.nom, .couleur = couleurDe(t.sexe, parSexe)});
                if (l.sorte == SorteLigneListe::Personne) {
                    segments.push_back({.texte = t.details});
                    if (l.cible) ancreLigne = ancres.at(i);
                } else {
                    numero = std::to_string(l.valeur);
                    details = " qui suit en " + numero;
                    lien = "report" + numero;
                    segments.push_back({.texte = details, .lien = lien});
                    if (l.ancreReport) ancreLigne = "pers" + numero;
                }
                break;
            }
            case SorteLigneListe::Mariage:
                ligne.contenu = {kRaccord, decalage};
                segments.push_back({.croix = true});
                segments.push_back({.texte = textes_.mariage(l.valeur)});
                break;
            case SorteLigneListe::Conjoint:
                ligne.contenu = {kPas, decalage};
                if (i == 0 || lignes[i - 1].sorte != SorteLigneListe::Mariage)
                    traces[nombreTraces++] = {.sorte = TracePdf::Sorte::Croix, .x1 = kRaccord};
                segments.push_back({.texte = t.nom, .couleur = couleurDe(t.sexe, parSexe)});
                segments.push_back({.texte = t.details});
                break;
            case SorteLigneListe::DejaListee:
                ligne.contenu = {kRenvoi, decalage};
                traces[nombreTraces++] = {.x1 = kRaccord, .x2 = kPas};
                segments.push_back({.texte = ">>", .lien = ancres.at(l.valeur)});
                break;
            default:  // coupée
                ligne.contenu = {kRenvoi, decalage};
                traces[nombreTraces++] = {.x1 = kRaccord, .x2 = kPas};
                segments.push_back({.texte = "..."});
                break;
        }
        ligne.segments = segments;
        ligne.traces = std::span<const TracePdf>(traces, nombreTraces);
        ligne.ancre = ancreLigne;
        rangs[i] = flux.ligne(ligne);
    }
}

MiseEnPage ListeDescendante::miseEnPage() const {
    return miseEnPageListe(chemin, "Liste descendante", preferences_.compressionListes);
}

void ListeDescendante::ecrire() {
    ecrireListe(*this, dessin_, miseEnPage(), [this](FluxRedaction& f) { rediger(f); });
}

}  // namespace lignara
