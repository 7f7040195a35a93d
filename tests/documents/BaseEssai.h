#pragma once
// Base importée d'un GEDCOM écrit dans le test, avec ses index et un contexte qui garde les messages.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "database/IndexDesNoms.h"
#include "documents/Afficheur.h"
#include "documents/ContexteDocument.h"
#include "documents/Document.h"
#include "documents/IdentifiantsPersonnes.h"
#include "documents/ParametresCommuns.h"
#include "gedcom/ImportEssai.h"
#include "gedcom/ImporterGedcom.h"
#include "session/SourcesGedcom.h"

namespace lignara::essai {

struct BaseEssai {
    explicit BaseEssai(std::string_view gedcom)
        : import(importerTexte(gedcom)), index(construireIndexDesNoms(import.base)) {
        preparerContexte();
    }
    // Le GEDCOM reste sur le disque le temps du test : les documents peuvent le relire.
    struct GarderGedcom {};
    BaseEssai(std::string_view gedcom, GarderGedcom)
        : fichier(std::make_unique<FichierEssai>(gedcom)),
          import(ImporterGedcom(fichier->chemin())),
          index(construireIndexDesNoms(import.base)),
          sources(std::make_unique<SourcesGedcom>(import.fichiers, nullptr)) {
        preparerContexte();
        contexte.sourcesGedcom = sources.get();
    }
    // GEDCOM déjà écrit, photos à côté : les chemins relatifs se comprennent depuis son dossier.
    struct DepuisChemin {};
    BaseEssai(DepuisChemin, const std::filesystem::path& gedcom)
        : import(ImporterGedcom(gedcom)),
          index(construireIndexDesNoms(import.base)),
          sources(std::make_unique<SourcesGedcom>(import.fichiers, nullptr)) {
        preparerContexte();
        contexte.sourcesGedcom = sources.get();
        contexte.dossiersGedcom = {gedcom.parent_path()};
    }
    void preparerContexte() {
        contexte.base = &import.base;
        contexte.noms = &index.noms;
        contexte.phonetique = [this]() -> const IndexPhonetique& { return index.phonetique; };
        contexte.nomsLarges = [this]() -> const IndexNomsLarges& {
            if (!larges) larges.emplace(import.base, index.noms);
            return *larges;
        };
        contexte.messages = [this](const std::string& m) { messages.push_back(m); };
    }
    BaseEssai(const BaseEssai&) = delete;
    BaseEssai& operator=(const BaseEssai&) = delete;

    const BaseGenealogique& base() const { return import.base; }
    // Numéro de la personne de ces prénoms (la première), 0 sinon.
    std::int32_t personne(std::string_view prenomsCherches) const {
        for (std::uint32_t n = 1; n <= import.base.nombreIndividus(); ++n)
            if (prenoms(import.base, n) == prenomsCherches) return static_cast<std::int32_t>(n);
        return 0;
    }

    std::unique_ptr<FichierEssai> fichier;
    ResultatImport import;
    IndexDesNoms index;
    std::optional<IndexNomsLarges> larges;
    std::unique_ptr<SourcesGedcom> sources;
    ContexteDocument contexte;
    std::vector<std::string> messages;
};

// Deux Jean DUPONT nés à des dates différentes, un sans naissance, une épouse, deux enfants.
inline constexpr std::string_view kFamilleEssai =
    "0 HEAD\n1 CHAR ANSI\n"
    "0 @I1@ INDI\n1 NAME Jean /DUPONT/\n1 SEX M\n1 BIRT\n2 DATE 3 MAR 1850\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Marie /MARTIN/\n1 SEX F\n1 BIRT\n2 DATE 1852\n1 FAMS @F1@\n"
    "0 @I3@ INDI\n1 NAME Jean /DUPONT/\n1 SEX M\n1 BIRT\n2 DATE 12 JUN 1875\n1 FAMC @F1@\n"
    "0 @I4@ INDI\n1 NAME Jean /DUPONT/\n1 SEX M\n"
    "0 @I5@ INDI\n1 NAME Louise /DUPONT/\n1 SEX F\n1 BIRT\n2 DATE 1877\n1 FAMC @F1@\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n1 CHIL @I3@\n1 CHIL @I5@\n1 MARR\n2 DATE 1874\n"
    "0 TRLR\n";

// Fichier GEDCOM réel lu sur place avec ses identifiants (@I1@…) ; absent, FICHIER_REEL saute l'essai.
struct FichierReel {
    explicit FichierReel(const char* relatif) : chemin(std::filesystem::path(LIGNARA_DOSSIER_TESTDATA) / relatif) {
        if (!std::filesystem::exists(chemin)) return;
        OptionsImport options;
        options.apresBalayage = [this](RegistresBalayage& r) { identifiants.retenir(r); };
        import = ImporterGedcom(chemin, options);
        sources = SourcesGedcom(import.fichiers, nullptr);
        contexte.base = &import.base;
        contexte.sourcesGedcom = &sources;
        contexte.horloge = Horloge::fixee(1700000000);
        contexte.messages = [this](const std::string& m) { messages.push_back(m); };
    }
    FichierReel(const FichierReel&) = delete;
    FichierReel& operator=(const FichierReel&) = delete;
    bool present() const { return import.base.ouverte(); }
    const BaseGenealogique& base() const { return import.base; }
    std::int32_t personne(const char* id) const {
        return static_cast<std::int32_t>(identifiants.numero(import.base, id));
    }
    template <class D>
    std::unique_ptr<D> document(std::uint8_t code, const char* racine) {
        auto d = std::make_unique<D>(*afficheurDeCode(code));
        d->initialiserParametres(contexte);
        d->valeur(kRacine) = personne(racine);
        EXPECT_TRUE(d->verifierParametres(contexte));
        d->preparer(contexte);
        return d;
    }

    std::filesystem::path chemin;
    IdentifiantsPersonnes identifiants;
    ResultatImport import;
    SourcesGedcom sources;
    ContexteDocument contexte;
    std::vector<std::string> messages;
};

// Prépare le document sur la base d'essai et l'écrit à ce chemin ; rend le chemin.
inline std::string ecrireDocument(Document& d, BaseEssai& b, const std::filesystem::path& chemin) {
    d.preparer(b.contexte);
    d.chemin = chemin.string();
    d.ecrire();
    return d.chemin;
}

}  // namespace lignara::essai

// NOLINTBEGIN(bugprone-macro-parentheses) : nom est le nom de la variable déclarée
#define FICHIER_REEL(nom, relatif)              \
    ::lignara::essai::FichierReel nom(relatif); \
    if (!nom.present()) GTEST_SKIP() << "fichier GEDCOM réel absent : " << nom.chemin
// NOLINTEND(bugprone-macro-parentheses)
