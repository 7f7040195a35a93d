#include "gedcom/PasseBalayage.h"

#include <algorithm>
#include <array>

#include "commun/Texte.h"
#include "gedcom/DateLecture.h"
#include "gedcom/DrapeauxLogiciel.h"

namespace lignara {

namespace {

using P = PasseBalayage;
using Ligne = LigneEtat<P>;
constexpr auto kTout = CodeTag::Quelconque;
constexpr auto kN = ActionLecture::LigneSuivante;
constexpr auto kP = ActionLecture::MemeLigne;
constexpr auto kF = ActionLecture::Fin;
constexpr std::uint8_t kQuel = kNiveauQuelconque;
enum : std::uint8_t {
    kDebut, kEnTete, kEnregistrements, kSource, kNote, kMedia, kIndividu, kEvtIndividu,
    kAdoption, kFamille, kEvtFamille, kNombreEtats
};

constexpr Ligne kDebutL[] = {
    {0, CodeTag::HEAD, nullptr, kEnTete, kN},
    {kQuel, kTout, nullptr, kEnregistrements, kP},
};
constexpr Ligne kEnTeteL[] = {
    {1, CodeTag::SOUR, &P::logiciel, kEnTete, kN},
    {1, CodeTag::CHAR, &P::jeuCaracteres, kEnTete, kN},
    {0, kTout, nullptr, kEnregistrements, kP},
    {kQuel, kTout, nullptr, kEnTete, kN},
};
constexpr Ligne kEnregistrementsL[] = {
    {0, CodeTag::SOUR, &P::debutSource, kSource, kN},
    {0, CodeTag::NOTE, &P::debutNote, kNote, kN},
    {0, CodeTag::OBJE, &P::debutMedia, kMedia, kN},
    {0, CodeTag::INDI, &P::debutIndividu, kIndividu, kN},
    {0, CodeTag::FAM, &P::debutFamille, kFamille, kN},
    {0, CodeTag::TRLR, &P::finFichier, kEnregistrements, kF},
    {kQuel, kTout, nullptr, kEnregistrements, kN},
};
constexpr Ligne kSourceL[] = {
    {1, CodeTag::TITL, &P::texteSource, kSource, kN},
    {1, CodeTag::ABBR, &P::texteSource, kSource, kN},
    {1, CodeTag::AUTH, &P::texteSource, kSource, kN},
    {1, CodeTag::PUBL, &P::texteSource, kSource, kN},
    {1, CodeTag::REPO, &P::texteSource, kSource, kN},
    {2, CodeTag::FILE, &P::fichierSource, kSource, kN},
    {0, kTout, nullptr, kEnregistrements, kP},
    {kQuel, kTout, nullptr, kSource, kN},
};
constexpr Ligne kNoteL[] = {
    {1, CodeTag::CONT, &P::ligneNote, kNote, kN},
    {1, CodeTag::CONC, &P::ligneNote, kNote, kN},
    {0, kTout, nullptr, kEnregistrements, kP},
    {kQuel, kTout, nullptr, kNote, kN},
};
constexpr Ligne kMediaL[] = {
    {1, CodeTag::FILE, &P::fichierMedia, kMedia, kN},
    {0, kTout, nullptr, kEnregistrements, kP},
    {kQuel, kTout, nullptr, kMedia, kN},
};
constexpr Ligne kIndividuL[] = {
    {1, CodeTag::BIRT, &P::debutEvenement, kEvtIndividu, kN},
    {1, CodeTag::DEAT, &P::debutEvenement, kEvtIndividu, kN},
    {1, CodeTag::FAMC, &P::famc, kIndividu, kN},
    {1, CodeTag::ADOP, nullptr, kAdoption, kN},
    {1, CodeTag::FAMS, &P::fams, kIndividu, kN},
    {0, kTout, &P::finIndividu, kEnregistrements, kP},
    {kQuel, kTout, nullptr, kIndividu, kN},
};
constexpr Ligne kEvtIndividuL[] = {
    {2, CodeTag::DATE, &P::dateEvenement, kEvtIndividu, kN},
    {2, CodeTag::PLAC, &P::lieuEvenement, kEvtIndividu, kN},
    {1, kTout, &P::finEvenementIndividu, kIndividu, kP},
    {0, kTout, &P::finEvenementIndividu, kIndividu, kP},
    {kQuel, kTout, nullptr, kEvtIndividu, kN},
};
constexpr Ligne kAdoptionL[] = {
    {2, CodeTag::FAMC, &P::famcAdoption, kAdoption, kN},
    {1, kTout, nullptr, kIndividu, kP},
    {0, kTout, nullptr, kIndividu, kP},
    {kQuel, kTout, nullptr, kAdoption, kN},
};
constexpr Ligne kFamilleL[] = {
    {1, CodeTag::HUSB, &P::mari, kFamille, kN},
    {1, CodeTag::WIFE, &P::femme, kFamille, kN},
    {1, CodeTag::CHIL, &P::enfant, kFamille, kN},
    {1, CodeTag::MARR, &P::debutMariage, kEvtFamille, kN},
    {1, CodeTag::DIV, &P::debutMariage, kEvtFamille, kN},
    {0, kTout, &P::finFamille, kEnregistrements, kP},
    {kQuel, kTout, nullptr, kFamille, kN},
};
constexpr Ligne kEvtFamilleL[] = {
    {2, CodeTag::DATE, &P::dateEvenement, kEvtFamille, kN},
    {2, CodeTag::PLAC, &P::lieuEvenement, kEvtFamille, kN},
    {1, kTout, &P::finEvenementFamille, kFamille, kP},
    {0, kTout, &P::finEvenementFamille, kFamille, kP},
    {kQuel, kTout, nullptr, kEvtFamille, kN},
};

const std::array<EtatLecture<P>, kNombreEtats> kEtats = {
    EtatLecture<P>(kDebutL),      EtatLecture<P>(kEnTeteL),   EtatLecture<P>(kEnregistrementsL),
    EtatLecture<P>(kSourceL),     EtatLecture<P>(kNoteL),     EtatLecture<P>(kMediaL),
    EtatLecture<P>(kIndividuL),   EtatLecture<P>(kEvtIndividuL), EtatLecture<P>(kAdoptionL),
    EtatLecture<P>(kFamilleL),    EtatLecture<P>(kEvtFamilleL)};

bool estBlanche(const char* v) {
    for (; *v; ++v)
        if (*v != ' ') return false;
    return true;
}

void compter(std::uint16_t& n) {
    if (n < 0xFFFF) ++n;
}

}  // namespace

std::int32_t cleTriDate(std::string_view texteDate) {
    DateGed d;
    if (!LireDate(texteDate, true, d) || d.absente()) return 0;
    if (d.qualificatif == DateEntre) return ((d.premiereAnnee() + d.annee) * 372 + 371) / 2;
    int mois = d.mois, jour = d.jour;
    if (d.qualificatif == DateApres) {
        if (mois == 0) mois = 12;
        if (jour == 0) jour = 31;
    }
    return d.annee * 372 + mois * 31 + jour;
}

PasseBalayage::PasseBalayage(LecteurGedcom& lecteur, RegistresBalayage& registres,
                             ListeErreursGedcom& erreurs, ModeCommentaire mode)
    : lecteur_(lecteur), reg_(registres), erreurs_(erreurs), mode_(mode) {}

void PasseBalayage::balayer() {
    lecteur_.Analyser<P>(TableTags::balayage(), kEtats, kDebut, 0, true, *this);
}

CleEnregistrement PasseBalayage::pointeur(const char* v) const {
    return CleEnregistrement::dePointeur(lecteur_.indiceFichier(), v);
}

bool PasseBalayage::referenceManquante(const char* v) {
    if (!pointeur(v).estVide()) return false;
    lecteur_.signalerLigne("- Ligne %ld : référence Gedcom manquante"_1252);
    return true;
}

void PasseBalayage::logiciel(char* v) { lecteur_.fichier().drapeauxLogiciel = DrapeauxLogiciel(v); }

void PasseBalayage::jeuCaracteres(char* v) { lecteur_.fichier().choisirJeuCaracteres(v); }

void PasseBalayage::debutSource(char*) {
    SourceBalayee& s = reg_.sources[lecteur_.cleCourante()];
    s = SourceBalayee{lecteur_.decalageApresNiveau0(), lecteur_.numeroLigne(), indiceFichier(), {}};
    source_ = &s;
    sourcePhoto_ = false;
}

void PasseBalayage::texteSource(char* v) {
    if ((drapeaux() & drapeaux::kSourcesPhotos) && lecteur_.code() == CodeTag::TITL &&
        std::string_view(v) == "Photo de l'arbre")
        sourcePhoto_ = true;
}

void PasseBalayage::fichierSource(char* v) {
    if (source_ && sourcePhoto_ && (drapeaux() & drapeaux::kSourcesPhotos) &&
        source_->photo.empty() && estPhotoAcceptee(v))
        source_->photo = v;
}

void PasseBalayage::debutNote(char* v) {
    NoteBalayee& n = reg_.notes[lecteur_.cleCourante()];
    n = NoteBalayee{lecteur_.decalageLigne(), lecteur_.numeroLigne(), 1, indiceFichier(), false, false};
    if (mode_ != ModeCommentaire::TagGedcom) {
        CommentaireDeNote c = lireCommentaireDeNote(mode_, v);
        n.donneCommentaire = c.donneCommentaire;
        if (!c.resteLigne) n.lignes = 0;
    }
    note_ = &n;
}

void PasseBalayage::ligneNote(char*) {
    if (note_) ++note_->lignes;
}

void PasseBalayage::debutMedia(char*) { media_ = lecteur_.cleCourante(); }

void PasseBalayage::fichierMedia(char* v) {
    if (!media_.estVide() && estPhotoAcceptee(v)) reg_.medias.try_emplace(media_, v);
}

void PasseBalayage::debutIndividu(char*) {
    personne_ = reg_.personne(lecteur_.cleCourante());
    PersonneBalayee& p = reg_.personnes[personne_];
    if (p.definie) lecteur_.signalerLigne("- Ligne %ld : référence Gedcom déjà utilisée"_1252);
    p.definie = true;
    p.decalage = lecteur_.decalageApresNiveau0();
    p.ligne = lecteur_.numeroLigne();
    p.fichier = indiceFichier();
    familleAdoption_ = kAucun;
}

void PasseBalayage::finIndividu(char*) {
    if (personne_ != kAucun && familleAdoption_ != kAucun) {
        FamilleBalayee& f = reg_.familles[familleAdoption_];
        if (f.definie) {
            if (reg_.personnes[personne_].familleParents == familleAdoption_)
                ajouterEnfant(familleAdoption_, personne_);
        } else {
            f.adoptesEnAttente.push_back(personne_);
        }
    }
    personne_ = kAucun;
    familleAdoption_ = kAucun;
}

void PasseBalayage::debutEvenement(char*) {
    evenementDate_ = evenementLieu_ = false;
    evenementNaissance_ = lecteur_.code() == CodeTag::BIRT;
    evenementMariage_ = lecteur_.code() == CodeTag::MARR;
    cleTri_ = 0;
}

void PasseBalayage::dateEvenement(char* v) {
    DateGed d;
    if (LireDate(v, false, d) && !d.absente()) evenementDate_ = true;
    bool trier = (evenementNaissance_ && (drapeaux() & drapeaux::kTrierEnfants)) ||
                 (evenementMariage_ && (drapeaux() & drapeaux::kTrierMariages));
    if (trier && cleTri_ == 0) cleTri_ = cleTriDate(v);
}

void PasseBalayage::lieuEvenement(char* v) {
    if (!estBlanche(v)) evenementLieu_ = true;
}

void PasseBalayage::finEvenementIndividu(char*) {
    if (personne_ == kAucun) return;
    PersonneBalayee& p = reg_.personnes[personne_];
    if (evenementDate_ || evenementLieu_) compter(p.evenements);
    if (evenementNaissance_ && p.cleTriNaissance == 0) p.cleTriNaissance = cleTri_;
    evenementNaissance_ = false;
}

void PasseBalayage::famc(char* v) {
    if (personne_ == kAucun || referenceManquante(v)) return;
    std::uint32_t f = reg_.famille(pointeur(v));
    PersonneBalayee& p = reg_.personnes[personne_];
    if (p.familleParents != kAucun && p.familleParents != f) {
        const FamilleBalayee& ancienne = reg_.familles[p.familleParents];
        if (ancienne.definie)
            erreurs_.SignalerErreur(indiceFichier(), "- Ligne %ld : champ FAMC incompatible avec la famille ligne %ld"_1252,
                                    lecteur_.numeroLigne(), ancienne.ligne);
        else
            lecteur_.signalerLigne("- Ligne %ld : redéfinition du champ FAMC"_1252);
    }
    p.familleParents = f;
    p.parAdoption = false;
    p.famcExplicite = true;
}

void PasseBalayage::famcAdoption(char* v) {
    if (personne_ == kAucun || referenceManquante(v)) return;
    std::uint32_t f = reg_.famille(pointeur(v));
    PersonneBalayee& p = reg_.personnes[personne_];
    if (p.familleParents == kAucun) {
        p.familleParents = f;
        p.parAdoption = true;
    }
    familleAdoption_ = f;
}

void PasseBalayage::fams(char* v) {
    if (personne_ == kAucun || referenceManquante(v)) return;
    std::uint32_t f = reg_.famille(pointeur(v));
    std::vector<std::uint32_t>& liste = reg_.personnes[personne_].famillesConjoint;
    // Une famille nommée deux fois ferait boucler la chaîne des mariages.
    if (std::find(liste.begin(), liste.end(), f) != liste.end()) {
        lecteur_.signalerLigne("- Ligne %ld : référence Gedcom déjà utilisée"_1252);
        return;
    }
    liste.push_back(f);
}

void PasseBalayage::debutFamille(char*) {
    famille_ = reg_.famille(lecteur_.cleCourante());
    FamilleBalayee& f = reg_.familles[famille_];
    if (f.definie) lecteur_.signalerLigne("- Ligne %ld : référence Gedcom déjà utilisée"_1252);
    f.definie = true;
    f.decalage = lecteur_.decalageApresNiveau0();
    f.ligne = lecteur_.numeroLigne();
    f.fichier = indiceFichier();
}

void PasseBalayage::finFamille(char*) {
    if (famille_ == kAucun) return;
    std::vector<std::uint32_t> adoptes = std::move(reg_.familles[famille_].adoptesEnAttente);
    reg_.familles[famille_].adoptesEnAttente.clear();
    for (std::uint32_t a : adoptes)
        if (reg_.personnes[a].familleParents == famille_) ajouterEnfant(famille_, a);
    famille_ = kAucun;
}

void PasseBalayage::mari(char* v) {
    if (famille_ == kAucun || referenceManquante(v)) return;
    std::uint32_t p = reg_.personne(pointeur(v));
    FamilleBalayee& f = reg_.familles[famille_];
    if (p == f.femme) {  // un seul conjoint pour les deux places : la chaîne bouclerait
        lecteur_.signalerLigne("- Ligne %ld : référence Gedcom déjà utilisée"_1252);
        return;
    }
    f.mari = p;
}

void PasseBalayage::femme(char* v) {
    if (famille_ == kAucun || referenceManquante(v)) return;
    std::uint32_t p = reg_.personne(pointeur(v));
    FamilleBalayee& f = reg_.familles[famille_];
    if (p == f.mari) {
        lecteur_.signalerLigne("- Ligne %ld : référence Gedcom déjà utilisée"_1252);
        return;
    }
    f.femme = p;
}

void PasseBalayage::enfant(char* v) {
    if (famille_ == kAucun || referenceManquante(v)) return;
    CleEnregistrement cle = pointeur(v);
    std::uint32_t c = reg_.personne(cle);
    PersonneBalayee& p = reg_.personnes[c];
    if (p.familleParents == kAucun) p.familleParents = famille_;
    if (p.familleParents == famille_) {
        ajouterEnfant(famille_, c);
        return;
    }
    std::string id(cle.octets().substr(1));  // « @%s » : la référence sans son premier '@'
    erreurs_.SignalerErreur(indiceFichier(), "- Ligne %ld : enfant incompatible avec le champ FAMC de l'individu @%s"_1252,
                            lecteur_.numeroLigne(), id.c_str());
}

void PasseBalayage::ajouterEnfant(std::uint32_t famille, std::uint32_t personne) {
    std::vector<std::uint32_t>& enfants = reg_.familles[famille].enfants;
    if (std::find(enfants.begin(), enfants.end(), personne) == enfants.end())
        enfants.push_back(personne);
}

void PasseBalayage::debutMariage(char* v) { debutEvenement(v); }

void PasseBalayage::finEvenementFamille(char*) {
    if (famille_ == kAucun) return;
    FamilleBalayee& f = reg_.familles[famille_];
    if (evenementDate_ || evenementLieu_) compter(f.evenements);
    if (evenementMariage_ && f.cleTriMariage == 0) f.cleTriMariage = cleTri_;
    evenementMariage_ = false;
}

void PasseBalayage::finFichier(char*) {
    if (personne_ != kAucun) finIndividu(nullptr);
    if (famille_ != kAucun) finFamille(nullptr);
    trierFichier();
}

// Tris stables : à clé égale, l'ordre du GEDCOM reste.
void PasseBalayage::trierFichier() {
    const std::uint8_t fichier = indiceFichier();
    if (drapeaux() & drapeaux::kTrierEnfants) {
        for (FamilleBalayee& f : reg_.familles) {
            if (f.fichier != fichier) continue;
            std::stable_sort(f.enfants.begin(), f.enfants.end(), [&](std::uint32_t a, std::uint32_t b) {
                return reg_.personnes[a].cleTriNaissance < reg_.personnes[b].cleTriNaissance;
            });
        }
    }
    if (drapeaux() & drapeaux::kTrierMariages) {
        for (PersonneBalayee& p : reg_.personnes) {
            if (p.fichier != fichier) continue;
            std::stable_sort(p.famillesConjoint.begin(), p.famillesConjoint.end(),
                             [&](std::uint32_t a, std::uint32_t b) {
                                 return reg_.familles[a].cleTriMariage < reg_.familles[b].cleTriMariage;
                             });
        }
    }
}

}  // namespace lignara
