#include "gedcom/LieuNormaliseur.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "gedcom/LieuCle.h"
#include "gedcom/LieuTables.h"

namespace lignara {

namespace {

constexpr CodePays kFrance{"FR"};
constexpr CodePays kEtatsUnis{"US"};
constexpr CodePays kRoyaumeUni{"GB"};
constexpr std::size_t kGardeesMax = 10;
constexpr std::string_view kArrondissement = "e  Arrondissement";
constexpr std::string_view kDegre = "\xB0";
constexpr std::size_t kNomEtatsUnisLongMax = 10;
constexpr std::string_view kNomEtatsUnisCourt = "ETATS-UNIS";

std::string_view sansEspaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool estChiffre(char c) { return c >= '0' && c <= '9'; }

// Numéro de département d'un numéro postal français (2 ou 5 chiffres), -1 sinon.
int numeroPostal(std::string_view c) {
    if (c.size() != 2 && c.size() != 5) return -1;
    if (!std::all_of(c.begin(), c.end(), estChiffre)) return -1;
    return (c[0] - '0') * 10 + (c[1] - '0');
}

// Code de subdivision du département n ; 0 pour un numéro reconnu sans code : 00, 20 (la
// Corse entière, qui a deux codes) et l'outre-mer (97x, 98x).
std::uint16_t codeDepartement(int n) {
    if (n == 0 || n == 20 || n > 95) return 0;
    if (n == 75) return 128;
    if (n == 95) return 124;
    if ((n >= 21 && n <= 74) || (n >= 92 && n <= 94)) return static_cast<std::uint16_t>(n + 33);
    return static_cast<std::uint16_t>(n + 32);
}

// Ce que l'examen des composantes a reconnu et gardé.
class Analyse {
public:
    explicit Analyse(const ReglagesLieux& reglages) : reglages_(reglages) {}

    void fixerPays(CodePays pays) { pays_ = pays; }
    void examiner(std::string_view composante);
    void consommerPostal(int numero);
    LieuNormalise rediger() const;

private:
    bool postalValide() const { return pays_ == kFrance || (!pays_.connu() && reglages_.paysParDefaut == kFrance); }
    bool reconnaitreNom(std::string_view composante);
    void garder(std::string_view composante);
    static void ecrire(LieuNormalise& lieu, std::string_view composante);
    void ecrirePays(LieuNormalise& lieu) const;

