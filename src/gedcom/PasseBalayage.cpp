#include "gedcom/PasseBalayage.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <thread>

#include "commun/FileLots.h"
#include "commun/Texte.h"
#include "database/EcrivainBase.h"
#include "dates/DateLecture.h"
#include "gedcom/DrapeauxLogiciel.h"
#include "gedcom/LecteurGedcom.h"

namespace lignara {

// Appels enregistrés d'un lot, l'état de leurs lignes de niveau 0, les clés de leurs liens
// (faites par le fil qui rejoue) et leurs textes (chacun terminé par '\0' ; le premier est vide).
struct PasseBalayage::LotAppels {
    std::vector<Appel> appels;
    std::vector<Niveau0> niveaux0;
    std::vector<CleEnregistrement> liens;
    std::string textes;
};

namespace {

using P = PasseBalayage;
using Appel = PasseBalayage::Appel;
using Niveau0 = PasseBalayage::Niveau0;
using LotAppels = PasseBalayage::LotAppels;
constexpr std::size_t kAppelsParLot = 4096;
constexpr std::size_t kLotsEnAttente = 8;
constexpr std::size_t kAvance = 16;  // appels d'avance pour demander les cases des clés

// Le consommateur a renoncé : le fil de lecture s'arrête.
struct LectureArretee {};

// Vrai quand, avant tout octet à convertir, le texte brut a un octet ASCII qui n'est ni un blanc
// ni une tabulation (elle devient un blanc) ; faux aussi à un '\0', où le texte s'arrête.
bool nonBlancSansConvertir(const char* v, std::size_t longueur) {
    for (std::size_t i = 0; i < longueur; ++i) {
        const auto c = static_cast<unsigned char>(v[i]);
        if (c == ' ' || c == '\t') continue;
        return c != 0 && c < 0x80;
    }
    return false;
}

// Client de la machine d'états dans le fil de lecture.
class Enregistreur : public RecepteurRapport {
public:
    Enregistreur(FichierGedcomOuvert& fichier, FileLots<LotAppels>& file) : fichier_(fichier), file_(file) {
        nouveauLot();
    }
    void lecteur(const LecteurGedcom* l) { lecteur_ = l; }

    // Seules les valeurs dont un gestionnaire se sert sont converties (le lecteur les laisse
    // brutes), et par le fil qui rejoue : le fil de lecture est le plus chargé des deux.
    template <void (P::*G)(char*)>
    void avecTexte(char* v) {
        valeurBrute(G, v);
    }
    template <void (P::*G)(char*)>
    void sansTexte(char*) {
        ajouter(G, nullptr, 0);
    }
    // Lieu d'un événement : seul compte qu'il ne soit pas blanc. Un octet ASCII autre qu'un blanc
    // le reste une fois converti : la valeur n'est alors ni gardée ni convertie (la plupart des
    // lieux). Sinon (blanc, ou un octet à convertir d'abord), elle suit comme les autres.
    template <void (P::*G)(char*)>
    void lieu(char* v) {
        if (nonBlancSansConvertir(v, lecteur_->longueurValeur()))
            ajouter(G, nullptr, 0).lieuNonBlanc = true;
        else
            valeurBrute(G, v);
    }
    // Début d'individu ou de famille (table 1 ou 2) : la clé de l'enregistrement sera cherchée
    // (le fil qui rejoue calcule sa valeur de hachage).
    template <void (P::*G)(char*), std::uint8_t T>
    void debut(char*) {
        ajouter(G, nullptr, 0).table = T;
    }
    // Lien vers une personne ou une famille : le pointeur de la valeur sera cherché (le fil qui
    // rejoue en fait la clé).
    template <void (P::*G)(char*), std::uint8_t T>
    void lien(char* v) {
        valeurBrute(G, v).table = T;
    }

