// outil_generer_gedcom SORTIE.ged NOMBRE_INDIVIDUS [GRAINE]
//
// Écrit un fichier GEDCOM 5.5.1 (UTF-8) d'une population française fictive, pour les mesures
// d'import et de documents sur de gros fichiers. La même graine donne toujours les mêmes octets :
// générateur pseudo-aléatoire à nous, aucune dépendance à la locale ni à l'horloge.
//
// La population se construit génération par génération : des couples fondateurs, leurs enfants,
// qui se marient entre eux ou avec des conjoints venus d'ailleurs, quelques veufs remariés,
// quelques divorces. Les dates restent plausibles (enfants nés après le mariage et avant la
// mort de la mère, personne n'est né après 2024).
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kAnneeMax = 2024;      // aucune naissance ni mariage au-delà
constexpr int kAnneeVivants = 2025;  // mort prévue après : la personne est vivante
constexpr uint64_t kGraineParDefaut = 1;
constexpr uint64_t kMaxIndividus = 20'000'000;

// splitmix64 : rapide, et surtout identique sur toutes les plates-formes.
class Alea {
public:
    explicit Alea(uint64_t graine) : etat_(graine) {}
    uint64_t suivant() {
        uint64_t z = (etat_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Entier dans [0, n) ; n > 0.
    uint32_t sous(uint32_t n) { return static_cast<uint32_t>((suivant() >> 32) * n >> 32); }
    int entre(int a, int b) { return a + static_cast<int>(sous(static_cast<uint32_t>(b - a + 1))); }
    bool chance(uint32_t pourMille) { return sous(1000) < pourMille; }

private:
    uint64_t etat_;
};

template <size_t N>
constexpr uint32_t taille(const std::string_view (&)[N]) {
    return static_cast<uint32_t>(N);
}

template <size_t N>
std::string_view auHasard(Alea& alea, const std::string_view (&liste)[N]) {
    return liste[alea.sous(taille(liste))];
}

const std::string_view kNoms[] = {
    "Martin",    "Bernard",    "Dubois",   "Thomas",    "Robert",   "Richard",  "Petit",       "Durand",    "Leroy",
    "Moreau",    "Simon",      "Laurent",  "Lefèbvre",  "Michel",   "Garcia",   "David",       "Bertrand",  "Roux",
    "Vincent",   "Fournier",   "Morel",    "Girard",    "André",    "Lefèvre",  "Mercier",     "Dupont",    "Lambert",
    "Bonnet",    "François",   "Martinez", "Legrand",   "Garnier",  "Faure",    "Rousseau",    "Blanc",     "Guérin",
    "Muller",    "Henry",      "Roussel",  "Nicolas",   "Perrin",   "Morin",    "Mathieu",     "Clément",   "Gauthier",
    "Dumont",    "Lopez",      "Fontaine", "Chevalier", "Robin",    "Masson",   "Sanchez",     "Gérard",    "Nguyen",
    "Boyer",     "Denis",      "Lemaire",  "Duval",     "Joly",     "Gautier",  "Roger",       "Roche",     "Roy",
    "Noël",      "Meyer",      "Lucas",    "Meunier",   "Jean",     "Pérez",    "Marchand",    "Dufour",    "Blanchard",
    "Barbier",   "Brun",       "Dumas",    "Brunet",    "Schmitt",  "Leroux",   "Colin",       "Fernandez", "Pierre",
    "Renard",    "Arnaud",     "Rolland",  "Caron",     "Aubert",   "Giraud",   "Leclerc",     "Vidal",     "Bourgeois",
    "Renaud",    "Lemoine",    "Picard",   "Gaillard",  "Philippe", "Leclercq", "Lacroix",     "Fabre",     "Dupuis",
    "Olivier",   "Rodriguez",  "Da Silva", "Hubert",    "Louis",    "Charles",  "Guillot",     "Rivière",   "Le Gall",
    "Guillaume", "Adam",       "Rey",      "Moulin",    "Gonzalez", "Berger",   "Lecomte",     "Ménard",    "Fleury",
    "Deschamps", "Carpentier", "Julien",   "Bénard",    "Paris",    "Maillard", "Marchal",     "Aubry",     "Vasseur",
    "Le Roux",   "Renault",    "Jacquet",  "Collet",    "Prévost",  "Poirier",  "Charpentier", "Royer",     "Huet",
    "Baron",     "Dupuy",      "Pons",     "Paul",      "Laine",    "Carré",    "Bréchet",     "Thévenin",  "Chrétien",
    "Hébert",    "Crépin",     "Séguin",   "Vallée",    "Bégué",    "Péchoux",  "Chavanne",    "Berthelot", "Desbois",
};
const std::string_view kPrenomsHommes[] = {
    "Jean",          "Pierre",    "Joseph",  "Louis",     "François", "Antoine", "Jacques", "Claude",  "Étienne",
    "Jean-Baptiste", "Nicolas",   "Michel",  "Charles",   "André",    "Henri",   "Paul",    "Auguste", "Benoît",
    "Mathieu",       "Philibert", "Gilbert", "Sébastien", "Jérôme",   "Félix",   "Émile",   "Eugène",  "Théodore",
    "Frédéric",      "Hippolyte", "Léon",    "Gaston",    "Marcel",   "René",    "Lucien",  "Maurice", "Raymond",
    "Roger",         "Bernard",   "Gérard",  "Thierry",   "Stéphane", "Jérémie", "Noël",    "Honoré",  "Anatole",
    "Célestin",      "Aimé",      "Désiré",  "Valère",    "Zéphirin",
};
const std::string_view kPrenomsFemmes[] = {
    "Marie",     "Jeanne",    "Anne",       "Françoise",  "Catherine",  "Marguerite",    "Claudine",  "Louise",
    "Madeleine", "Élisabeth", "Benoîte",    "Antoinette", "Étiennette", "Marie-Thérèse", "Geneviève", "Hélène",
    "Élise",     "Joséphine", "Rosalie",    "Eugénie",    "Mélanie",    "Céline",        "Léonie",    "Augustine",
    "Noémie",    "Bénédicte", "Pétronille", "Reine",      "Adèle",      "Zoé",           "Berthe",    "Germaine",
    "Suzanne",   "Simone",    "Yvonne",     "Andrée",     "Odette",     "Renée",         "Colette",   "Monique",
    "Chantal",   "Sylvie",    "Nathalie",   "Valérie",    "Cécile",     "Agnès",         "Héloïse",   "Inès",
    "Chloé",     "Léa",
};
const std::string_view kSurnoms[] = {
    "Lajoie",         "Sans-Souci", "Beausoleil", "Bellehumeur", "Léveillé", "La Rose",    "Tranquille",
    "Va-de-bon-cœur", "Petit-Jean", "le Cadet",   "l'Aîné",      "Francœur", "Brindamour", "Jolicœur",
};
const std::string_view kLieux[] = {
    "Lyon, Rhône, France",
    "Lyon, Rhône, Rhône-Alpes, France",
    "Paris 15e  Arrondissement, 75",
    "Paris 11e  Arrondissement, 75, Île-de-France, France",
    "Paris 3e  Arrondissement, 75",
    "Thizy, Rhône",
    "Amplepuis, Rhône",
    "Tarare, 69170",
    "Cours, 69",
    "Villefranche-sur-Saône, 69400",
    "Saint-Étienne, Loire",
    "Roanne, Loire, France",
    "Montbrison, 42600",
    "Mâcon, 71",
    "Cluny, Saône-et-Loire, Bourgogne, France",
    "Chalon-sur-Saône, Saône-et-Loire",
    "Bourg-en-Bresse, Ain, Rhône-Alpes, France",
    "Grenoble, Isère",
    "Vienne, 38200",
    "Chambéry, Savoie",
    "Annecy, Haute-Savoie",
    "Clermont-Ferrand, Puy-de-Dôme",
    "Le Puy-en-Velay, Haute-Loire",
    "Moulins, Allier",
    "Dijon, Côte-d'Or",
    "Besançon, Doubs",
    "Nancy, Meurthe-et-Moselle",
    "Metz, Moselle, Lorraine, France",
    "Strasbourg, Bas-Rhin",
    "Colmar, 68000",
    "Lille, Nord",
    "Arras, Pas-de-Calais",
    "Amiens, Somme",
    "Rouen, Seine-Maritime",
    "Caen, Calvados, Basse-Normandie, France",
    "Rennes, Ille-et-Vilaine",
    "Brest, Finistère",
    "Quimper, 29000",
    "Vannes, Morbihan",
    "Nantes, Loire-Atlantique",
    "Angers, Maine-et-Loire",
    "Tours, Indre-et-Loire",
    "Orléans, Loiret",
    "Bourges, Cher",
    "Poitiers, Vienne",
    "La Rochelle, Charente-Maritime",
    "Limoges, Haute-Vienne",
    "Bordeaux, Gironde",
    "Périgueux, Dordogne",
    "Agen, Lot-et-Garonne",
    "Pau, Pyrénées-Atlantiques",
    "Toulouse, Haute-Garonne, Midi-Pyrénées, France",
    "Albi, Tarn",
    "Rodez, Aveyron",
    "Montpellier, Hérault",
    "Nîmes, Gard",
    "Avignon, Vaucluse",
    "Marseille, Bouches-du-Rhône",
    "Toulon, Var",
    "Nice, Alpes-Maritimes",
    "Ajaccio, Corse-du-Sud",
    "Bastia, 20200",
    "Versailles, Yvelines",
    "Saint-Denis, Seine-Saint-Denis",
    "Créteil, 94000",
    "Villeurbanne, 69100, France",
    "Genève, Suisse",
    "Bruxelles, Belgique",
    "Montréal, Québec, Canada",
    "Saint-Pierre, La Réunion",
};
const std::string_view kMetiersAnciensHommes[] = {
    "laboureur",
    "journalier",
    "tisserand",
    "meunier",
    "notaire",
    "vigneron",
    "cultivateur",
    "maréchal-ferrant",
    "charron",
    "tonnelier",
    "sabotier",
    "cordonnier",
    "tailleur d'habits",
    "domestique",
    "boulanger",
    "aubergiste",
    "marchand",
    "négociant",
    "instituteur",
    "menuisier",
    "charpentier",
    "maçon",
    "tailleur de pierre",
    "forgeron",
    "canut",
    "ouvrier en soie",
    "bouvier",
    "berger",
    "garde champêtre",
    "huissier",
    "greffier",
    "chirurgien",
    "apothicaire",
    "voiturier",
    "marchand fabricant",
    "passementier",
};
const std::string_view kMetiersAnciensFemmes[] = {
    "journalière",   "cultivatrice", "couturière",       "fileuse",   "dentellière", "lingère",
    "domestique",    "servante",     "tisseuse",         "meunière",  "sage-femme",  "ménagère",
    "blanchisseuse", "marchande",    "ouvrière en soie", "dévideuse", "cabaretière", "nourrice",
};
const std::string_view kMetiersRecents[] = {
    "employé des postes", "cheminot",      "mécanicien",    "ajusteur",   "comptable",   "instituteur",
    "ingénieur",          "médecin",       "électricien",   "commerçant", "agriculteur", "ouvrier d'usine",
    "professeur",         "fonctionnaire", "informaticien", "chauffeur",  "boulanger",   "artisan",
};
const std::string_view kMetiersRecentsFemmes[] = {
    "employée des postes", "institutrice", "infirmière",   "médecin",       "pharmacienne",
    "secrétaire",          "vendeuse",     "sténodactylo", "professeur",    "comptable",
    "couturière",          "ouvrière",     "commerçante",  "fonctionnaire", "ingénieure",
};
const std::string_view kPhrasesNotes[] = {
    "Acte rédigé en présence de deux témoins qui ont déclaré ne savoir signer.",
    "Le parrain est un oncle paternel ; la marraine, sa cousine germaine.",
    "Mentionné comme « absent pour le service de la République » lors du recensement.",
    "Mariage célébré après publication des bans aux deux paroisses.",
    "L'âge déclaré au décès ne concorde pas avec la date de baptême retrouvée.",
    "Propriétaire d'une vigne et d'un pré au lieu-dit « les Étangs ».",
    "Émigré quelques années, revenu au pays après la mort de son père.",
    "Son contrat de mariage fut passé devant notaire la veille de la cérémonie.",
};
const std::string_view kMoisAnglais[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
const std::string_view kMoisFrancais[] = {"JANVIER", "FEVRIER", "MARS",      "AVRIL",   "MAI",      "JUIN",
                                          "JUILLET", "AOUT",    "SEPTEMBRE", "OCTOBRE", "NOVEMBRE", "DECEMBRE"};
const std::string_view kMoisRepublicains[] = {"VEND", "BRUM", "FRIM", "NIVO", "PLUV", "VENT",
                                              "GERM", "FLOR", "PRAI", "MESS", "THER", "FRUC"};
const std::string_view kChiffresRomains[] = {"",     "I",  "II", "III", "IV",  "V",    "VI", "VII",
                                             "VIII", "IX", "X",  "XI",  "XII", "XIII", "XIV"};

constexpr uint32_t kNombreSources = taille(kLieux);

struct Personne {
    uint32_t familleParents = 0;
    uint32_t familles[2] = {0, 0};  // au plus un remariage
    uint32_t note = 0;              // numéro d'enregistrement NOTE pointé, 0 si aucun
    int16_t naissance = 0;
    int16_t deces = 0;          // année prévue ; ajustée à l'écriture
    int16_t anneeMinDeces = 0;  // dernier enfant ou dernier mariage : la mort ne peut précéder
    uint16_t nom = 0;
    uint16_t prenom = 0;
    uint8_t lieu = 0;
    bool femme = false;
    bool decesFixe = false;  // mort en bas âge, ou première épouse d'un veuf remarié
};

struct Couple {
    uint32_t mari = 0;
    uint32_t femme = 0;
    uint32_t premierEnfant = 0;
    uint32_t nombreEnfants = 0;
    int16_t mariage = 0;
    int16_t finEnfants = 0;    // pas d'enfant après cette année
    int16_t anneeDivorce = 0;  // 0 : pas de divorce
    uint8_t lieu = 0;
};

// ---------------------------------------------------------------------------------------------
// Construction de la population, en mémoire, avant toute écriture (les FAMS d'un individu ne
// sont connus qu'après les mariages de sa génération).
class Population {
public:
    Population(uint32_t cible, uint64_t graine) : alea_(graine), cible_(cible) {
        personnes_.reserve(cible + 1);
        personnes_.emplace_back();  // le numéro 0 veut dire « aucun »
        couples_.emplace_back();
    }

    void construire() {
        const uint32_t fondateurs = std::max<uint32_t>(1, cible_ / 4000);
        int depart = anneeDeDepart(fondateurs);
        std::vector<uint32_t> generation = fonder(fondateurs, depart);
        while (!plein()) {
            std::vector<uint32_t> enfants = faireNaitre(generation);
            generation = enfants.empty() ? std::vector<uint32_t>{} : marier(enfants);
            if (generation.empty() && !plein()) {
                // Lignée éteinte ou arrivée au présent : d'autres familles arrivent.
                depart = std::min(depart + 60, 1900);
                generation = fonder(fondateurs, depart);
            }
            // Plus de place pour un couple : la dernière place va à une personne seule.
            while (generation.empty() && !plein()) venuDAilleurs(alea_.chance(500), depart);
        }
    }

    std::vector<Personne> personnes_;
    std::vector<Couple> couples_;
    Alea alea_;

private:
    bool plein() const { return personnes_.size() > cible_; }

    // Assez tôt pour que la croissance (environ ×2 par génération) tienne jusqu'au présent.
    int anneeDeDepart(uint32_t fondateurs) const {
        int generations = 1;
        for (uint64_t n = 3ull * fondateurs; n < cible_; n *= 2) ++generations;
        return std::max(1500, 2030 - 30 * generations);
    }

    // adulte : conjoint venu d'ailleurs, qui a forcément survécu à l'enfance.
    uint32_t naitre(bool femme, int annee, uint16_t nom, uint32_t parents, uint8_t lieu, bool adulte = false) {
        Personne p;
        p.femme = femme;
        p.naissance = static_cast<int16_t>(annee);
        p.nom = nom;
        p.prenom =
            static_cast<uint16_t>(femme ? alea_.sous(taille(kPrenomsFemmes)) : alea_.sous(taille(kPrenomsHommes)));
        p.familleParents = parents;
        p.lieu = alea_.chance(120) ? static_cast<uint8_t>(alea_.sous(taille(kLieux))) : lieu;
        if (!adulte && alea_.chance(150)) {
            p.deces = static_cast<int16_t>(annee + alea_.entre(0, 6));
            p.decesFixe = true;
        } else {
            p.deces = static_cast<int16_t>(annee + alea_.entre(40, 96));
        }
        if (alea_.chance(2)) p.note = ++notesPointees_;
        personnes_.push_back(p);
        return static_cast<uint32_t>(personnes_.size() - 1);
    }

    uint32_t venuDAilleurs(bool femme, int annee) {
        // Deux tirages en deux instructions : l'ordre d'évaluation des arguments varie selon le
        // compilateur, et la sortie ne doit pas en dépendre.
        const auto nom = static_cast<uint16_t>(alea_.sous(taille(kNoms)));
        const auto lieu = static_cast<uint8_t>(alea_.sous(taille(kLieux)));
        return naitre(femme, annee, nom, 0, lieu, true);
    }

    uint32_t unir(uint32_t mari, uint32_t femme, int annee, uint8_t lieu) {
        Couple c;
        c.mari = mari;
        c.femme = femme;
        c.mariage = static_cast<int16_t>(annee);
        c.finEnfants = static_cast<int16_t>(
            std::min({personnes_[femme].naissance + 44, personnes_[mari].naissance + 58, kAnneeMax}));
        c.lieu = lieu;
        // Le divorce n'existe en France qu'entre 1792 et 1816, puis à partir de 1884.
        if (annee >= 1885 && alea_.chance(40))
            c.anneeDivorce = static_cast<int16_t>(std::min(annee + alea_.entre(2, 15), kAnneeMax));
        couples_.push_back(c);
        const uint32_t numero = static_cast<uint32_t>(couples_.size() - 1);
        for (uint32_t conjoint : {mari, femme}) {
            Personne& p = personnes_[conjoint];
            (p.familles[0] == 0 ? p.familles[0] : p.familles[1]) = numero;
            p.anneeMinDeces = std::max<int16_t>(p.anneeMinDeces, std::max(c.mariage, c.anneeDivorce));
        }
        return numero;
    }

    std::vector<uint32_t> fonder(uint32_t nombre, int annee) {
        std::vector<uint32_t> couples;
        for (uint32_t i = 0; i < nombre && personnes_.size() + 2 <= cible_ + 1u; ++i) {
            const int n = annee + alea_.entre(-10, 10);
            const uint32_t mari = venuDAilleurs(false, n);
            const uint32_t femme = venuDAilleurs(true, n + alea_.entre(-2, 6));
            personnes_[mari].deces = static_cast<int16_t>(std::max<int>(personnes_[mari].deces, n + 50));
            personnes_[femme].deces = static_cast<int16_t>(std::max<int>(personnes_[femme].deces, n + 50));
            const int m = std::max<int>(n, personnes_[femme].naissance) + alea_.entre(19, 28);
            couples.push_back(unir(mari, femme, m, personnes_[femme].lieu));
        }
        return couples;
    }

    std::vector<uint32_t> faireNaitre(const std::vector<uint32_t>& generation) {
        std::vector<uint32_t> enfants;
        for (uint32_t numero : generation) {
            Couple& c = couples_[numero];
            uint32_t voulus = alea_.sous(7);
            if (alea_.chance(300)) voulus += alea_.sous(6);
            int annee = c.mariage + alea_.entre(0, 2);
            c.premierEnfant = static_cast<uint32_t>(personnes_.size());
            for (uint32_t i = 0; i < voulus && annee <= c.finEnfants && !plein(); ++i) {
                const uint32_t e = naitre(alea_.chance(500), annee, personnes_[c.mari].nom, numero, c.lieu);
                enfants.push_back(e);
                ++c.nombreEnfants;
                for (uint32_t parent : {c.mari, c.femme}) {
                    Personne& p = personnes_[parent];
                    p.anneeMinDeces = std::max<int16_t>(p.anneeMinDeces, static_cast<int16_t>(annee));
                }
                annee += alea_.entre(1, 3);
            }
        }
        return enfants;
    }

    bool peutSeMarier(uint32_t numero) const {
        const Personne& p = personnes_[numero];
        return !p.decesFixe && p.naissance + 18 <= kAnneeMax;
    }

    std::vector<uint32_t> marier(const std::vector<uint32_t>& enfants) {
        std::vector<uint32_t> hommes, femmes, couples;
        for (uint32_t e : enfants) {
            if (!peutSeMarier(e) || alea_.chance(150)) continue;
            (personnes_[e].femme ? femmes : hommes).push_back(e);
        }
        // Mélange de Fisher-Yates : les épouses prises dans la population viennent de partout.
        for (size_t i = femmes.size(); i > 1; --i)
            std::swap(femmes[i - 1], femmes[alea_.sous(static_cast<uint32_t>(i))]);
        size_t prochaine = 0;
        for (uint32_t h : hommes) {
            uint32_t f = 0;
            if (prochaine < femmes.size() && alea_.chance(350) &&
                personnes_[femmes[prochaine]].familleParents != personnes_[h].familleParents)
                f = femmes[prochaine++];
            else if (!plein())
                f = venuDAilleurs(true, personnes_[h].naissance + alea_.entre(-3, 8));
            if (f != 0) marierCouple(h, f, couples);
        }
        for (; prochaine < femmes.size() && !plein(); ++prochaine) {
            const uint32_t f = femmes[prochaine];
            marierCouple(venuDAilleurs(false, personnes_[f].naissance + alea_.entre(-8, 3)), f, couples);
        }
        return couples;
    }

    void marierCouple(uint32_t h, uint32_t f, std::vector<uint32_t>& couples) {
        const int annee = std::max(personnes_[h].naissance, personnes_[f].naissance) + alea_.entre(19, 32);
        if (annee > kAnneeMax) return;
        const uint32_t c = unir(h, f, annee, personnes_[f].lieu);
        couples.push_back(c);
        if (alea_.chance(60) && !plein()) remarier(h, c, couples);
    }

    // Le mari devient veuf : la première épouse meurt, il se remarie un à trois ans plus tard.
    void remarier(uint32_t h, uint32_t premier, std::vector<uint32_t>& couples) {
        Couple& c = couples_[premier];
        const int mort = c.mariage + alea_.entre(3, 18);
        const int nouveau = mort + alea_.entre(1, 3);
        if (nouveau > kAnneeMax || c.anneeDivorce != 0) return;
        Personne& veuve = personnes_[c.femme];
        veuve.deces = static_cast<int16_t>(mort);
        veuve.decesFixe = true;
        c.finEnfants = static_cast<int16_t>(std::min<int>(c.finEnfants, mort));
        const uint32_t f = venuDAilleurs(true, std::max(personnes_[h].naissance + 2, nouveau - alea_.entre(19, 30)));
        personnes_[f].deces = static_cast<int16_t>(std::max<int>(personnes_[f].deces, nouveau + 1));
        couples.push_back(unir(h, f, nouveau, personnes_[f].lieu));
    }

    uint32_t cible_;
    uint32_t notesPointees_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Écriture, dans un tampon vidé par gros blocs (aucun printf : rien ne dépend de la locale).
class Ecrivain {
public:
    explicit Ecrivain(std::FILE* f) : fichier_(f) { tampon_.reserve(kBloc + 4096); }
    Ecrivain& operator<<(std::string_view s) {
        tampon_.append(s);
        if (tampon_.size() >= kBloc) vider();
        return *this;
    }
    Ecrivain& operator<<(uint64_t n) {
        char chiffres[24];
        auto r = std::to_chars(chiffres, chiffres + sizeof chiffres, n);
        tampon_.append(chiffres, r.ptr);
        return *this;
    }
    Ecrivain& operator<<(int n) {
        if (n < 0) {
            tampon_.push_back('-');
            n = -n;
        }
        return *this << static_cast<uint64_t>(n);
    }
    bool vider() {
        if (!tampon_.empty() && std::fwrite(tampon_.data(), 1, tampon_.size(), fichier_) != tampon_.size())
            echec_ = true;
        tampon_.clear();
        return !echec_;
    }

private:
    static constexpr size_t kBloc = 1 << 20;
    std::FILE* fichier_;
    std::string tampon_;
    bool echec_ = false;
};

bool bissextile(int a) { return (a % 4 == 0 && a % 100 != 0) || a % 400 == 0; }

int joursDuMois(int mois, int annee) {
    static const int jours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mois == 2 && bissextile(annee) ? 29 : jours[mois - 1];
}

class EcrivainGedcom {
public:
    EcrivainGedcom(Ecrivain& sortie, Population& population) : o_(sortie), pop_(population), alea_(population.alea_) {}

    void tout() {
        entete();
        for (uint32_t i = 1; i < pop_.personnes_.size(); ++i) individu(i);
        for (uint32_t i = 1; i < pop_.couples_.size(); ++i) famille(i);
        notes();
        sources();
        o_ << "0 TRLR\n";
    }

private:
    void entete() {
        o_ << "0 HEAD\n1 SOUR Lignara\n2 NAME Lignara, générateur de fichiers de mesure\n"
              "1 DATE 1 JAN 2025\n1 SUBM @U1@\n1 GEDC\n2 VERS 5.5.1\n2 FORM LINEAGE-LINKED\n"
              "1 CHAR UTF-8\n1 LANG French\n0 @U1@ SUBM\n1 NAME Générateur Lignara\n";
    }

    void date(int annee) {
        o_ << "2 DATE ";
        const uint32_t forme = alea_.sous(1000);
        if (annee >= 1793 && annee <= 1805 && forme < 400 && dateRepublicaine(annee)) return;
        const int mois = alea_.entre(1, 12);
        const int jour = alea_.entre(1, joursDuMois(mois, annee));
        if (forme < 450)
            o_ << jour << " " << kMoisAnglais[mois - 1] << " " << annee;
        else if (forme < 560)
            o_ << jour << " " << kMoisFrancais[mois - 1] << " " << annee;
        else if (forme < 640)
            o_ << (jour < 10 ? "0" : "") << jour << (mois < 10 ? "/0" : "/") << mois << "/" << annee;
        else if (forme < 700)
            o_ << kMoisAnglais[mois - 1] << " " << annee;
        else if (forme < 720)
            o_ << kMoisFrancais[mois - 1] << " " << annee;
        else if (forme < 800)
            o_ << annee;
        else if (forme < 850)
            o_ << (forme & 1 ? "ABT " : "VERS ") << annee;
        else if (forme < 880)
            o_ << (forme & 1 ? "BEF " : "AVANT ") << std::min(annee + alea_.entre(1, 5), kAnneeVivants);
        else if (forme < 910)
            o_ << (forme & 1 ? "AFT " : "APRES ") << annee - alea_.entre(1, 5);
        else if (forme < 950)
            entreDeuxAnnees(annee, forme & 1);
        else if (forme < 960)
            o_ << "CAL " << annee;
        else if (forme < 965)
            o_ << "EST " << annee;
        else
            o_ << jour << " " << kMoisAnglais[mois - 1] << " " << annee;
        o_ << "\n";
    }

    void entreDeuxAnnees(int annee, bool anglais) {
        const int debut = annee - alea_.entre(0, 4);
        const int fin = std::min(debut + alea_.entre(1, 9), kAnneeVivants);
        o_ << (anglais ? "BET " : "ENTRE ") << debut << (anglais ? " AND " : " ET ") << fin;
    }

    // Du 1er vendémiaire au 11 nivôse, l'an républicain a commencé l'année grégorienne en cours.
    bool dateRepublicaine(int annee) {
        const bool debutDAn = alea_.chance(250);
        const int an = debutDAn ? annee - 1791 : annee - 1792;
        if (an < 1 || an > 14) return false;
        const int mois = debutDAn ? alea_.entre(1, 3) : alea_.entre(5, 12);
        o_ << "@#DFRENCH R@ " << alea_.entre(1, 30) << " " << kMoisRepublicains[mois - 1] << " ";
        if (alea_.chance(700))
            o_ << "AN " << kChiffresRomains[an];
        else
            o_ << an;
        o_ << "\n";
        return true;
    }

    void citation(uint32_t pourMille, uint8_t lieu) {
        if (!alea_.chance(pourMille)) return;
        o_ << "2 SOUR @S" << static_cast<uint64_t>(lieu + 1u) << "@\n";
        if (alea_.chance(500)) o_ << "3 PAGE Acte n° " << static_cast<uint64_t>(alea_.entre(1, 400)) << "\n";
    }

    void evenement(std::string_view tag, int annee, uint8_t lieu) {
        o_ << "1 " << tag << "\n";
        if (!alea_.chance(40)) date(annee);
        if (!alea_.chance(80)) o_ << "2 PLAC " << kLieux[lieu] << "\n";
        citation(350, lieu);
    }

    void nom(const Personne& p) {
        const std::string_view prenom = p.femme ? kPrenomsFemmes[p.prenom] : kPrenomsHommes[p.prenom];
        o_ << "1 NAME " << prenom << " /" << kNoms[p.nom] << "/\n";
        if (alea_.chance(15)) o_ << "2 NICK " << auHasard(alea_, kSurnoms) << "\n";
        if (alea_.chance(60)) o_ << "2 SOUR @S" << static_cast<uint64_t>(p.lieu + 1u) << "@\n";
        o_ << "1 SEX " << (p.femme ? "F" : "M") << "\n";
    }

    void metier(const Personne& p) {
        if (p.decesFixe && p.deces - p.naissance < 10) return;
        if (!alea_.chance(600)) return;
        std::string_view m;
        if (p.naissance < 1890)
            m = p.femme ? auHasard(alea_, kMetiersAnciensFemmes) : auHasard(alea_, kMetiersAnciensHommes);
        else
            m = p.femme ? auHasard(alea_, kMetiersRecentsFemmes) : auHasard(alea_, kMetiersRecents);
        o_ << "1 OCCU " << m << "\n";
        if (alea_.chance(80)) o_ << "2 SOUR Recensement de " << static_cast<uint64_t>(p.naissance + 30) << "\n";
    }

    // Les longues notes sont coupées au milieu d'un mot (CONC), les paragraphes passent par CONT.
    void note(int niveau) {
        const std::string_view a = auHasard(alea_, kPhrasesNotes);
        size_t coupe = a.size() / 2;
        // Ni espace au bord de la coupe, ni caractère UTF-8 coupé en deux.
        while (coupe + 1 < a.size() &&
               (a[coupe] == ' ' || a[coupe - 1] == ' ' || (static_cast<unsigned char>(a[coupe]) & 0xC0) == 0x80))
            ++coupe;
        o_ << (niveau == 0 ? "" : "1 NOTE ") << a.substr(0, coupe) << "\n"
           << (niveau == 0 ? "1" : "2") << " CONC " << a.substr(coupe) << "\n";
        if (alea_.chance(500)) o_ << (niveau == 0 ? "1" : "2") << " CONT " << auHasard(alea_, kPhrasesNotes) << "\n";
    }

    void individu(uint32_t numero) {
        Personne& p = pop_.personnes_[numero];
        o_ << "0 @I" << static_cast<uint64_t>(numero) << "@ INDI\n";
        nom(p);
        evenement("BIRT", p.naissance, p.lieu);
        const int deces = p.decesFixe ? p.deces : std::max<int>(p.deces, p.anneeMinDeces + 1);
        if (deces < kAnneeVivants)
            evenement("DEAT", deces, alea_.chance(800) ? p.lieu : uint8_t(alea_.sous(taille(kLieux))));
        metier(p);
        if (p.familleParents != 0) o_ << "1 FAMC @F" << static_cast<uint64_t>(p.familleParents) << "@\n";
        for (uint32_t f : p.familles)
            if (f != 0) o_ << "1 FAMS @F" << static_cast<uint64_t>(f) << "@\n";
        if (alea_.chance(50)) note(1);
        if (p.note != 0) o_ << "1 NOTE @N" << static_cast<uint64_t>(p.note) << "@\n";
    }

    void famille(uint32_t numero) {
        const Couple& c = pop_.couples_[numero];
        o_ << "0 @F" << static_cast<uint64_t>(numero) << "@ FAM\n1 HUSB @I" << static_cast<uint64_t>(c.mari)
           << "@\n1 WIFE @I" << static_cast<uint64_t>(c.femme) << "@\n";
        for (uint32_t i = 0; i < c.nombreEnfants; ++i)
            o_ << "1 CHIL @I" << static_cast<uint64_t>(c.premierEnfant + i) << "@\n";
        evenement("MARR", c.mariage, c.lieu);
        if (c.anneeDivorce != 0) {
            o_ << "1 DIV\n";
            date(c.anneeDivorce);
        }
    }

    void notes() {
        uint32_t n = 0;
        for (const Personne& p : pop_.personnes_) n = std::max(n, p.note);
        for (uint32_t i = 1; i <= n; ++i) {
            o_ << "0 @N" << static_cast<uint64_t>(i) << "@ NOTE ";
            note(0);
        }
    }

    void sources() {
        for (uint32_t i = 0; i < kNombreSources; ++i) {
            const std::string_view lieu = kLieux[i];
            o_ << "0 @S" << static_cast<uint64_t>(i + 1) << "@ SOUR\n1 TITL "
               << (i % 3 == 0 ? "Registres paroissiaux de " : "État civil de ") << lieu.substr(0, lieu.find(','))
               << "\n1 AUTH Archives départementales\n";
        }
    }

    Ecrivain& o_;
    Population& pop_;
    Alea& alea_;
};

void aide(std::FILE* f) {
    std::fputs(
        "Usage : outil_generer_gedcom SORTIE.ged NOMBRE_INDIVIDUS [GRAINE]\n"
        "Écrit un fichier GEDCOM 5.5.1 (UTF-8) de NOMBRE_INDIVIDUS personnes fictives\n"
        "(familles sur plusieurs générations, dates, lieux, professions, notes, sources).\n"
        "  NOMBRE_INDIVIDUS  entre 1 et 20000000\n"
        "  GRAINE            entier positif (1 par défaut) ; même graine, même fichier\n",
        f);
}

bool lireEntier(const char* texte, uint64_t& valeur) {
    const char* fin = texte + std::strlen(texte);
    auto r = std::from_chars(texte, fin, valeur);
    return r.ec == std::errc() && r.ptr == fin && r.ptr != texte;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--aide") == 0 || std::strcmp(argv[1], "-h") == 0 ||
                      std::strcmp(argv[1], "--help") == 0)) {
        aide(stdout);
        return 0;
    }
    uint64_t nombre = 0, graine = kGraineParDefaut;
    if (argc < 3 || argc > 4) {
        aide(stderr);
        return 2;
    }
    if (!lireEntier(argv[2], nombre) || nombre == 0 || nombre > kMaxIndividus) {
        std::fprintf(stderr, "Nombre d'individus incorrect : « %s » (entre 1 et %llu).\n", argv[2],
                     static_cast<unsigned long long>(kMaxIndividus));
        aide(stderr);
        return 2;
    }
    if (argc == 4 && !lireEntier(argv[3], graine)) {
        std::fprintf(stderr, "Graine incorrecte : « %s » (entier positif attendu).\n", argv[3]);
        aide(stderr);
        return 2;
    }
    Population population(static_cast<uint32_t>(nombre), graine);
    population.construire();

    std::FILE* f = std::fopen(argv[1], "wb");
    if (f == nullptr) {
        std::fprintf(stderr, "Impossible de créer le fichier « %s ».\n", argv[1]);
        return 1;
    }
    Ecrivain sortie(f);
    EcrivainGedcom(sortie, population).tout();
    const bool ecrit = sortie.vider();
    if (std::fclose(f) != 0 || !ecrit) {
        std::fprintf(stderr, "Écriture impossible dans « %s » (disque plein ?).\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    std::printf("%zu individus et %zu familles écrits dans %s\n", population.personnes_.size() - 1,
                population.couples_.size() - 1, argv[1]);
    return 0;
}
