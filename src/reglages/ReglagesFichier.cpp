// Données du bloc d'un fichier dans « Perso.dwa » (l'index est décrit dans FichierPerso.cpp) :
//   TAILLE     CONTENU
//   u8         mode du commentaire : 0, 1 ou 2
//   26         en mode 2 seulement : tag du commentaire, texte terminé par 0, 24 octets au plus
//   ligne      personne « Moi » : clé du nom, octet 31, clé des prénoms, saut de ligne
//              (143 octets au plus) ; une ligne vide quand il n'y a pas de personne « Moi »
//   u8 u8 u16  jour, mois, année de naissance de cette personne (0 sans naissance)
//   favoris    voir Favori.h
#include "reglages/ReglagesFichier.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

#include "commun/CauseErreur.h"
#include "commun/FichierEntree.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reglages/EcritureReglages.h"
#include "reglages/FichierPerso.h"
#include "reglages/FichierReglages.h"
#include "reglages/LectureReglages.h"
#include "reglages/TagCommentaire.h"

namespace lignara {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kChampTag = 26;
constexpr std::size_t kLigneMoi = 143;
constexpr std::size_t kTailleMaximalePerso = std::size_t{64} * 1024 * 1024;

// Le fichier existant, pour y remplacer un bloc. S'il ne se relit pas en entier, ou si la liste
// des favoris du bloc que l'on va remplacer est illisible, une copie est mise de côté avant
// qu'on l'écrase : ce qui est perdu reste récupérable.
// Un fichier présent mais illisible (droits, taille démesurée, tube) n'est pas remplacé par
// un fichier qui n'aurait que le bloc du fichier ouvert : les réglages des autres seraient perdus.
FichierPerso perso(const fs::path& dossier, std::string_view cheminFichier) {
    fs::path chemin = dossier / "Perso.dwa";
    int erreur = 0;
    auto lus = lireFichierEntier(chemin, kTailleMaximalePerso, &erreur);
    if (!lus && erreur == ENOENT) return FichierPerso{};
    if (!lus)
        throw OperationImpossible("Lecture impossible du fichier\n"_1252 + depuisUtf8(chemin.string()) + "\n" +
                                  causeErreurMajuscule(erreur));
    std::vector<std::uint8_t> octets(lus->begin(), lus->end());
    if (octets.empty()) return FichierPerso{};
    FichierPerso fichier = FichierPerso::lire(octets);
    bool blocAbime = false;
    if (const BlocPerso* bloc = fichier.trouver(cheminFichier))
        lireReglagesFichier(bloc->donnees, fichier.version(), &blocAbime);
    if (!fichier.intact() || blocAbime) mettreDeCoteFichierAbime(chemin, octets);
    // Le fichier sera réécrit en version 600 : chaque bloc d'une version plus ancienne passe
    // dans la disposition actuelle. Un bloc illisible reste tel quel.
    if (fichier.version() < 600) {
        for (BlocPerso& bloc : fichier.blocs())
            if (auto r = lireReglagesFichier(bloc.donnees, fichier.version())) bloc.donnees = ecrireReglagesFichier(*r);
    }
    return fichier;
}

// Verrou de « Perso.dwa » entre programmes (la fenêtre et la ligne de commande), pris sur le
// dossier de configuration le temps d'une relecture et d'une réécriture : pas de fichier de
// plus. S'il ne peut être pris en quelques secondes, l'écriture se fait quand même (la
// relecture protège l'essentiel).
class VerrouPerso {
public:
    explicit VerrouPerso(const fs::path& dossier) {
        descripteur_ = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descripteur_ < 0) return;
        for (int essai = 0; essai < 100; ++essai) {
            if (::flock(descripteur_, LOCK_EX | LOCK_NB) == 0) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    ~VerrouPerso() {
        if (descripteur_ >= 0) ::close(descripteur_);
    }
    VerrouPerso(const VerrouPerso&) = delete;
    VerrouPerso& operator=(const VerrouPerso&) = delete;

private:
    int descripteur_ = -1;
};

void ecrirePerso(const fs::path& dossier, const FichierPerso& fichier) {
    remplacerFichierReglages(dossier / "Perso.dwa", fichier.ecrire(),
                             "Création impossible d'un fichier dans "_1252 + depuisUtf8(dossier.string()));
}

}  // namespace

std::vector<std::uint8_t> ecrireReglagesFichier(const ReglagesFichier& reglages) {
    EcritureReglages e;
    std::uint8_t mode = reglages.modeCommentaire <= ReglagesFichier::kTagGedcom ? reglages.modeCommentaire
                                                                                : ReglagesFichier::kPremiereLigneNotes;
    e.u8(mode);
    if (mode == ReglagesFichier::kTagGedcom)
        e.texteTermine(reglages.tagCommentaire, kChampTag, ReglagesFichier::kLimiteTag);
    e.ligne(reglages.moi.cle, kLigneMoi);
    e.u8(reglages.moi.jour);
    e.u8(reglages.moi.mois);
    e.u16(reglages.moi.annee);
    ecrireFavoris(e, reglages.favoris);
    return e.prendre();
}

std::optional<ReglagesFichier> lireReglagesFichier(std::span<const std::uint8_t> donnees, std::uint16_t version,
                                                   bool* favorisAbimes) {
    if (favorisAbimes) *favorisAbimes = false;
    LectureReglages l(donnees);
    ReglagesFichier r;
    r.modeCommentaire = l.u8();
    if (r.modeCommentaire > ReglagesFichier::kTagGedcom) return std::nullopt;
    if (r.modeCommentaire == ReglagesFichier::kTagGedcom)
        r.tagCommentaire = l.texteTermine(kChampTag, ReglagesFichier::kLimiteTag);
    r.moi.cle = l.ligne(kLigneMoi);
    r.moi.jour = l.u8();
    r.moi.mois = l.u8();
    r.moi.annee = l.u16();
    if (!l.valide()) return std::nullopt;
    // Un tag qu'aucune ligne GEDCOM ne peut porter (écrit par une version qui ne le refusait
    // pas) remet le mode ordinaire, sans perdre « Moi » ni les favoris du bloc.
    if (!caracteresDeTagGedcom(r.tagCommentaire)) {
        r.modeCommentaire = ReglagesFichier::kPremiereLigneNotes;
        r.tagCommentaire.clear();
    }
    if (!lireFavoris(l, version, r.favoris) && favorisAbimes) *favorisAbimes = true;
    return r;
}

ReglagesFichier chargerReglagesFichier(const fs::path& dossierConfiguration, std::string_view cheminFichier) {
    auto octets = lireFichierReglages(dossierConfiguration / "Perso.dwa", kTailleMaximalePerso);
    if (!octets) return ReglagesFichier{};
    FichierPerso fichier = FichierPerso::lire(*octets);
    const BlocPerso* bloc = fichier.trouver(cheminFichier);
    if (!bloc) return ReglagesFichier{};
    return lireReglagesFichier(bloc->donnees, fichier.version()).value_or(ReglagesFichier{});
}

void enregistrerReglagesFichier(const fs::path& dossierConfiguration, std::string_view cheminFichier,
                                const ReglagesFichier& reglages) {
    VerrouPerso verrou(dossierConfiguration);
    FichierPerso fichier = perso(dossierConfiguration, cheminFichier);
    fichier.remplacer(cheminFichier, ecrireReglagesFichier(reglages));
    ecrirePerso(dossierConfiguration, fichier);
}

ReglagesFichier modifierReglagesFichier(const fs::path& dossierConfiguration, std::string_view cheminFichier,
                                        const std::function<void(ReglagesFichier&)>& modification) {
    VerrouPerso verrou(dossierConfiguration);
    FichierPerso fichier = perso(dossierConfiguration, cheminFichier);
    ReglagesFichier reglages;
    if (const BlocPerso* bloc = fichier.trouver(cheminFichier))
        reglages = lireReglagesFichier(bloc->donnees).value_or(ReglagesFichier{});
    modification(reglages);
    fichier.remplacer(cheminFichier, ecrireReglagesFichier(reglages));
    ecrirePerso(dossierConfiguration, fichier);
    // Ce qui est écrit : les favoris au-delà de 30 n'y sont pas.
    if (reglages.favoris.size() > Favori::kMaximum) reglages.favoris.resize(Favori::kMaximum);
    return reglages;
}

}  // namespace lignara