    const ReglagesLieux& reglages_;
    CodePays pays_;
    std::uint16_t subdivision_ = 0;
    bool postalVu_ = false;
    std::string_view composantePays_, composanteRegion_, composanteSubdivision_;
    // Dans l'ordre où on les trouve, donc de la fin du texte vers le début.
    std::array<std::string_view, kGardeesMax> gardees_{};
    std::size_t nbGardees_ = 0;
};

void Analyse::examiner(std::string_view composante) {
    if (subdivision_ != 0) {
        if (!postalVu_ && postalValide() && numeroPostal(composante) >= 0) {
            postalVu_ = true;
            return;
        }
        garder(composante);
        return;
    }
    if (reconnaitreNom(composante)) return;
    int numero = numeroPostal(composante);
    if (numero >= 0 && postalValide()) {
        consommerPostal(numero);
        return;
    }
    garder(composante);
}

// Pays, puis région française, puis subdivision du pays (ou du pays par défaut).
bool Analyse::reconnaitreNom(std::string_view composante) {
    LieuCle cle(composante);
    if (cle.vue().empty()) return false;
    if (!pays_.connu()) {
        if (auto pays = chercherPays(cle.vue())) {
            pays_ = *pays;
            composantePays_ = composante;
            // Une nation du Royaume-Uni (« England ») nomme à la fois le pays et sa subdivision.
            if (pays_ == kRoyaumeUni) subdivision_ = chercherSubdivision(pays_, cle.vue());
            return true;
        }
    }
    if ((!pays_.connu() || pays_ == kFrance) && estRegionFrancaise(cle.vue())) {
        composanteRegion_ = composante;
        if (!pays_.connu()) pays_ = kFrance;
        return true;
    }
    CodePays paysTable = pays_.connu() ? pays_ : reglages_.paysParDefaut;
    if (std::uint16_t code = chercherSubdivision(paysTable, cle.vue())) {
        subdivision_ = code;
        composanteSubdivision_ = composante;
        pays_ = paysTable;
        return true;
    }
    return false;
}

void Analyse::consommerPostal(int numero) {
    postalVu_ = true;
    if (subdivision_ == 0) subdivision_ = codeDepartement(numero);
    if (!pays_.connu()) pays_ = reglages_.paysParDefaut;
}

// Au-delà de dix, on garde les premières du texte : la commune vient d'ordinaire en tête.
void Analyse::garder(std::string_view composante) {
    if (nbGardees_ == kGardeesMax) {
        std::copy(gardees_.begin() + 1, gardees_.end(), gardees_.begin());
        --nbGardees_;
    }
    gardees_[nbGardees_++] = composante;
}

LieuNormalise Analyse::rediger() const {
    LieuNormalise lieu;
    lieu.commencer(pays_, subdivision_ != 0 ? static_cast<std::uint8_t>(subdivision_ & 0xFF) : std::uint8_t{' '});
    for (std::size_t i = nbGardees_; i-- > 0;) ecrire(lieu, gardees_[i]);
    if (nbGardees_ == 0) {
        if (!composanteSubdivision_.empty())
            ecrire(lieu, composanteSubdivision_);
        else if (!composanteRegion_.empty())
            ecrire(lieu, composanteRegion_);
    }
    ecrirePays(lieu);
    lieu.terminer();
    return lieu;
}

// « 15e  Arrondissement » devient « 15° ». Une composante qui ne tient plus est laissée de
// côté ; la première est coupée plutôt que perdue.
void Analyse::ecrire(LieuNormalise& lieu, std::string_view composante) {
    std::string_view fin;
    if (composante.ends_with(kArrondissement)) {
        composante.remove_suffix(kArrondissement.size());
        fin = kDegre;
    }
    if (lieu.tailleLisible() > 0) {
        lieu.ajouter(", ", composante, fin);
    } else if (!lieu.ajouter(composante, fin)) {
        lieu.ajouterCoupe(composante);
    }
}

// Le pays nommé, quand ce n'est pas le pays par défaut, suit le lieu entre parenthèses ;
// seul, il s'écrit sans parenthèses.
void Analyse::ecrirePays(LieuNormalise& lieu) const {
    if (composantePays_.empty() || pays_ == reglages_.paysParDefaut) return;
    std::string_view nom = composantePays_;
    if (pays_ == kEtatsUnis && nom.size() > kNomEtatsUnisLongMax) nom = kNomEtatsUnisCourt;
    if (lieu.tailleLisible() == 0)
        lieu.ajouter(nom);
    else
        lieu.ajouter(" (", nom, ")");
}

// Composantes de la dernière à la première, espaces de tête et de fin retirés, vides sautées.
void examinerALEnvers(std::string_view texte, Analyse& analyse) {
    for (;;) {
        std::size_t virgule = texte.rfind(',');
        bool derniere = virgule == std::string_view::npos;
        std::string_view composante = sansEspaces(derniere ? texte : texte.substr(virgule + 1));
        if (!composante.empty()) analyse.examiner(composante);
        if (derniere) return;
        texte = texte.substr(0, virgule);
    }
}

// « FRA, F69, Lyon » : sigle de pays, puis pour la France un département « F » + numéro.
// Rend faux quand le texte ne commence pas par un sigle connu.
bool lireSigle(std::string_view& texte, Analyse& analyse) {
    if (texte.size() < 4 || texte[3] != ',') return false;
    for (std::size_t i = 0; i < 3; ++i)
        if (texte[i] < 'A' || texte[i] > 'Z') return false;
    auto pays = chercherCodeTroisLettres(texte.substr(0, 3));
    if (!pays) return false;
    analyse.fixerPays(*pays);
    texte.remove_prefix(4);
    if (*pays != kFrance) return true;
    std::size_t virgule = texte.find(',');
    std::string_view premiere = sansEspaces(texte.substr(0, virgule));
    if (premiere.size() == 3 && premiere[0] == 'F' && estChiffre(premiere[1]) && estChiffre(premiere[2])) {
        analyse.consommerPostal((premiere[1] - '0') * 10 + (premiere[2] - '0'));
        texte = virgule == std::string_view::npos ? std::string_view{} : texte.substr(virgule + 1);
    }
    return true;
}

}  // namespace

LieuNormalise LieuNormaliseur::normaliser(std::string_view plac) const {
    Analyse analyse(reglages_);
    if (reglages_.sigleTroisLettres) lireSigle(plac, analyse);
    examinerALEnvers(plac, analyse);
    return analyse.rediger();
}

}  // namespace lignara
