#include "gedcom/PasseConstruction.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <iterator>

#include "commun/Texte.h"
#include "database/Casse1252.h"
#include "database/EcrivainBase.h"
#include "dates/DateLecture.h"
#include "gedcom/DrapeauxLogiciel.h"

namespace lignara {

namespace {

using P = PasseConstruction;
using Ligne = LigneEtat<P>;
constexpr auto kTout = CodeTag::Quelconque;
constexpr auto kC = CodeTag::Commentaire;
constexpr auto kN = ActionLecture::LigneSuivante;
constexpr auto kP = ActionLecture::MemeLigne;
constexpr auto kF = ActionLecture::Fin;
constexpr std::uint8_t kQuel = kNiveauQuelconque;

// Le lecteur de la construction ne signale rien : le balayage a déjà tout relevé.
class RapportMuet : public RecepteurRapport {
public:
    void signaler(std::size_t, const std::string&) override {}
};
RapportMuet gRapportMuet;

enum : std::uint8_t { kIndiv, kNom, kEvt, kEvtLieu, kOccu, kEven, kNote, kObje, kImg, kEtatsIndividu };

// Chaque sous-état rend la main à kIndiv sur une ligne de niveau 0 ou 1, celle du tag de
// commentaire comprise : elle ferme le bloc en cours comme toute autre ligne de niveau 1, sans quoi
// les lignes de niveau 2 qui la suivent seraient lues comme celles du bloc (le balayage, lui, le
// ferme). À un niveau plus bas, le tag de commentaire est lu sans quitter le bloc.
#define RETOUR(etat)                                                                                               \
    {1, kTout, nullptr, kIndiv, kP}, {0, kTout, nullptr, kIndiv, kP}, {kQuel, kC, &P::commentaireTag, etat, kN}, { \
        kQuel, kTout, nullptr, etat, kN                                                                            \
    }

constexpr Ligne kIndivL[] = {
    {kQuel, kC, &P::commentaireTag, kIndiv, kN},  {1, CodeTag::NAME, &P::nom, kNom, kN},
    {1, CodeTag::SEX, &P::sexe, kIndiv, kN},      {1, CodeTag::BIRT, &P::debutNaissance, kEvt, kN},
    {1, CodeTag::DEAT, &P::debutDeces, kEvt, kN}, {1, CodeTag::OCCU, &P::profession, kOccu, kN},
    {1, CodeTag::EVEN, &P::debutEven, kEven, kN}, {1, CodeTag::SOUR, &P::sourceIndividu, kIndiv, kN},
    {1, CodeTag::OBJE, &P::objet, kObje, kN},     {1, CodeTag::IMG, nullptr, kImg, kN},
    {1, CodeTag::NOTE, &P::note, kNote, kN},      {0, kTout, nullptr, kIndiv, kF},
    {kQuel, kTout, nullptr, kIndiv, kN},
};
constexpr Ligne kNomL[] = {
    {2, CodeTag::NICK, &P::surnom, kNom, kN},    {2, CodeTag::SOUR, &P::sourceNom, kNom, kN},
    {2, CodeTag::GIVN, &P::partieNom, kNom, kN}, {2, CodeTag::SURN, &P::partieNom, kNom, kN},
    {1, kTout, &P::finNom, kIndiv, kP},          {0, kTout, &P::finNom, kIndiv, kP},
    {kQuel, kC, &P::commentaireTag, kNom, kN},   {kQuel, kTout, nullptr, kNom, kN},
};
constexpr Ligne kEvtL[] = {
    {2, CodeTag::DATE, &P::dateEvenement, kEvt, kN},
    {2, CodeTag::SOUR, &P::sourceEvenement, kEvt, kN},
    {2, CodeTag::PLAC, &P::lieuEvenement, kEvtLieu, kN},
    {1, kTout, &P::finEvenement, kIndiv, kP},
    {0, kTout, &P::finEvenement, kIndiv, kP},
    {kQuel, kC, &P::commentaireTag, kEvt, kN},
    {kQuel, kTout, nullptr, kEvt, kN},
};
constexpr Ligne kEvtLieuL[] = {
    {3, CodeTag::SOUR, &P::sourceLieu, kEvtLieu, kN},
    {2, CodeTag::LIEU, &P::suiteLieu, kEvtLieu, kN},
    {2, kTout, nullptr, kEvt, kP},
    {1, kTout, nullptr, kEvt, kP},
    {0, kTout, nullptr, kEvt, kP},
    {kQuel, kC, &P::commentaireTag, kEvtLieu, kN},
    {kQuel, kTout, nullptr, kEvtLieu, kN},
};
constexpr Ligne kOccuL[] = {
    {2, CodeTag::CAUS, &P::causeProfession, kOccu, kN},
    {2, CodeTag::SOUR, &P::sourceProfession, kOccu, kN},
    RETOUR(kOccu),
};
constexpr Ligne kEvenL[] = {
    {2, CodeTag::TYPE, &P::typeEven, kEven, kN},
    {2, CodeTag::NOTE, &P::noteEven, kEven, kN},
    RETOUR(kEven),
};
constexpr Ligne kNoteL[] = {
    {2, CodeTag::SOUR, &P::sourceCommentaire, kNote, kN},
    {2, CodeTag::CONT, &P::ligneNote, kNote, kN},
    {2, CodeTag::CONC, &P::ligneNote, kNote, kN},
    RETOUR(kNote),
};
constexpr Ligne kObjeL[] = {
    {kQuel, CodeTag::FILE, &P::fichierPhoto, kObje, kN},
    RETOUR(kObje),
};
constexpr Ligne kImgL[] = {
    {2, CodeTag::OBJE, &P::objet, kImg, kN},
    {kQuel, CodeTag::FILE, &P::fichierPhoto, kImg, kN},
    RETOUR(kImg),
};
#undef RETOUR

const std::array<EtatLecture<P>, kEtatsIndividu> kEtatsInd = {
    EtatLecture<P>(kIndivL),   EtatLecture<P>(kNomL),  EtatLecture<P>(kEvtL),
    EtatLecture<P>(kEvtLieuL), EtatLecture<P>(kOccuL), EtatLecture<P>(kEvenL),
    EtatLecture<P>(kNoteL),    EtatLecture<P>(kObjeL), EtatLecture<P>(kImgL)};

enum : std::uint8_t { kFam, kFEvt, kFEvtLieu, kEtatsFamille };
constexpr Ligne kFamL[] = {
    {1, CodeTag::MARR, &P::debutMariage, kFEvt, kN},
    {1, CodeTag::DIV, &P::debutDivorce, kFEvt, kN},
    {0, kTout, nullptr, kFam, kF},
    {kQuel, kTout, nullptr, kFam, kN},
};
constexpr Ligne kFEvtL[] = {
    {2, CodeTag::DATE, &P::dateEvenement, kFEvt, kN},
    {2, CodeTag::SOUR, &P::sourceEvenement, kFEvt, kN},
    {2, CodeTag::PLAC, &P::lieuEvenement, kFEvtLieu, kN},
    {1, kTout, nullptr, kFam, kP},
    {0, kTout, nullptr, kFam, kP},
    {kQuel, kTout, nullptr, kFEvt, kN},
};
constexpr Ligne kFEvtLieuL[] = {
    {3, CodeTag::SOUR, &P::sourceLieu, kFEvtLieu, kN},
    {2, CodeTag::LIEU, &P::suiteLieu, kFEvtLieu, kN},
    {2, kTout, nullptr, kFEvt, kP},
    {1, kTout, nullptr, kFEvt, kP},
    {0, kTout, nullptr, kFEvt, kP},
    {kQuel, kTout, nullptr, kFEvtLieu, kN},
};
const std::array<EtatLecture<P>, kEtatsFamille> kEtatsFam = {EtatLecture<P>(kFamL), EtatLecture<P>(kFEvtL),
                                                             EtatLecture<P>(kFEvtLieuL)};

// Relecture d'une source (depuis la ligne qui suit son niveau 0) et d'une note (depuis sa
// ligne de niveau 0, qui porte la première ligne).
enum : std::uint8_t { kSource, kNote0, kNoteSuite, kEtatsRelecture };
constexpr Ligne kSourceL[] = {
    {1, CodeTag::TITL, &P::texteSourceRelu, kSource, kN},
    {1, CodeTag::ABBR, &P::texteSourceRelu, kSource, kN},
    {1, CodeTag::AUTH, &P::texteSourceRelu, kSource, kN},
    {1, CodeTag::PUBL, &P::texteSourceRelu, kSource, kN},
    {1, CodeTag::REPO, &P::texteSourceRelu, kSource, kN},
    {0, kTout, nullptr, kSource, kF},
    {kQuel, kTout, nullptr, kSource, kN},
};
constexpr Ligne kNote0L[] = {
    {0, CodeTag::NOTE, &P::premiereLigneNote, kNoteSuite, kN},
    {kQuel, kTout, nullptr, kNote0, kF},
};
constexpr Ligne kNoteSuiteL[] = {
    {1, CodeTag::CONT, &P::suiteNote, kNoteSuite, kN},
    {1, CodeTag::CONC, &P::suiteNote, kNoteSuite, kN},
    {0, kTout, nullptr, kNoteSuite, kF},
    {kQuel, kTout, nullptr, kNoteSuite, kN},
};
const std::array<EtatLecture<P>, kEtatsRelecture> kEtatsRel = {EtatLecture<P>(kSourceL), EtatLecture<P>(kNote0L),
                                                               EtatLecture<P>(kNoteSuiteL)};

std::string_view sansEspaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::string coupe(std::string_view s, std::size_t n) { return std::string(s.substr(0, n)); }

bool estInconnu(const std::string& s) { return s == "X" || s == "?"; }

bool egauxSansCasse(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return casse1252::majuscule(x) == casse1252::majuscule(y); });
}

