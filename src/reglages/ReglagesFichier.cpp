// Données du bloc d'un fichier dans « Perso.dwa » (l'index est décrit dans FichierPerso.cpp) :
//   TAILLE     CONTENU
//   u8         mode du commentaire : 0, 1 ou 2
//   26         en mode 2 seulement : tag du commentaire, texte terminé par 0, 24 octets au plus
//   ligne      personne « Moi » : clé du nom, octet 31, clé des prénoms, saut de ligne
//              (143 octets au plus) ; une ligne vide quand il n'y a pas de personne « Moi »
//   u8 u8 u16  jour, mois, année de naissance de cette personne (0 sans naissance)
//   u8         nombre de favoris, puis pour chacun :
//     ligne      nom (80 octets au plus) suivi d'un saut de ligne
//     u8         code du type de document (255 : séparateur)
//     u16        longueur n des paramètres, puis n octets
#include "reglages/ReglagesFichier.h"

#include <algorithm>
#include <cerrno>

#include "commun/CauseErreur.h"
#include "commun/FichierEntree.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reglages/EcritureReglages.h"
#include "reglages/FichierPerso.h"
#include "reglages/FichierReglages.h"
#include "reglages/LectureReglages.h"

namespace lignara {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kChampTag = 26;
constexpr std::size_t kLigneMoi = 143;
constexpr std::size_t kTailleMaximalePerso = 64 * 1024 * 1024;

[[noreturn]] void tropVolumineux() {
    throw OperationImpossible("Réglages des fichiers trop volumineux pour être enregistrés"_1252);
}

// Un tag GEDCOM : lettres, chiffres et soulignés seulement.
bool tagAcceptable(const std::string& tag) {
    return std::all_of(tag.begin(), tag.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

void lireFavoris(LectureReglages& l, std::vector<FavoriBrut>& favoris) {
    std::uint8_t nombre = l.u8();
    for (std::uint8_t i = 0; i < nombre && l.valide(); ++i) {
        FavoriBrut favori;
        favori.nom = l.ligne(ReglagesFichier::kLimiteNomFavori + 1);
        favori.type = l.u8();
        auto parametres = l.octets(l.u16());
        if (!l.valide() || !texteReglageAcceptable(favori.nom)) break;
        favori.parametres.assign(parametres.begin(), parametres.end());
        favoris.push_back(std::move(favori));
    }
}

void ecrireFavoris(EcritureReglages& e, const std::vector<FavoriBrut>& favoris) {
    if (favoris.size() > 255) tropVolumineux();
    e.u8(static_cast<std::uint8_t>(favoris.size()));
    for (const FavoriBrut& favori : favoris) {
        if (favori.parametres.size() > 65535) tropVolumineux();
        e.ligne(favori.nom, ReglagesFichier::kLimiteNomFavori + 1);
        e.u8(favori.type);
        e.u16(static_cast<std::uint16_t>(favori.parametres.size()));
        e.octets(favori.parametres);
    }
}

// Le fichier existant, pour y remplacer un bloc. S'il ne se relit pas en entier, une copie est
// mise de côté avant qu'on l'écrase : les blocs perdus restent récupérables.
// Un fichier présent mais illisible (droits, taille démesurée, tube) n'est pas remplacé par
// un fichier qui n'aurait que le bloc du fichier ouvert : les réglages des autres seraient perdus.
FichierPerso perso(const fs::path& dossier) {
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
    if (!fichier.intact()) mettreDeCoteFichierAbime(chemin, octets);
    return fichier;
}

}  // namespace

std::vector<std::uint8_t> ecrireReglagesFichier(const ReglagesFichier& reglages) {
    EcritureReglages e;
    std::uint8_t mode = reglages.modeCommentaire <= ReglagesFichier::kTagGedcom
                            ? reglages.modeCommentaire
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

std::optional<ReglagesFichier> lireReglagesFichier(std::span<const std::uint8_t> donnees) {
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
    if (!l.valide() || !tagAcceptable(r.tagCommentaire)) return std::nullopt;
    lireFavoris(l, r.favoris);
    return r;
}

ReglagesFichier chargerReglagesFichier(const fs::path& dossierConfiguration,
                                       std::string_view cheminFichier) {
    auto octets = lireFichierReglages(dossierConfiguration / "Perso.dwa", kTailleMaximalePerso);
    if (!octets) return ReglagesFichier{};
    FichierPerso fichier = FichierPerso::lire(*octets);
    const BlocPerso* bloc = fichier.trouver(cheminFichier);
    if (!bloc) return ReglagesFichier{};
    return lireReglagesFichier(bloc->donnees).value_or(ReglagesFichier{});
}

void enregistrerReglagesFichier(const fs::path& dossierConfiguration, std::string_view cheminFichier,
                                const ReglagesFichier& reglages) {
    FichierPerso fichier = perso(dossierConfiguration);
    fichier.remplacer(cheminFichier, ecrireReglagesFichier(reglages));
    remplacerFichierReglages(dossierConfiguration / "Perso.dwa", fichier.ecrire(),
                             "Création impossible d'un fichier dans "_1252 +
                                 depuisUtf8(dossierConfiguration.string()));
}

}  // namespace lignara
