// « Usage.dwa » : entiers little-endian, sans bourrage.
//   DÉC.  TAILLE   CONTENU
//     0     2      version, 504 à l'écriture
//     2     1      drapeau de l'avis des nouvelles versions
//     3     2      nombre de personnes du dernier fichier ouvert
//     5     2 × n  compteurs, un par point d'entrée de document
// n vaut 44 en version 504, 33 en 503, 31 en 502, 27 en 501 et 26 de 400 à 500.
// Les octets au-delà des compteurs de la version sont ignorés. Un fichier tronqué garde les
// champs d'avant la coupure ; un fichier qui ne se relit pas en entier est copié en
// « Usage.dwa.abime » avant d'être réécrit.
#include "reglages/CompteursUsage.h"

#include <system_error>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reglages/EcritureReglages.h"
#include "reglages/FichierReglages.h"
#include "reglages/LectureReglages.h"

namespace lignara {

namespace {

constexpr std::uint16_t kVersionEcrite = 504;
constexpr std::size_t kTailleMaximale = 4096;

// Nombre de compteurs d'une version ; 0 pour une version inconnue.
std::size_t compteursDeLaVersion(int version) {
    switch (version) {
        case 504: return CompteursUsage::kNombreCompteurs;
        case 503: return 33;
        case 502: return 31;
        case 501: return 27;
        default: return version >= 400 && version <= 500 ? 26 : 0;
    }
}

}  // namespace

void CompteursUsage::compter(std::size_t pointEntree) {
    if (pointEntree < compteurs.size() && compteurs[pointEntree] < UINT16_MAX) ++compteurs[pointEntree];
}

std::vector<std::uint8_t> ecrireCompteursUsage(const CompteursUsage& compteurs) {
    EcritureReglages e;
    e.u16(kVersionEcrite);
    e.u8(compteurs.avis);
    e.u16(compteurs.personnesDernierFichier);
    for (std::uint16_t c : compteurs.compteurs) e.u16(c);
    return e.prendre();
}

// Chaque champ lu en entier est gardé : un fichier tronqué garde les compteurs d'avant la coupure.
CompteursUsage lireCompteursUsageSauves(std::span<const std::uint8_t> octets, bool& complet) {
    LectureReglages l(octets);
    CompteursUsage c;
    std::size_t nombre = compteursDeLaVersion(l.u16());
    complet = nombre != 0 && l.valide();
    if (!complet) return c;
    const std::uint8_t avis = l.u8();
    if (l.valide()) c.avis = avis;
    const std::uint16_t personnes = l.u16();
    if (l.valide()) c.personnesDernierFichier = personnes;
    for (std::size_t i = 0; i < nombre; ++i) {
        const std::uint16_t compteur = l.u16();
        if (l.valide()) c.compteurs[i] = compteur;
    }
    complet = l.valide();
    return c;
}

std::optional<CompteursUsage> lireCompteursUsage(std::span<const std::uint8_t> octets) {
    bool complet = false;
    CompteursUsage c = lireCompteursUsageSauves(octets, complet);
    if (!complet) return std::nullopt;
    return c;
}

CompteursUsage chargerCompteursUsage(const std::filesystem::path& dossierConfiguration, bool* abime) {
    const std::filesystem::path chemin = dossierConfiguration / "Usage.dwa";
    auto octets = lireFichierReglages(chemin, kTailleMaximale);
    bool complet = true;
    CompteursUsage c = octets ? lireCompteursUsageSauves(*octets, complet) : CompteursUsage{};
    std::error_code ec;
    if (!octets) complet = !std::filesystem::exists(chemin, ec);
    if (abime) *abime = !complet;
    return c;
}

void enregistrerCompteursUsage(const CompteursUsage& compteurs, const std::filesystem::path& dossierConfiguration) {
    const std::filesystem::path chemin = dossierConfiguration / "Usage.dwa";
    bool complet = true;
    if (auto ancien = lireFichierReglages(chemin, kTailleMaximale)) {
        lireCompteursUsageSauves(*ancien, complet);
        if (!complet) mettreDeCoteFichierAbime(chemin, *ancien);
    }
    remplacerFichierReglages(chemin, ecrireCompteursUsage(compteurs),
                             "Création impossible d'un fichier dans "_1252 + depuisUtf8(dossierConfiguration.string()));
}

}  // namespace lignara
