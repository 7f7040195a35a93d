// « Usage.dwa » : entiers little-endian, sans bourrage.
//   DÉC.  TAILLE   CONTENU
//     0     2      version, 504 à l'écriture
//     2     1      drapeau de l'avis des nouvelles versions
//     3     2      nombre de personnes du dernier fichier ouvert
//     5     2 × n  compteurs, un par point d'entrée de document
// n vaut 44 en version 504, 33 en 503, 31 en 502, 27 en 501 et 26 de 400 à 500.
// Les octets au-delà des compteurs de la version sont ignorés.
#include "reglages/CompteursUsage.h"

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reglages/EcritureReglages.h"
#include "reglages/FichierReglages.h"
#include "reglages/LectureReglages.h"

namespace lignara {

namespace {

constexpr std::uint16_t kVersionEcrite = 504;

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

std::optional<CompteursUsage> lireCompteursUsage(std::span<const std::uint8_t> octets) {
    LectureReglages l(octets);
    std::size_t nombre = compteursDeLaVersion(l.u16());
    if (nombre == 0) return std::nullopt;
    CompteursUsage c;
    c.avis = l.u8();
    c.personnesDernierFichier = l.u16();
    for (std::size_t i = 0; i < nombre; ++i) c.compteurs[i] = l.u16();
    if (!l.valide()) return std::nullopt;
    return c;
}

CompteursUsage chargerCompteursUsage(const std::filesystem::path& dossierConfiguration) {
    auto octets = lireFichierReglages(dossierConfiguration / "Usage.dwa", 4096);
    if (!octets) return CompteursUsage{};
    return lireCompteursUsage(*octets).value_or(CompteursUsage{});
}

void enregistrerCompteursUsage(const CompteursUsage& compteurs,
                               const std::filesystem::path& dossierConfiguration) {
    if (!remplacerFichierReglages(dossierConfiguration / "Usage.dwa", "usa",
                                  ecrireCompteursUsage(compteurs)))
        throw OperationImpossible("Création impossible d'un fichier dans "_1252 +
                                  depuisUtf8(dossierConfiguration.string()));
}

}  // namespace lignara
