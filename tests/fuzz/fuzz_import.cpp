// N'importe quelle suite d'octets donnée comme fichier GEDCOM à l'import complet (balayage,
// numérotation, relecture, écriture de la base dans un dossier temporaire) : l'import doit finir
// par une base cohérente ou par OperationImpossible, sans plantage ni accès hors limites.
// Le premier octet choisit le mode de commentaire (bits 0-4 modulo 3) ; avec son bit 7, le reste
// est coupé en deux fichiers fusionnés par une description (« principal a.ged / secondaire
// b.ged »), sinon c'est le fichier importé seul.
//
// Graines : les petits fichiers d'essai du projet et les fichiers réels des tests, p. ex.
//   mkdir -p corpus-import && cp tests/fixtures/*.ged data/exemples/*.ged corpus-import/
//   find ../shared/testdata/gedcom -name '*.ged' -size -64k -exec cp {} corpus-import/ \;
//   for f in corpus-import/*; do printf '\0' | cat - "$f" > "$f.x" && mv "$f.x" "$f"; done
//   build-fuzz/tests/fuzz/fuzz_import corpus-import -max_len=65536 -max_total_time=600
// (le premier octet, 0, garde le mode de commentaire par défaut.) Graines de fusion : l'octet
// 0x80, puis deux fichiers d'essai (fusion-principal.ged, fusion-secondaire-ansel.ged…)
// complétés par des sauts de ligne jusqu'à la même longueur, mis bout à bout.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "commun/OperationImpossible.h"
#include "database/VerificateurBase.h"
#include "gedcom/ImporterGedcom.h"
#include "support/DossierEssai.h"

namespace {

using namespace lignara;
namespace fs = std::filesystem;

// Un dossier temporaire propre à ce processus, effacé à sa sortie (les graines sont rejouées à
// chaque série d'essais) : base, rapport et copies UTF-16 y vont.
const fs::path& dossierEssai() {
    static const essai::DossierEssai dossier;
    return dossier.chemin();
}

bool ecrire(const fs::path& chemin, const void* octets, std::size_t taille) {
    std::FILE* f = std::fopen(chemin.c_str(), "wb");
    if (!f) return false;
    std::fwrite(octets, 1, taille, f);
    return std::fclose(f) == 0;
}

// Le fichier à importer : le GEDCOM seul, ou une description de fusion de ses deux moitiés.
fs::path preparer(const std::uint8_t* data, std::size_t size) {
    const std::uint8_t* texte = data + 1;
    std::size_t taille = size - 1;
    if (!(data[0] & 0x80))
        return ecrire(dossierEssai() / "essai.ged", texte, taille) ? dossierEssai() / "essai.ged" : fs::path();
    std::size_t moitie = taille / 2;
    // Bit 6 : seulement la branche de @P1@ (ou de @I1@), ascendants et descendants.
    std::string description = "principal a.ged\nsecondaire b.ged\n";
    if (data[0] & 0x40)
        description +=
            data[0] & 0x20 ? "branche @I1@ ascendants descendants\n" : "branche @P1@ ascendants descendants\n";
    bool bon = ecrire(dossierEssai() / "a.ged", texte, moitie) &&
               ecrire(dossierEssai() / "b.ged", texte + moitie, taille - moitie) &&
               ecrire(dossierEssai() / "essai.fged", description.data(), description.size());
    return bon ? dossierEssai() / "essai.fged" : fs::path();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const fs::path chemin = preparer(data, size);
    if (chemin.empty()) return 0;
    OptionsImport options;
    options.dossierTemporaire = dossierEssai();
    switch ((data[0] & 0x1F) % 3) {
        case 0: options.modeCommentaire = ModeCommentaire::PremiereLigne; break;
        case 1: options.modeCommentaire = ModeCommentaire::LigneDiese; break;
        default: options.modeCommentaire = ModeCommentaire::TagGedcom; options.tagCommentaire = "_COMM";
    }
    try {
        ResultatImport r = ImporterGedcom(chemin, options);
        // Une base écrite par l'import doit toujours être cohérente.
        if (!VerificateurBase::verifier(r.base.chemin(), 1).empty()) __builtin_trap();
    } catch (const OperationImpossible&) {
        // fichier sans aucune ligne : message français, c'est attendu
    }
    return 0;
}