// « John Smith » ou « Smith John » avec le nom Smith : « John » ; sinon le NAME entier.
std::string_view prenomsSansNom(std::string_view valeur, std::string_view nom) {
    valeur = sansEspaces(valeur);
    if (egauxSansCasse(valeur, nom)) return {};
    if (valeur.size() > nom.size()) {
        std::string_view debut = valeur.substr(0, nom.size()), fin = valeur.substr(valeur.size() - nom.size());
        if (egauxSansCasse(fin, nom) && valeur[valeur.size() - nom.size() - 1] == ' ')
            return sansEspaces(valeur.substr(0, valeur.size() - nom.size()));
        if (egauxSansCasse(debut, nom) && valeur[nom.size()] == ' ') return sansEspaces(valeur.substr(nom.size()));
    }
    return valeur;
}

}  // namespace

PasseConstruction::PasseConstruction(std::vector<FichierGedcomOuvert>& fichiers, RegistresBalayage& registres,
                                     RecepteurRapport& erreurs, ModeCommentaire mode, std::string tagCommentaire)
    : fichiers_(fichiers),
      reg_(registres),
      erreurs_(erreurs),
      mode_(mode),
      tagCommentaire_(std::move(tagCommentaire)),
      lecteur_(std::make_unique<LecteurGedcom>(gRapportMuet)) {
    if (mode == ModeCommentaire::TagGedcom) lecteur_->definirTagCommentaire(tagCommentaire_);
    // Bien des lignes relues n'ont pas de gestionnaire ici (liens, pages…) : pas de conversion.
    lecteur_->choisirConversion(LecteurGedcom::ConversionValeurs::ALaDemande);
}

