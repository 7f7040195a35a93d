#include "gedcom/RelectureIndividu.h"

#include <array>
#include <cstring>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "gedcom/EtatLecture.h"
#include "gedcom/LecteurGedcom.h"
#include "gedcom/TableTags.h"

namespace lignara {

namespace {

using R = RelectureIndividu;
using Ligne = LigneEtat<R>;
constexpr auto kTout = CodeTag::Quelconque;
constexpr auto kN = ActionLecture::LigneSuivante;
constexpr auto kP = ActionLecture::MemeLigne;
constexpr auto kF = ActionLecture::Fin;
constexpr std::uint8_t kQuel = kNiveauQuelconque;

class RapportMuet : public RecepteurRapport {
public:
    void signaler(std::size_t, const std::string&) override {}
};
RapportMuet gRapportMuet;

enum : std::uint8_t { kIndiv, kEvt, kLieu, kAdresse, kEtats };

// Les lignes de niveau 1 qui ne sont pas des événements, et tout ce qui les suit, restent dans
// kIndiv sans gestionnaire : leurs DATE ou PLAC ne s'accrochent à aucun événement.
#define EVENEMENT(tag) \
    { 1, CodeTag::tag, &R::debutEvenement, kEvt, kN }
constexpr Ligne kIndivL[] = {
    EVENEMENT(BIRT),
    EVENEMENT(CHR),
    EVENEMENT(CHRA),
    EVENEMENT(BAPM),
    EVENEMENT(BAPL),
    EVENEMENT(BARM),
    EVENEMENT(BASM),
    EVENEMENT(FCOM),
    EVENEMENT(CONF),
    EVENEMENT(CONL),
    EVENEMENT(ORDN),
    EVENEMENT(HAJJ),
    EVENEMENT(DEAT),
    EVENEMENT(BURI),
    EVENEMENT(OCCU),
    EVENEMENT(RESI),
    EVENEMENT(EVEN),
    {0, kTout, nullptr, kIndiv, kF},
    {kQuel, kTout, nullptr, kIndiv, kN},
};
#undef EVENEMENT
constexpr Ligne kEvtL[] = {
    {2, CodeTag::DATE, &R::date, kEvt, kN},
    {2, CodeTag::PLAC, &R::lieu, kLieu, kN},
    {2, CodeTag::ADDR, &R::adresse, kAdresse, kN},
    {2, CodeTag::TYPE, &R::type, kEvt, kN},
    {2, CodeTag::NOTE, &R::note, kEvt, kN},
    {2, CodeTag::CONT, &R::suiteValeur, kEvt, kN},
    {2, CodeTag::CONC, &R::suiteValeur, kEvt, kN},
    {1, kTout, nullptr, kIndiv, kP},
    {0, kTout, nullptr, kIndiv, kP},
    {kQuel, kTout, nullptr, kEvt, kN},
};
// LIEU suit PLAC au niveau 2, comme à l'import.
constexpr Ligne kLieuL[] = {
    {2, CodeTag::LIEU, &R::suiteLieu, kLieu, kN},
    {2, kTout, nullptr, kEvt, kP},
    {1, kTout, nullptr, kEvt, kP},
    {0, kTout, nullptr, kEvt, kP},
    {kQuel, kTout, nullptr, kLieu, kN},
};
constexpr Ligne kAdresseL[] = {
    {3, CodeTag::CONT, &R::suiteAdresse, kAdresse, kN},
    {2, kTout, nullptr, kEvt, kP},
    {1, kTout, nullptr, kEvt, kP},
    {0, kTout, nullptr, kEvt, kP},
    {kQuel, kTout, nullptr, kAdresse, kN},
};

const std::array<EtatLecture<R>, kEtats> kEtatsRelecture = {EtatLecture<R>(kIndivL), EtatLecture<R>(kEvtL),
                                                            EtatLecture<R>(kLieuL), EtatLecture<R>(kAdresseL)};

// Ajoute au plus ce qui tient dans kTexteMax octets.
void ajouterBorne(std::string& texte, std::string_view suite) {
    if (texte.size() >= RelectureIndividu::kTexteMax) return;
    texte.append(suite.substr(0, RelectureIndividu::kTexteMax - texte.size()));
}

std::string borne(const char* valeur) {
    std::string t;
    ajouterBorne(t, valeur);
    return t;
}

}  // namespace

RelectureIndividu::RelectureIndividu(std::vector<FichierImporte> fichiers)
    : fichiers_(std::move(fichiers)),
      ouverts_(fichiers_.size()),
      lecteur_(std::make_unique<LecteurGedcom>(gRapportMuet)) {}

RelectureIndividu::~RelectureIndividu() = default;
RelectureIndividu::RelectureIndividu(RelectureIndividu&&) noexcept = default;
RelectureIndividu& RelectureIndividu::operator=(RelectureIndividu&&) noexcept = default;

FichierGedcomOuvert& RelectureIndividu::ouvrir(std::uint8_t indice) {
    std::optional<FichierGedcomOuvert>& ouvert = ouverts_[indice];
    if (ouvert) return *ouvert;
    const FichierImporte& f = fichiers_[indice];
    try {
        ouvert.emplace(f.chemin);
    } catch (const OperationImpossible&) {
        // Disparu, devenu un dossier ou illisible : pour l'utilisateur, c'est la même chose.
        const std::u8string u = f.chemin.u8string();
        throw OperationImpossible(std::string("Lecture impossible du fichier Gedcom\n"_1252) +
                                  depuisUtf8(std::string_view(reinterpret_cast<const char*>(u.data()), u.size())));
    }
    ouvert->retablirJeuCaracteres(f.jeu);
    ouvert->drapeauxLogiciel = f.drapeauxLogiciel;
    ouvert->aDonneUneLigne = true;  // l'import l'a lu : une fin de fichier n'est qu'une fin
    return *ouvert;
}

std::vector<EvenementRelu> RelectureIndividu::relire(std::uint8_t indiceFichier, std::uint32_t decalage) {
    evenements_.clear();
    plein_ = false;
    if (decalage == 0 || indiceFichier >= fichiers_.size()) return {};
    FichierGedcomOuvert& fichier = ouvrir(indiceFichier);
    lecteur_->commencerFichier(fichier, indiceFichier);
    lecteur_->Analyser<R>(TableTags::consultation(), kEtatsRelecture, kIndiv, decalage, false, *this);
    return std::move(evenements_);
}

EvenementRelu* RelectureIndividu::courant() { return plein_ || evenements_.empty() ? nullptr : &evenements_.back(); }

void RelectureIndividu::debutEvenement(char* valeur) {
    if (evenements_.size() >= kEvenementsMax) {
        plein_ = true;
        return;
    }
    EvenementRelu e;
    e.tag = lecteur_->code();
    e.valeur = borne(valeur);
    evenements_.push_back(std::move(e));
}

// Seule la première DATE (ou PLAC, ADDR, TYPE, NOTE) d'un événement compte.
void RelectureIndividu::date(char* valeur) {
    if (EvenementRelu* e = courant(); e && e->date.empty()) e->date = borne(valeur);
}

void RelectureIndividu::lieu(char* valeur) {
    if (EvenementRelu* e = courant(); e && e->lieu.empty()) e->lieu = borne(valeur);
}

void RelectureIndividu::suiteLieu(char* valeur) {
    EvenementRelu* e = courant();
    if (!e || e->lieu.empty() || *valeur == '\0') return;
    ajouterBorne(e->lieu, ", ");
    ajouterBorne(e->lieu, valeur);
}

void RelectureIndividu::adresse(char* valeur) {
    if (EvenementRelu* e = courant(); e && e->adresse.empty()) e->adresse = borne(valeur);
}

void RelectureIndividu::suiteAdresse(char* valeur) {
    EvenementRelu* e = courant();
    if (!e || *valeur == '\0') return;
    if (!e->adresse.empty()) ajouterBorne(e->adresse, " ");
    ajouterBorne(e->adresse, valeur);
}

void RelectureIndividu::type(char* valeur) {
    if (EvenementRelu* e = courant(); e && e->type.empty()) e->type = borne(valeur);
}

// Une NOTE garde ses blancs de tête à la lecture ; un renvoi vers une note (« @N1@ ») n'est
// pas un texte.
void RelectureIndividu::note(char* valeur) {
    while (*valeur == ' ') ++valeur;
    if (*valeur == '@') return;
    if (EvenementRelu* e = courant(); e && e->note.empty()) e->note = borne(valeur);
}

// CONC colle la suite à la valeur, CONT la met après une espace (une ligne de document).
void RelectureIndividu::suiteValeur(char* valeur) {
    EvenementRelu* e = courant();
    if (!e) return;
    if (lecteur_->code() == CodeTag::CONT && !e->valeur.empty()) ajouterBorne(e->valeur, " ");
    ajouterBorne(e->valeur, valeur);
}

}  // namespace lignara