    // L'en-tête agit dans ce fil : ses valeurs sont converties ici.
    void enTete(char*) { fichier_.aUneEnTete = true; }
    void logiciel(char* v) {
        convertirEtTerminer(v, lecteur_->longueurValeur(), fichier_.jeuCaracteres());
        fichier_.drapeauxLogiciel = DrapeauxLogiciel(v);
    }
    void jeuCaracteres(char* v) {
        convertirEtTerminer(v, lecteur_->longueurValeur(), fichier_.jeuCaracteres());
        fichier_.choisirJeuCaracteres(v);
    }
    void signaler(std::size_t, const std::string& ligne) override { ajouter(nullptr, ligne.c_str(), ligne.size()); }

    void finir() {
        if (!lot_.appels.empty() && !file_.deposer(std::move(lot_))) throw LectureArretee{};
    }

private:
    // La valeur de la ligne en cours, gardée telle quelle avec le jeu qui la convertira.
    // Sans jeu de caractères, la conversion ne change que les tabulations : faite tout de suite,
    // puisque le jeu « aucun » veut aussi dire « déjà converti ».
    Appel& valeurBrute(void (P::*g)(char*), const char* v) {
        Appel& a = ajouter(g, v, lecteur_->longueurValeur());
        if (!a.texte) return a;
        if (fichier_.jeuCaracteres() == JeuCaracteres::Aucun)
            convertirEnPlace(lot_.textes.data() + a.texte, a.longueur, JeuCaracteres::Aucun);
        else
            a.jeuValeur = fichier_.jeuCaracteres();
        return a;
    }

    void nouveauLot() {
        lot_ = file_.lotVide();
        lot_.appels.clear();
        lot_.appels.reserve(kAppelsParLot);
        lot_.niveaux0.clear();
        lot_.liens.clear();
        lot_.textes.assign(1, '\0');
    }

    Appel& ajouter(void (P::*g)(char*), const char* texte, std::size_t longueur) {
        if (lot_.appels.size() == kAppelsParLot) {
            if (!file_.deposer(std::move(lot_))) throw LectureArretee{};
            nouveauLot();
        }
        Appel& a = lot_.appels.emplace_back();
        a.gestionnaire = g;
        if (longueur > 0) {
            a.texte = static_cast<std::uint32_t>(lot_.textes.size());
            a.longueur = static_cast<std::uint32_t>(longueur);
            lot_.textes.append(texte, longueur + 1);  // avec son '\0'
        }
        a.code = lecteur_->code();
        a.ligne = lecteur_->numeroLigne();
        if (lecteur_->niveau() == 0) {
            lot_.niveaux0.push_back(
                {lecteur_->cleCourante(), lecteur_->decalageApresNiveau0(), lecteur_->decalageLigne()});
            a.niveau0 = static_cast<std::uint32_t>(lot_.niveaux0.size());
        }
        return a;
    }