PasseConstruction::PasseConstruction(const PasseConstruction& modele, std::vector<FichierGedcomOuvert>& fichiers,
                                     RecepteurRapport& messages)
    : PasseConstruction(fichiers, modele.reg_, messages, modele.mode_, modele.tagCommentaire_) {
    pays_ = modele.pays_;
}

std::uint16_t PasseConstruction::drapeaux() const { return fichiers_[fichier_].drapeauxLogiciel; }

void PasseConstruction::commencer(std::uint8_t fichier, long ligne) {
    fichier_ = fichier < fichiers_.size() ? fichier : 0;
    lecteur_->commencerFichier(fichiers_[fichier_], fichier_, ligne);
    ReglagesLieux reglages;
    reglages.paysParDefaut = pays_;
    reglages.sigleTroisLettres = (drapeaux() & drapeaux::kSigleLieu) != 0;
    lieux_ = LieuNormaliseur(reglages);
}

void TamponIndividu::vider() {
    nom.clear();
    prenoms.clear();
    sexe = ' ';
    naissance.vider();
    deces.vider();
    profession.clear();
    commentaire.clear();
    aCommentaire = false;
    sourceNom.vider();
    sourceProfession.vider();
    sourceCommentaire.vider();
    photos.clear();
    notes.clear();
    noteRenvoyee = {};
}

