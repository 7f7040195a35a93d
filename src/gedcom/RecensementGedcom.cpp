#include "gedcom/RecensementGedcom.h"

#include <array>

#include "gedcom/FichierGedcomOuvert.h"
#include "gedcom/LecteurGedcom.h"
#include "gedcom/RapportEnMemoire.h"

namespace lignara {

namespace {

// Client de la machine d'états : compte ce que voit le lecteur.
class Compteur {
public:
    Compteur(LecteurGedcom& lecteur, RecensementGedcom& r) : lecteur_(lecteur), r_(r) {}

    void jeuCaracteres(char* valeur) { lecteur_.fichier().choisirJeuCaracteres(valeur); }
    void individu(char*) { ++r_.individus; }
    void famille(char*) { ++r_.familles; }
    void source(char*) { ++r_.sources; }
    void note(char*) { ++r_.notes; }
    void objet(char*) { ++r_.objets; }
    void autre(char*) { ++r_.autres; }

private:
    LecteurGedcom& lecteur_;
    RecensementGedcom& r_;
};

using Ligne = LigneEtat<Compteur>;
constexpr auto kTout = CodeTag::Quelconque;
constexpr auto kN = ActionLecture::LigneSuivante;
constexpr auto kP = ActionLecture::MemeLigne;
constexpr auto kF = ActionLecture::Fin;
constexpr std::uint8_t kQuelconque = kNiveauQuelconque;
enum : std::uint8_t { kDebut, kEnTete, kEnregistrements };

constexpr Ligne kDebutLignes[] = {
    {0, CodeTag::HEAD, nullptr, kEnTete, kN},
    {kQuelconque, kTout, nullptr, kEnregistrements, kP},  // fichier sans en-tête
};
constexpr Ligne kEnTeteLignes[] = {
    {1, CodeTag::CHAR, &Compteur::jeuCaracteres, kEnTete, kN},
    {0, kTout, nullptr, kEnregistrements, kP},
    {kQuelconque, kTout, nullptr, kEnTete, kN},
};
constexpr Ligne kEnregistrementsLignes[] = {
    {0, CodeTag::INDI, &Compteur::individu, kEnregistrements, kN},
    {0, CodeTag::FAM, &Compteur::famille, kEnregistrements, kN},
    {0, CodeTag::SOUR, &Compteur::source, kEnregistrements, kN},
    {0, CodeTag::NOTE, &Compteur::note, kEnregistrements, kN},
    {0, CodeTag::OBJE, &Compteur::objet, kEnregistrements, kN},
    {0, CodeTag::TRLR, nullptr, kEnregistrements, kF},
    {0, kTout, &Compteur::autre, kEnregistrements, kN},
    {kQuelconque, kTout, nullptr, kEnregistrements, kN},
};
const std::array<EtatLecture<Compteur>, 3> kEtats = {EtatLecture<Compteur>(kDebutLignes),
                                                     EtatLecture<Compteur>(kEnTeteLignes),
                                                     EtatLecture<Compteur>(kEnregistrementsLignes)};

}  // namespace

RecensementGedcom RecensementGedcom::recenser(const std::filesystem::path& chemin) {
    RecensementGedcom r;
    FichierGedcomOuvert fichier(chemin);
    fichier.reinitialiser();
    RapportEnMemoire rapport;
    LecteurGedcom lecteur(rapport);
    lecteur.commencerFichier(fichier, 0);
    Compteur compteur(lecteur, r);
    lecteur.Analyser<Compteur>(TableTags::balayage(), kEtats, kDebut, 0, true, compteur);
    r.jeu = fichier.jeuCaracteres();
    r.transcodeUtf16 = fichier.estTranscodeUtf16();
    r.lignes = lecteur.numeroLigne();
    r.rapport = std::move(rapport.lignes);
    return r;
}

}  // namespace lignara