    FichierGedcomOuvert& fichier_;
    FileLots<LotAppels>& file_;
    const LecteurGedcom* lecteur_ = nullptr;
    LotAppels lot_;
};

using E = Enregistreur;
using Ligne = LigneEtat<E>;
constexpr auto kTout = CodeTag::Quelconque;
constexpr auto kN = ActionLecture::LigneSuivante;
constexpr auto kP = ActionLecture::MemeLigne;
constexpr auto kF = ActionLecture::Fin;
constexpr std::uint8_t kQuel = kNiveauQuelconque;
enum : std::uint8_t {
    kDebut,
    kEnTete,
    kEnregistrements,
    kSource,
    kNote,
    kMedia,
    kIndividu,
    kEvtIndividu,
    kAdoption,
    kFamille,
    kEvtFamille,
    kNombreEtats
};

constexpr Ligne kDebutL[] = {
    {0, CodeTag::HEAD, &E::enTete, kEnTete, kN},
    {kQuel, kTout, nullptr, kEnregistrements, kP},
};
constexpr Ligne kEnTeteL[] = {
    {1, CodeTag::SOUR, &E::logiciel, kEnTete, kN},
    {1, CodeTag::CHAR, &E::jeuCaracteres, kEnTete, kN},
    {0, kTout, nullptr, kEnregistrements, kP},
    {kQuel, kTout, nullptr, kEnTete, kN},
};
constexpr Ligne kEnregistrementsL[] = {
    {0, CodeTag::SOUR, &E::sansTexte<&P::debutSource>, kSource, kN},
    {0, CodeTag::NOTE, &E::avecTexte<&P::debutNote>, kNote, kN},
    {0, CodeTag::OBJE, &E::sansTexte<&P::debutMedia>, kMedia, kN},
    {0, CodeTag::INDI, &E::debut<&P::debutIndividu, 1>, kIndividu, kN},
    {0, CodeTag::FAM, &E::debut<&P::debutFamille, 2>, kFamille, kN},
    {0, CodeTag::TRLR, &E::sansTexte<&P::finFichier>, kEnregistrements, kF},
    {kQuel, kTout, nullptr, kEnregistrements, kN},
};
constexpr Ligne kSourceL[] = {
    {1, CodeTag::TITL, &E::avecTexte<&P::texteSource>, kSource, kN},
    {1, CodeTag::ABBR, &E::avecTexte<&P::texteSource>, kSource, kN},
    {1, CodeTag::AUTH, &E::avecTexte<&P::texteSource>, kSource, kN},
    {1, CodeTag::PUBL, &E::avecTexte<&P::texteSource>, kSource, kN},
    {1, CodeTag::REPO, &E::avecTexte<&P::texteSource>, kSource, kN},
    {2, CodeTag::FILE, &E::avecTexte<&P::fichierSource>, kSource, kN},
    {0, kTout, nullptr, kEnregistrements, kP},
    {kQuel, kTout, nullptr, kSource, kN},
};
constexpr Ligne kNoteL[] = {
    {1, CodeTag::CONT, &E::sansTexte<&P::ligneNote>, kNote, kN},
    {1, CodeTag::CONC, &E::sansTexte<&P::ligneNote>, kNote, kN},
    {0, kTout, nullptr, kEnregistrements, kP},
    {kQuel, kTout, nullptr, kNote, kN},
};
constexpr Ligne kMediaL[] = {
    {1, CodeTag::FILE, &E::avecTexte<&P::fichierMedia>, kMedia, kN},
    {0, kTout, nullptr, kEnregistrements, kP},
    {kQuel, kTout, nullptr, kMedia, kN},
};
constexpr Ligne kIndividuL[] = {
    {1, CodeTag::BIRT, &E::sansTexte<&P::debutEvenement>, kEvtIndividu, kN},
    {1, CodeTag::DEAT, &E::sansTexte<&P::debutEvenement>, kEvtIndividu, kN},
    {1, CodeTag::FAMC, &E::lien<&P::famc, 2>, kIndividu, kN},
    {1, CodeTag::ADOP, nullptr, kAdoption, kN},
    {1, CodeTag::FAMS, &E::lien<&P::fams, 2>, kIndividu, kN},
    {0, kTout, &E::sansTexte<&P::finIndividu>, kEnregistrements, kP},
    {kQuel, kTout, nullptr, kIndividu, kN},
};
constexpr Ligne kEvtIndividuL[] = {
    {2, CodeTag::DATE, &E::avecTexte<&P::dateEvenement>, kEvtIndividu, kN},
    {2, CodeTag::PLAC, &E::lieu<&P::lieuEvenement>, kEvtIndividu, kN},
    {1, kTout, &E::sansTexte<&P::finEvenementIndividu>, kIndividu, kP},
    {0, kTout, &E::sansTexte<&P::finEvenementIndividu>, kIndividu, kP},
    {kQuel, kTout, nullptr, kEvtIndividu, kN},
};
constexpr Ligne kAdoptionL[] = {
    {2, CodeTag::FAMC, &E::lien<&P::famcAdoption, 2>, kAdoption, kN},
    {1, kTout, nullptr, kIndividu, kP},
    {0, kTout, nullptr, kIndividu, kP},
    {kQuel, kTout, nullptr, kAdoption, kN},
};
constexpr Ligne kFamilleL[] = {
    {1, CodeTag::HUSB, &E::lien<&P::mari, 1>, kFamille, kN},
    {1, CodeTag::WIFE, &E::lien<&P::femme, 1>, kFamille, kN},
    {1, CodeTag::CHIL, &E::lien<&P::enfant, 1>, kFamille, kN},
    {1, CodeTag::MARR, &E::sansTexte<&P::debutMariage>, kEvtFamille, kN},
    {1, CodeTag::DIV, &E::sansTexte<&P::debutMariage>, kEvtFamille, kN},
    {0, kTout, &E::sansTexte<&P::finFamille>, kEnregistrements, kP},
    {kQuel, kTout, nullptr, kFamille, kN},
};
constexpr Ligne kEvtFamilleL[] = {
    {2, CodeTag::DATE, &E::avecTexte<&P::dateEvenement>, kEvtFamille, kN},
    {2, CodeTag::PLAC, &E::lieu<&P::lieuEvenement>, kEvtFamille, kN},
    {1, kTout, &E::sansTexte<&P::finEvenementFamille>, kFamille, kP},
    {0, kTout, &E::sansTexte<&P::finEvenementFamille>, kFamille, kP},
    {kQuel, kTout, nullptr, kEvtFamille, kN},
};

const std::array<EtatLecture<E>, kNombreEtats> kEtats = {
    EtatLecture<E>(kDebutL),    EtatLecture<E>(kEnTeteL),      EtatLecture<E>(kEnregistrementsL),
    EtatLecture<E>(kSourceL),   EtatLecture<E>(kNoteL),        EtatLecture<E>(kMediaL),
    EtatLecture<E>(kIndividuL), EtatLecture<E>(kEvtIndividuL), EtatLecture<E>(kAdoptionL),
    EtatLecture<E>(kFamilleL),  EtatLecture<E>(kEvtFamilleL)};

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

PasseBalayage::PasseBalayage(FichierGedcomOuvert& fichier, std::size_t indiceFichier, RegistresBalayage& registres,
                             ListeErreursGedcom& erreurs, ModeCommentaire mode)
    : fichier_(fichier), indiceFichier_(indiceFichier), reg_(registres), erreurs_(erreurs), mode_(mode) {}

void PasseBalayage::balayer() {
    FileLots<LotAppels> file(kLotsEnAttente);
    std::thread lecture([this, &file] {
        try {
            Enregistreur enregistreur(fichier_, file);
            LecteurGedcom lecteur(enregistreur);
            lecteur.choisirConversion(LecteurGedcom::ConversionValeurs::Brutes);
            enregistreur.lecteur(&lecteur);
            lecteur.commencerFichier(fichier_, indiceFichier_);
            lecteur.Analyser<E>(TableTags::balayage(), kEtats, kDebut, 0, true, enregistreur);
            enregistreur.finir();
            file.terminer();
        } catch (const LectureArretee&) {
            file.terminer();
        } catch (...) {
            file.terminer(std::current_exception());
        }
    });
    try {
        while (std::optional<LotAppels> lot = file.prendre()) {
            std::vector<Appel>& appels = lot->appels;
            for (std::size_t k = 0; k < std::min(kAvance, appels.size()); ++k) preparer(*lot, appels[k]);
            for (std::size_t k = 0; k < appels.size(); ++k) {
                if (k + kAvance < appels.size()) preparer(*lot, appels[k + kAvance]);
                Appel& a = appels[k];
                appel_ = &a;
                niveau0_ = a.niveau0 ? &lot->niveaux0[a.niveau0 - 1] : nullptr;
                lien_ = a.lien ? &lot->liens[a.lien - 1] : nullptr;
                char* v = valeur(*lot, a);
                if (a.gestionnaire)
                    (this->*a.gestionnaire)(v);
                else
                    erreurs_.signaler(indiceFichier_, v);
            }
            appel_ = nullptr;
            niveau0_ = nullptr;
            lien_ = nullptr;
            file.rendre(std::move(*lot));
        }
    } catch (...) {
        appel_ = nullptr;
        niveau0_ = nullptr;
        lien_ = nullptr;
        file.arreter();
        lecture.join();
        throw;
    }
    lecture.join();
}

// Quelques appels avant le sien : la clé cherchée par un appel (celle de la ligne de niveau 0,
// ou celle que pointe la valeur d'un lien), sa valeur de hachage, et sa case de l'index demandée
// d'avance au processeur. Sans cela, la recherche des clés attendait la mémoire à chaque lien
// d'un gros fichier.
void PasseBalayage::preparer(LotAppels& lot, Appel& a) const {
    if (a.table == 0) return;
    const CleEnregistrement* cle = nullptr;
    if (a.niveau0) {
        cle = &lot.niveaux0[a.niveau0 - 1].cle;
    } else {
        lot.liens.push_back(CleEnregistrement::dePointeur(indiceFichier_, valeur(lot, a)));
        a.lien = static_cast<std::uint32_t>(lot.liens.size());
        cle = &lot.liens.back();
    }
    a.hachage = IndexCles::hacher(*cle);
    if (a.table == 1)
        reg_.indexPersonnes.prechercher(a.hachage);
    else
        reg_.indexFamilles.prechercher(a.hachage);
}

// Le texte d'un appel, converti à la première demande s'il est encore brut.
char* PasseBalayage::valeur(LotAppels& lot, Appel& a) {
    char* v = lot.textes.data() + a.texte;
    if (a.jeuValeur != JeuCaracteres::Aucun) {
        convertirEtTerminer(v, a.longueur, a.jeuValeur);
        a.jeuValeur = JeuCaracteres::Aucun;
    }
    return v;
}

// Comme le lecteur : le patron contient un %ld remplacé par le numéro de la ligne rejouée.
void PasseBalayage::signalerLigne(const char* patron1252) {
    erreurs_.SignalerErreur(indiceFichier_, patron1252, appel_->ligne);
}

bool PasseBalayage::referenceManquante() {
    if (!lien().estVide()) return false;
    signalerLigne("- Ligne %ld : référence Gedcom manquante"_1252);
    return true;
}

void PasseBalayage::debutSource(char*) {
    SourceBalayee& s = reg_.sources[niveau0().cle];
    s = SourceBalayee{niveau0().apresNiveau0, appel_->ligne, indiceFichier(), {}};
    source_ = &s;
    sourcePhoto_ = false;
}

void PasseBalayage::texteSource(char* v) {
    if ((drapeaux() & drapeaux::kSourcesPhotos) && appel_->code == CodeTag::TITL &&
        std::string_view(v) == "Photo de l'arbre")
        sourcePhoto_ = true;
}

// Un chemin trop long pour la base est signalé et laissé de côté : coupé, il nommerait un
// autre fichier.
bool PasseBalayage::cheminPhotoRangeable(const char* v) {
    if (std::strlen(v) <= kCheminPhotoMax) return true;
    signalerLigne("- Ligne %ld : chemin de photo trop long"_1252);
    return false;
}

void PasseBalayage::fichierSource(char* v) {
    if (source_ && sourcePhoto_ && (drapeaux() & drapeaux::kSourcesPhotos) && source_->photo.empty() &&
        estPhotoAcceptee(v) && cheminPhotoRangeable(v))
        source_->photo = v;
}

void PasseBalayage::debutNote(char* v) {
    NoteBalayee& n = reg_.notes[niveau0().cle];
    n = NoteBalayee{niveau0().debutLigne, appel_->ligne, 1, indiceFichier(), false, false};
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

void PasseBalayage::debutMedia(char*) { media_ = niveau0().cle; }

void PasseBalayage::fichierMedia(char* v) {
    if (!media_.estVide() && estPhotoAcceptee(v) && cheminPhotoRangeable(v)) reg_.medias.try_emplace(media_, v);
}

void PasseBalayage::debutIndividu(char*) {
    personne_ = reg_.personne(niveau0().cle, appel_->hachage);
    PersonneBalayee& p = reg_.personnes[personne_];
    if (p.definie)
        signalerLigne("- Ligne %ld : référence Gedcom déjà utilisée"_1252);
    else
        ++reg_.personnesDefinies;
    p.definie = true;
    p.decalage = niveau0().apresNiveau0;
    p.ligne = appel_->ligne;
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
            adoptesEnAttente_[familleAdoption_].push_back(personne_);
        }
    }
    personne_ = kAucun;
    familleAdoption_ = kAucun;
}

void PasseBalayage::debutEvenement(char*) {
    evenementDate_ = evenementLieu_ = false;
    evenementNaissance_ = appel_->code == CodeTag::BIRT;
    evenementMariage_ = appel_->code == CodeTag::MARR;
    cleTri_ = 0;
    dateAttend_ = false;
}

bool PasseBalayage::trierEvenement() const {
    return (evenementNaissance_ && (drapeaux() & drapeaux::kTrierEnfants)) ||
           (evenementMariage_ && (drapeaux() & drapeaux::kTrierMariages));
}

void PasseBalayage::examinerDate(std::string_view date) {
    DateGed d;
    if (LireDate(date, false, d) && !d.absente()) evenementDate_ = true;
    if (cleTri_ == 0 && trierEvenement()) cleTri_ = cleTriDate(date);
}

// Les dates d'un événement sont examinées dans leur ordre : une seule attend à la fois.
void PasseBalayage::dateEvenement(char* v) {
    examinerDateEnAttente();
    if (evenementDate_ && (cleTri_ != 0 || !trierEvenement())) return;  // plus rien à en apprendre
    dateEnAttente_.assign(v);
    dateAttend_ = true;
}

void PasseBalayage::examinerDateEnAttente() {
    if (!dateAttend_) return;
    dateAttend_ = false;
    if (evenementLieu_ && !trierEvenement()) return;  // l'événement compte déjà par son lieu
    examinerDate(dateEnAttente_);
}

void PasseBalayage::lieuEvenement(char* v) {
    if (appel_->lieuNonBlanc || !estBlanche(v)) evenementLieu_ = true;
}

void PasseBalayage::finEvenementIndividu(char*) {
    if (personne_ == kAucun) return;
    examinerDateEnAttente();
    PersonneBalayee& p = reg_.personnes[personne_];
    if (evenementDate_ || evenementLieu_) compter(p.evenements);
    if (evenementNaissance_ && p.cleTriNaissance == 0) p.cleTriNaissance = cleTri_;
    evenementNaissance_ = false;
}

void PasseBalayage::famc(char*) {
    if (personne_ == kAucun || referenceManquante()) return;
    std::uint32_t f = reg_.famille(lien(), appel_->hachage);
    PersonneBalayee& p = reg_.personnes[personne_];
    // Des parents venus d'une adoption ne se contredisent pas avec ceux de naissance.
    if (p.familleParents != kAucun && p.familleParents != f && !p.parAdoption) {
        const FamilleBalayee& ancienne = reg_.familles[p.familleParents];
        if (ancienne.definie)
            erreurs_.SignalerErreur(indiceFichier(),
                                    "- Ligne %ld : champ FAMC incompatible avec la famille ligne %ld"_1252,
                                    appel_->ligne, ancienne.ligne);
        else
            signalerLigne("- Ligne %ld : redéfinition du champ FAMC"_1252);
    }
    p.familleParents = f;
    p.parAdoption = false;
    p.famcExplicite = true;
}

void PasseBalayage::famcAdoption(char*) {
    if (personne_ == kAucun || referenceManquante()) return;
    std::uint32_t f = reg_.famille(lien(), appel_->hachage);
    PersonneBalayee& p = reg_.personnes[personne_];
    if (p.familleParents == kAucun) {
        p.familleParents = f;
        p.parAdoption = true;
    }
    familleAdoption_ = f;
}

void PasseBalayage::fams(char*) {
    if (personne_ == kAucun || referenceManquante()) return;
    std::uint32_t f = reg_.famille(lien(), appel_->hachage);
    auto& liste = reg_.personnes[personne_].famillesConjoint;
    // Une famille nommée deux fois ferait boucler la chaîne des mariages.
    if (std::find(liste.begin(), liste.end(), f) != liste.end()) {
        signalerLigne("- Ligne %ld : référence Gedcom déjà utilisée"_1252);
        return;
    }
    liste.push_back(f);
}

void PasseBalayage::debutFamille(char*) {
    famille_ = reg_.famille(niveau0().cle, appel_->hachage);
    FamilleBalayee& f = reg_.familles[famille_];
    if (f.definie)
        signalerLigne("- Ligne %ld : référence Gedcom déjà utilisée"_1252);
    else
        ++reg_.famillesDefinies;
    f.definie = true;
    f.decalage = niveau0().apresNiveau0;
    f.ligne = appel_->ligne;
    f.fichier = indiceFichier();
}

void PasseBalayage::finFamille(char*) {
    if (famille_ == kAucun) return;
    if (auto it = adoptesEnAttente_.find(famille_); it != adoptesEnAttente_.end()) {
        const std::vector<std::uint32_t> adoptes = std::move(it->second);
        adoptesEnAttente_.erase(it);
        for (std::uint32_t a : adoptes)
            if (reg_.personnes[a].familleParents == famille_) ajouterEnfant(famille_, a);
    }
    famille_ = kAucun;
}

void PasseBalayage::mari(char*) {
    if (famille_ == kAucun || referenceManquante()) return;
    std::uint32_t p = reg_.personne(lien(), appel_->hachage);
    FamilleBalayee& f = reg_.familles[famille_];
    if (p == f.femme) {
        conjointDouble(f);
        return;
    }
    f.mari = p;
}

void PasseBalayage::femme(char*) {
    if (famille_ == kAucun || referenceManquante()) return;
    std::uint32_t p = reg_.personne(lien(), appel_->hachage);
    FamilleBalayee& f = reg_.familles[famille_];
    if (p == f.mari) {
        conjointDouble(f);
        return;
    }
    f.femme = p;
}

// Un seul conjoint pour les deux places (la chaîne de ses mariages bouclerait) : il garde la
// première, et la famille reste avec lui pour seul conjoint, même sans enfant.
void PasseBalayage::conjointDouble(FamilleBalayee& f) {
    signalerLigne("- Ligne %ld : même personne comme mari et femme"_1252);
    f.conjointDouble = true;
}

void PasseBalayage::enfant(char*) {
    if (famille_ == kAucun || referenceManquante()) return;
    const CleEnregistrement& cle = lien();
    std::uint32_t c = reg_.personne(cle, appel_->hachage);
    PersonneBalayee& p = reg_.personnes[c];
    if (p.familleParents == kAucun) p.familleParents = famille_;
    if (p.familleParents == famille_) {
        ajouterEnfant(famille_, c);
        return;
    }
    std::string id(cle.octets().substr(1));  // « @%s » : la référence sans son premier '@'
    erreurs_.SignalerErreur(indiceFichier(),
                            "- Ligne %ld : enfant incompatible avec le champ FAMC de l'individu @%s"_1252,
                            appel_->ligne, id.c_str());
}

void PasseBalayage::ajouterEnfant(std::uint32_t famille, std::uint32_t personne) {
    constexpr std::size_t kGrandeFratrie = 64;
    auto& enfants = reg_.familles[famille].enfants;
    if (enfants.size() < kGrandeFratrie) {
        if (std::find(enfants.begin(), enfants.end(), personne) == enfants.end()) enfants.push_back(personne);
        return;
    }
    auto [place, nouvelle] = grandesFratries_.try_emplace(famille);
    if (nouvelle) place->second.insert(enfants.begin(), enfants.end());
    if (place->second.insert(personne).second) enfants.push_back(personne);
}

void PasseBalayage::debutMariage(char* v) { debutEvenement(v); }

void PasseBalayage::finEvenementFamille(char*) {
    if (famille_ == kAucun) return;
    examinerDateEnAttente();
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