void PasseConstruction::lireIndividu(const PersonneBalayee& p, TamponIndividu& tampon) {
    tampon.vider();
    individu_ = &tampon;
    famille_ = nullptr;
    evenement_ = nullptr;
    nomVu_ = nomActif_ = nomSansBarre_ = occuVue_ = evenOccupation_ = professionEven_ = false;
    lignesNoteRenvoyee_ = 0;
    commencer(p.fichier, p.ligne);
    lecteur_->Analyser<P>(TableTags::individu(), kEtatsInd, kIndiv, p.decalage, false, *this);
    individu_ = nullptr;
}

void PasseConstruction::lireIndividuEtNote(const PersonneBalayee& p, TamponIndividu& t) {
    lireIndividu(p, t);
    if (t.noteRenvoyee.estVide()) return;
    NoteRelue n = lireNote(t.noteRenvoyee);
    if (t.commentaire.empty()) t.commentaire = std::move(n.commentaire);
    n.lignes.insert(n.lignes.end(), std::make_move_iterator(t.notes.begin()), std::make_move_iterator(t.notes.end()));
    t.notes = std::move(n.lignes);
}

void PasseConstruction::lireNoms(const PersonneBalayee& p, TamponIndividu& tampon) {
    muet_ = true;
    lireIndividu(p, tampon);
    muet_ = false;
}

void PasseConstruction::lireFamille(const FamilleBalayee& f, TamponFamille& tampon) {
    tampon.vider();
    famille_ = &tampon;
    individu_ = nullptr;
    evenement_ = nullptr;
    commencer(f.fichier, f.ligne);
    lecteur_->Analyser<P>(TableTags::famille(), kEtatsFam, kFam, f.decalage, false, *this);
    famille_ = nullptr;
}

std::string PasseConstruction::lireTexteSource(const CleEnregistrement& cle) {
    auto it = reg_.sources.find(cle);
    if (it == reg_.sources.end()) return {};
    commencer(it->second.fichier, it->second.ligne);
    if (drapeaux() & drapeaux::kSourcesPhotos) return {};  // textes des sources non gardés
    texteRelu_.clear();
    lecteur_->Analyser<P>(TableTags::balayage(), kEtatsRel, kSource, it->second.decalage, false, *this);
    return texteRelu_;
}

NoteRelue PasseConstruction::lireNote(const CleEnregistrement& cle) {
    NoteRelue note;
    auto it = reg_.notes.find(cle);
    if (it == reg_.notes.end()) return note;
    commencer(it->second.fichier, it->second.ligne - 1);
    noteRelue_ = &note;
    lecteur_->Analyser<P>(TableTags::balayage(), kEtatsRel, kNote0, it->second.decalageLigne0, false, *this);
    noteRelue_ = nullptr;
    return note;
}

void PasseConstruction::texteSourceRelu(char* v) {
    std::string_view t = sansEspaces(v);
    if (texteRelu_.empty() && !t.empty()) texteRelu_ = coupe(t, kTexteMax);
}

void PasseConstruction::premiereLigneNote(char* v) {
    if (!noteRelue_) return;
    if (mode_ == ModeCommentaire::TagGedcom) {
        noteRelue_->lignes.push_back(coupe(v, kLigneNoteMax));
        return;
    }
    CommentaireDeNote c = lireCommentaireDeNote(mode_, v);
    noteRelue_->commentaire = c.commentaire;
    if (c.resteLigne) noteRelue_->lignes.push_back(coupe(v, kLigneNoteMax));
}

