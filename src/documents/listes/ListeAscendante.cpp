#include "documents/listes/ListeAscendante.h"

#include <algorithm>

#include "commun/MetriquePolice.h"
#include "commun/Texte.h"
#include "documents/listes/MiseEnPageListe.h"
#include "reglages/RaccordDessin.h"

namespace lignara {

namespace {

constexpr std::int32_t kColonneMin = 360;
constexpr std::int32_t kDecalageMariage = 180;  // la croix, sous le nom (quatre blancs)
constexpr std::int32_t kLigne = 176;

constexpr StyleTitre kStyleGeneration{
    .lignesAvantTexte = 2,
    .avantTexte = "------------------------------ ",
    .apresTexte = " ------------------------------",
    .lignesAvantPdf = 2,
    .lignesApresPdf = 1,
    .xPdf = 850,
    .ecartFiletsPdf = 135,
    .debutFiletPdf = 0,
    .ouvreSection = true,
    .avantTexteRtf = "   ",
    .filetRtf = 28,
};

// Bloc des entrées d'une génération en RTF : \li800\fi-700.
constexpr Bloc kBlocEntrees{.retraitPremiere = 80, .retraitSuite = 640};

std::string ancreDe(std::uint32_t personne) { return "I" + std::to_string(personne); }

CouleurSegment couleurDe(std::uint8_t sexe, bool parSexe) {
    if (!parSexe) return CouleurSegment::Texte;
    if (sexe == 'M') return CouleurSegment::Hommes;
    if (sexe == 'F') return CouleurSegment::Femmes;
    return CouleurSegment::Texte;
}

}  // namespace

std::string ListeAscendante::numero(const EntreeAscendante& e) {
    return e.generation > 64 ? std::string("**********") : std::to_string(e.sosa);
}

bool ListeAscendante::verifierParametres(const ContexteDocument&) { return racine() != 0; }

void ListeAscendante::preparer(const ContexteDocument& contexte) {
    preferences_ = contexte.preferences ? *contexte.preferences : Configuration{};
    remplirReglagesDessin(preferences_, dessin_);
    dessin_.messages = contexte.messages;
    suivreFormatDesParametres();
    const BaseGenealogique& base = *contexte.base;
    const std::uint8_t donnees = preferences_.donneesListeAscendante;
    ReglesAscendantes r;
    r.base = &base;
    r.racine = static_cast<std::uint32_t>(racine());
    r.renvois = octet(kRenvois) != 0;
    r.doublesBranches = preferences_.doublesBranchesAscendantes;
    r.mariages = (donnees & kAfficherMariage) != 0;
    r.coupes = ensemble(kCoupesListe);
    r.limiteGenerations = octet(kLimiteGenerations);
    r.entreesMax = kEntreesMax;
    liste_ = construireListeAscendante(r);
    if (liste_.boucle) contexte.signaler(messageBoucleListe());
    if (liste_.limitee)
        contexte.signaler(messageListeLimitee(liste_.entrees.size(), liste_.premiereGenerationNonListee));
    if (liste_.audelaDe64)
        contexte.signaler(
            "La numérotation Soza-Stradonitz ne peut pas être affichée au-delà de la 64ème génération"_1252);

    std::vector<std::uint32_t> personnes, mariages;
    personnes.reserve(liste_.entrees.size());
    for (const EntreeAscendante& e : liste_.entrees) {
        personnes.push_back(e.personne);
        if (e.ligneMariage) mariages.push_back(e.mariage);
    }
    textes_.chargerPersonnes(base, std::move(personnes), {.donnees = donnees});
    textes_.chargerMariages(base, std::move(mariages), donnees);

    // Colonne des numéros de chaque génération, puis la taille que donne la Part : la plus
    // large entrée, et (entrées + mariages + 4 × générations) × 176 − 384.
    const MetriquePolice& police = polices.reguliere;
    const std::uint32_t generations = liste_.entrees.empty() ? 0 : liste_.entrees.back().generation;
    colonnes_.assign(std::size_t{generations} + 1, kColonneMin);
    std::int64_t lignes = 4 * std::int64_t{generations};
    for (const EntreeAscendante& e : liste_.entrees) {
        std::int32_t& c = colonnes_[e.generation];
        c = std::max(c, largeurTexte(police, numero(e)));
        lignes += 1 + (e.ligneMariage && !textes_.mariage(e.mariage).empty() ? 1 : 0);
    }
    largeur = 0;
    for (const EntreeAscendante& e : liste_.entrees) {
        const TextesPersonne t = textes_.personne(e.personne);
        largeur = std::max(largeur, colonnes_[e.generation] + largeurTexte(police, "    ") +
                                        largeurTexte(police, t.nom) + largeurTexte(police, t.details));
    }
    hauteur = static_cast<std::int32_t>(std::clamp<std::int64_t>(lignes * kLigne - 384, 0, INT32_MAX));
}

void ListeAscendante::rediger(FluxRedaction& flux) const {
    const bool parSexe = preferences_.couleurParSexe;
    std::vector<Segment> segments;
    std::uint32_t generation = 0;
    std::string titre, num, nom, reste, numeroRenvoi, ancre, ancreLigne;
    for (const EntreeAscendante& e : liste_.entrees) {
        if (e.generation != generation) {
            if (generation != 0) flux.finBloc();
            generation = e.generation;
            titre = std::to_string(generation) + "\xB0 GENERATION";
            flux.titre({.texte = titre, .style = &kStyleGeneration});
            flux.debutBloc(kBlocEntrees);
        }
        num = numero(e);
        const std::int32_t colonne = colonnes_[generation];
        const auto longueur = static_cast<std::int32_t>(num.size());
        const TextesPersonne t = textes_.personne(e.personne);
        segments.clear();
        ancreLigne.clear();
        if (e.renvoi) {
            const EntreeAscendante& premiere = liste_.entrees[e.premiere - 1];
            if (premiere.generation <= 64) {
                numeroRenvoi = "n\xB0 " + std::to_string(premiere.sosa);
                ancre = ancreDe(e.personne);
                segments.push_back({.texte = "    voir "});
                segments.push_back({.texte = numeroRenvoi, .souligne = true, .lien = ancre});
            } else {
                numeroRenvoi = "    voir " + std::to_string(premiere.generation) + "\xB0 g\xE9n\xE9ration";
                segments.push_back({.texte = numeroRenvoi});
            }
            reste = " (" + std::string(t.nom) + ")";
            segments.push_back({.texte = reste});
        } else {
            nom = "    " + std::string(t.nom);
            segments.push_back({.texte = nom, .couleur = couleurDe(t.sexe, parSexe)});
            segments.push_back({.texte = t.details});
            if (e.premiere == 0 && liste_.renvoyees.contient(e.personne)) ancreLigne = ancreDe(e.personne);
        }
        Ligne ligne;
        ligne.etiquette = {.texte = num, .largeur = {colonne, longueur}, .gras = true};
        ligne.contenu = {colonne, longueur};
        ligne.segments = segments;
        ligne.ancre = ancreLigne;
        flux.ligne(ligne);
        if (!e.ligneMariage) continue;
        const std::string_view mariage = textes_.mariage(e.mariage);
        if (mariage.empty()) continue;
        const Segment croixEtTexte[] = {{.texte = "x ", .croix = true}, {.texte = mariage}};
        Ligne m;
        m.contenu = {colonne + kDecalageMariage, longueur + 4};
        m.segments = croixEtTexte;
        flux.ligne(m);
    }
    if (generation != 0) flux.finBloc();
}

MiseEnPage ListeAscendante::miseEnPage() const {
    return miseEnPageListe(chemin, "Liste ascendante", preferences_.compressionListes);
}

void ListeAscendante::ecrire() {
    ecrireListe(*this, dessin_, miseEnPage(), [this](FluxRedaction& f) { rediger(f); });
}

}  // namespace lignara