void PasseConstruction::suiteNote(char* v) {
    if (noteRelue_) noteRelue_->lignes.push_back(coupe(v, kLigneNoteMax));
}

// Une valeur « @S1@ » désigne une source enregistrée ; toute autre valeur est le texte même.
SourceLue PasseConstruction::lireSource(const char* v) {
    SourceLue s;
    if (v[0] != '@') {
        s.texte = coupe(sansEspaces(v), kTexteMax);
        return s;
    }
    CleEnregistrement cle = CleEnregistrement::dePointeur(fichier_, v);
    if (!cle.estVide() && reg_.sources.count(cle)) {
        s.renvoi = cle;
        return s;
    }
    if (muet_) return s;
    std::string_view id(v + 1);  // « @%s » : la référence sans son premier '@'
    if (std::size_t fin = id.find('@'); fin != std::string_view::npos) id = id.substr(0, fin + 1);
    erreurs_.SignalerErreur(fichier_, "- Ligne %ld : la source @%s n'est pas définie"_1252, lecteur_->numeroLigne(),
                            std::string(id).c_str());
    return s;
}

void PasseConstruction::nom(char* v) {
    nomActif_ = !nomVu_;
    if (nomVu_) return;
    nomVu_ = true;
    std::string_view s(v), prenoms, nom;
    if (!s.empty() && s.front() == '/') {
        std::size_t fin = s.find('/', 1);
        nom = s.substr(1, fin == std::string_view::npos ? std::string_view::npos : fin - 1);
        if (fin != std::string_view::npos) prenoms = s.substr(fin + 1);
        while (!prenoms.empty() && prenoms.front() == ' ') prenoms.remove_prefix(1);
    } else {
        std::size_t barre = s.find('/');
        prenoms = s.substr(0, barre);
        while (!prenoms.empty() && prenoms.back() == ' ') prenoms.remove_suffix(1);
        if (barre != std::string_view::npos) nom = s.substr(barre + 1, s.find('/', barre + 1) - barre - 1);
    }
    individu_->nom = coupe(sansEspaces(nom), kNomMax);
    individu_->prenoms = coupe(prenoms, kNomMax);
    nomsInconnusVides();
    nomSansBarre_ = s.find('/') == std::string_view::npos;
    if (nomSansBarre_) {
        valeurNom_ = s;
        givn_.clear();
        surn_.clear();
        longueurPrenomsNom_ = individu_->prenoms.size();
    }
}

void PasseConstruction::nomsInconnusVides() {
    if (!(drapeaux() & drapeaux::kNomInconnuVide)) return;
    if (estInconnu(individu_->nom)) individu_->nom.clear();
    if ((drapeaux() & drapeaux::kPrenomInconnuVide) && estInconnu(individu_->prenoms)) individu_->prenoms.clear();
}

void PasseConstruction::partieNom(char* v) {
    if (!nomActif_ || !nomSansBarre_) return;
    std::string& partie = lecteur_->code() == CodeTag::SURN ? surn_ : givn_;
    if (partie.empty()) partie = sansEspaces(v);
}

// Un NAME sans barres ne sépare pas le nom de famille : bien des logiciels le laissent aux
// lignes SURN et GIVN. Sans GIVN, les prénoms sont le NAME privé du nom de famille qu'il
// commence ou finit. Les surnoms déjà ajoutés suivent les nouveaux prénoms.
void PasseConstruction::finNom(char*) {
    if (!nomActif_ || !nomSansBarre_) return;
    nomSansBarre_ = false;
    const bool valeurVide = sansEspaces(valeurNom_).empty();
    if (surn_.empty() && !(valeurVide && !givn_.empty())) return;
    std::string surnoms = individu_->prenoms.substr(std::min(longueurPrenomsNom_, individu_->prenoms.size()));
    individu_->nom = coupe(surn_, kNomMax);
    individu_->prenoms = coupe(givn_.empty() ? prenomsSansNom(valeurNom_, surn_) : std::string_view(givn_), kNomMax);
    nomsInconnusVides();
    if (individu_->prenoms.size() + surnoms.size() < kNomMax) individu_->prenoms += surnoms;
}

void PasseConstruction::surnom(char* v) {
    if (!nomActif_) return;
    std::string ajout = (individu_->sexe == 'F' ? " dite " : " dit ") + std::string(v);
    if (individu_->prenoms.size() + ajout.size() < kNomMax) individu_->prenoms += ajout;
}

void PasseConstruction::sexe(char* v) {
    if (v[0] != 'M' && v[0] != 'F') return;
    individu_->sexe = static_cast<std::uint8_t>(v[0]);
    std::string& prenoms = individu_->prenoms;
    std::size_t dit = prenoms.find(" dit ");
    if (v[0] == 'F' && dit != std::string::npos && prenoms.size() < kNomMax) prenoms.replace(dit, 5, " dite ");
}

void PasseConstruction::sourceNom(char* v) {
    SourceLue s = lireSource(v);
    if (nomActif_) individu_->sourceNom = std::move(s);
}

void PasseConstruction::debutNaissance(char*) { evenement_ = &individu_->naissance; }
void PasseConstruction::debutDeces(char*) { evenement_ = &individu_->deces; }
void PasseConstruction::debutMariage(char*) { evenement_ = &famille_->mariage; }

void PasseConstruction::debutDivorce(char* v) {
    evenement_ = &famille_->divorce;
    std::string m(sansEspaces(v));
    for (char& c : m) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (m != "N" && m != "NO" && m != "NON") famille_->divorces = true;
}

void PasseConstruction::dateEvenement(char* v) {
    DateGed d;
    if (!LireDate(v, false, d)) {
        if (!muet_)
            erreurs_.SignalerErreur(fichier_, "- Ligne %ld : format de date incorrect"_1252, lecteur_->numeroLigne());
        return;
    }
    if (evenement_ && evenement_->date.absente()) evenement_->date = d;
}

void PasseConstruction::sourceEvenement(char* v) {
    SourceLue s = lireSource(v);
    if (evenement_ && evenement_->source.vide()) evenement_->source = std::move(s);
}

// Les mêmes lieux reviennent sans cesse : la normalisation, sans état, est gardée pour les
// derniers lieux vus (quelques milliers au plus : jamais tous les lieux du fichier).
void PasseConstruction::lieuEvenement(char* v) {
    if (!evenement_ || !evenement_->lieu.empty()) return;
    auto& cache = lieuxNormalises_[(drapeaux() & drapeaux::kSigleLieu) != 0];
    auto it = cache.find(std::string_view(v));
    if (it != cache.end()) {
        evenement_->lieu = it->second;
        return;
    }
    if (cache.size() >= kLieuxGardes) cache.clear();
    evenement_->lieu = std::string(lieux_.normaliser(v).texte());
    cache.emplace(v, evenement_->lieu);
}

void PasseConstruction::suiteLieu(char* v) {
    if (!evenement_ || evenement_->lieu.empty()) return;  // sans lieu, pas de code de lieu
    std::size_t n = std::strlen(v);
    if (n > 0 && evenement_->lieu.size() + 2 + n <= kTexteMax) evenement_->lieu += ", " + std::string(v);
}

void PasseConstruction::sourceLieu(char* v) {
    SourceLue s = lireSource(v);
    if (evenement_ && evenement_->sourceLieu.vide()) evenement_->sourceLieu = std::move(s);
}

// Une naissance sans date ni source de lieu : sa source est celle de la personne.
void PasseConstruction::finEvenement(char*) {
    if (!individu_ || evenement_ != &individu_->naissance) return;
    EvenementLu& n = individu_->naissance;
    if (n.date.absente() && n.sourceLieu.vide() && !n.source.vide()) {
        individu_->sourceNom = std::move(n.source);
        n.source = {};
    }
}

// La valeur d'OCCU l'emporte, même sur un EVEN « Occupation » écrit avant elle.
void PasseConstruction::prendreProfession(std::string_view texte) {
    if (!individu_->profession.empty() && !professionEven_) return;
    individu_->profession = coupe(texte, kTexteMax);
    professionEven_ = false;
}

void PasseConstruction::profession(char* v) {
    occuVue_ = true;
    const std::string_view valeur = sansEspaces(v);
    if (!valeur.empty()) prendreProfession(valeur);
}

void PasseConstruction::causeProfession(char* v) {
    if (drapeaux() & drapeaux::kCauseProfession) prendreProfession(sansEspaces(v));
}

void PasseConstruction::sourceProfession(char* v) {
    SourceLue s = lireSource(v);
    if (individu_->sourceProfession.vide()) individu_->sourceProfession = std::move(s);
}

void PasseConstruction::debutEven(char*) { evenOccupation_ = false; }

void PasseConstruction::typeEven(char* v) { evenOccupation_ = std::string_view(v) == "Occupation"; }

void PasseConstruction::noteEven(char* v) {
    if (evenOccupation_ && !occuVue_ && individu_->profession.empty()) {
        individu_->profession = coupe(sansEspaces(v), kTexteMax);
        professionEven_ = true;
    }
}

void PasseConstruction::sourceIndividu(char* v) {
    SourceLue s = lireSource(v);
    if (s.renvoi.estVide() || !(drapeaux() & drapeaux::kSourcesPhotos)) return;
    const std::string& photo = reg_.sources[s.renvoi].photo;
    if (!photo.empty()) individu_->photos.push_back(photo);
}

void PasseConstruction::objet(char* v) {
    if (v[0] != '@') return;
    auto it = reg_.medias.find(CleEnregistrement::dePointeur(fichier_, v));
    if (it != reg_.medias.end()) individu_->photos.push_back(it->second);
}

void PasseConstruction::fichierPhoto(char* v) {
    std::string_view f = sansEspaces(v);
    if (!estPhotoAcceptee(f)) return;
    // Coupé à la taille de la base, le chemin nommerait un autre fichier : signalé et laissé.
    if (f.size() > kCheminPhotoMax) {
        // Une relecture pour les noms d'un message ne le redit pas.
        if (!muet_)
            erreurs_.SignalerErreur(fichier_, "- Ligne %ld : chemin de photo trop long"_1252, lecteur_->numeroLigne());
        return;
    }
    individu_->photos.emplace_back(f);
}

bool PasseConstruction::aDesLignesDeNotes() const { return !individu_->notes.empty() || lignesNoteRenvoyee_ > 0; }

void PasseConstruction::note(char* v) {
    TamponIndividu& t = *individu_;
    if (aDesLignesDeNotes()) {
        t.notes.push_back(coupe(v, kLigneNoteMax));
        return;
    }
    if (v[0] == '@') {
        if (muet_) return;
        // La note est remise, pas copiée : une seconde personne qui la pointe n'a rien.
        auto it = reg_.notes.find(CleEnregistrement::dePointeur(fichier_, v));
        if (it == reg_.notes.end() || !t.noteRenvoyee.estVide()) return;
        if (!remiseProvisoire_) {
            if (it->second.remise) return;
            it->second.remise = true;
        }
        t.noteRenvoyee = it->first;
        lignesNoteRenvoyee_ = it->second.lignes;
        if (it->second.donneCommentaire) t.aCommentaire = true;
        return;
    }
    if (mode_ != ModeCommentaire::TagGedcom && !t.aCommentaire) {
        CommentaireDeNote c = lireCommentaireDeNote(mode_, v);
        if (c.donneCommentaire) {
            t.commentaire = c.commentaire;
            t.aCommentaire = true;
            if (!c.resteLigne) return;
        }
    }
    t.notes.push_back(coupe(v, kLigneNoteMax));
}

void PasseConstruction::ligneNote(char* v) { individu_->notes.push_back(coupe(v, kLigneNoteMax)); }

void PasseConstruction::sourceCommentaire(char* v) {
    SourceLue s = lireSource(v);
    if (individu_->aCommentaire && individu_->sourceCommentaire.vide()) individu_->sourceCommentaire = std::move(s);
}

void PasseConstruction::commentaireTag(char* v) {
    if (!individu_ || mode_ != ModeCommentaire::TagGedcom || individu_->aCommentaire) return;
    individu_->commentaire = coupe(sansEspaces(v), kTexteMax);
    individu_->aCommentaire = true;
}

}  // namespace lignara
