// Tous les fichiers réels du dossier d'essai (GEDCOM mal formés, UTF-16, autres) : recensement, import,
// dates et lieux finissent sans planter, dans leurs bornes, ou donnent un message. Sautés sans le dossier.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

#include "ImportEssai.h"
#include "commun/OperationImpossible.h"
#include "support/DossierEssai.h"
#include "dates/DateCalendrier.h"
#include "dates/DateFormat.h"
#include "dates/DateLecture.h"
#include "gedcom/LieuNormaliseur.h"
#include "gedcom/RecensementGedcom.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
const fs::path kDossier = LIGNARA_DOSSIER_TESTDATA;

const std::string kAbsent = "dossier des fichiers GEDCOM réels absent : " + kDossier.string();

std::vector<fs::path> fichiersReels() {
    std::vector<fs::path> v;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(kDossier, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_regular_file()) v.push_back(it->path());
    std::sort(v.begin(), v.end());
    return v;
}

bool estGedcom(const fs::path& p) {
    std::string e = p.extension().string();
    for (char& c : e) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return e == ".ged" || e == ".gedcom";
}

// Valeurs des lignes « n TAG valeur » des GEDCOM réels, lues en texte simple, sans l'analyseur.
std::vector<std::string> valeursDuTag(std::string_view tag) {
    std::vector<std::string> valeurs;
    for (const fs::path& p : fichiersReels()) {
        if (!estGedcom(p)) continue;
        const std::string texte = essai::lireFichier(p);
        for (std::size_t debut = 0, fin; debut < texte.size(); debut = fin + 1) {
            fin = std::min(texte.find_first_of("\r\n", debut), texte.size());
            const std::string_view l = std::string_view(texte).substr(debut, fin - debut);
            std::size_t i = l.find_first_not_of(" \t\xEF\xBB\xBF");
            if (i == std::string_view::npos || !std::isdigit(static_cast<unsigned char>(l[i]))) continue;
            while (i < l.size() && std::isdigit(static_cast<unsigned char>(l[i]))) ++i;
            while (i < l.size() && l[i] == ' ') ++i;
            if (l.substr(i, tag.size()) != tag || (l.size() > i + tag.size() && l[i + tag.size()] != ' ')) continue;
            valeurs.emplace_back(l.substr(std::min(l.size(), i + tag.size() + 1)));
        }
    }
    return valeurs;
}

// Compte indépendant des personnes : clés « 0 @X@ INDI » et pointeurs HUSB, WIFE, CHIL des
// familles. Rend -1 pour un fichier qui n'est pas en octets ASCII compatibles (UTF-16…).
long clesIndividus(std::string texte) {
    if (texte.find('\0') != std::string::npos) return -1;
    for (char& c : texte)
        if (c == '\r') c = '\n';
    std::set<std::string> cles;
    bool dansFamille = false;
    std::istringstream lignes(texte);
    for (std::string ligne; std::getline(lignes, ligne);) {
        std::istringstream mots(ligne);
        std::string niveau, a, b;
        mots >> niveau >> a >> b;
        if (niveau == "0") dansFamille = b == "FAM";
        if (niveau == "0" && b == "INDI" && a.size() > 1 && a[0] == '@') cles.insert(a);
        if (niveau == "1" && dansFamille && (a == "HUSB" || a == "WIFE" || a == "CHIL") && b.size() > 1 && b[0] == '@')
            cles.insert(b);
    }
    return static_cast<long>(cles.size());
}

bool commencePar(const std::string& s, const char* debut) { return s.rfind(debut, 0) == 0; }

TEST(FichiersReels, chaqueFichierSeRecenseEtSImporteEnUneBaseCoherenteOuDonneUnMessage) {
    if (!fs::is_directory(kDossier)) GTEST_SKIP() << kAbsent;
    std::size_t importes = 0, gedcoms = 0, individus = 0;
    for (const fs::path& p : fichiersReels()) {
        SCOPED_TRACE(p.string());
        if (estGedcom(p)) {
            ++gedcoms;
            // Une lecture impossible ne peut être qu'un fichier sans aucune ligne GEDCOM.
            try {
                auto r = RecensementGedcom::recenser(p);
                individus += r.individus;
                EXPECT_GT(r.lignes, 0);
            } catch (const OperationImpossible& e) {
                EXPECT_TRUE(commencePar(e.what(), "Erreur de lecture du fichier")) << e.what();
            }
        }
        try {
            ResultatImport r = ImporterGedcom(p);
            ++importes;
            EXPECT_EQ(essai::defautsBase(r), std::vector<std::string>{});
            const long attendu = clesIndividus(essai::lireFichier(p));
            if (attendu >= 0 && estGedcom(p)) {
                EXPECT_EQ(r.base.nombreIndividus(), static_cast<std::uint32_t>(attendu));
            }
        } catch (const OperationImpossible& e) {
            EXPECT_TRUE(e.aUnMessage());
            // Un .ged n'échoue que sans aucune ligne, ou sans en-tête ni fiche (texte renommé).
            const std::string message = e.what();
            if (estGedcom(p)) {
                EXPECT_TRUE(commencePar(message, "Erreur de lecture du fichier") ||
                            message.find(" n'est pas un fichier Gedcom :") != std::string::npos)
                    << message;
            }
        }
    }
    EXPECT_GT(importes, 150u);
    EXPECT_GT(individus, gedcoms);
}

TEST(FichiersReels, lesEffectifsConnusSeRetrouventDansTousLesCodages) {
    if (!fs::is_directory(kDossier)) GTEST_SKIP() << kAbsent;
    const std::pair<const char*, std::size_t> connus[] = {
        {"dj-gedcom-samples/Queen.ged", 4683},
        {"findmypast-samples/Queen.ged", 4683},  // fins de ligne mêlées, lignes nues
        {"gedcom4j-samples/5.5.1 sample 3.ged", 4578},
        {"porges-mdf/royal92.ged", 3010},
        {"dj-gedcom-samples/pres2020.ged", 2322},
    };
    for (auto [nom, n] : connus)
        if (fs::exists(kDossier / nom)) {
            EXPECT_EQ(RecensementGedcom::recenser(kDossier / nom).individus, n) << nom;
        }
    // Le même arbre dans tous ses codages donne les mêmes comptes.
    std::vector<RecensementGedcom> willis;
    for (const fs::path& p : fichiersReels())
        if (p.parent_path().filename() == "gedcom4j-samples" && commencePar(p.filename().string(), "willis") &&
            estGedcom(p))
            willis.push_back(RecensementGedcom::recenser(p));
    ASSERT_GE(willis.size(), 3u);
    for (const auto& r : willis) {
        EXPECT_EQ(r.individus, 761u);
        EXPECT_EQ(r.familles, willis[0].familles);
        EXPECT_EQ(r.notes, willis[0].notes);
    }
}

void verifierDansSesBornes(const DateGed& d, bool lue, const std::string& texte) {
    SCOPED_TRACE(texte);
    if (!lue) {
        EXPECT_EQ(d, DateGed{});
        return;
    }
    EXPECT_LE(d.qualificatif, DateEntre);
    if (d.qualificatif == DateEntre) {
        EXPECT_LE(d.premiereAnnee(), d.annee);
    } else {
        EXPECT_LE(d.mois, 12);
        EXPECT_LE(d.jour, joursDansMois(d.mois, d.annee));
    }
    EXPECT_LE(std::abs(d.annee), kAnneeMaximum);
    const IntervalleJours i(d);
    EXPECT_LE(i.bas, i.haut);
    EXPECT_EQ(i.inconnu(), d.absente());
}

TEST(FichiersReels, chaqueValeurDATEEstLueSansSortirDeSesBornesEtCommeParLeCheminGeneral) {
    if (!fs::is_directory(kDossier)) GTEST_SKIP() << kAbsent;
    const std::vector<std::string> dates = valeursDuTag("DATE");
    ASSERT_GT(dates.size(), 1000u);
    std::size_t republicaines = 0;
    for (const std::string& t : dates) {
        DateGed d, estimee, generale, estimeeGenerale, debut, fin;
        const bool lue = LireDate(t, false, d);
        verifierDansSesBornes(d, lue, t);
        verifierDansSesBornes(estimee, LireDate(t, true, estimee), t);
        // Le raccourci des formes courantes lit comme le chemin général (formes voisines : corpus du fuzz).
        EXPECT_EQ(LireDateGenerale(t, false, generale), lue) << t;
        LireDateGenerale(t, true, estimeeGenerale);
        EXPECT_TRUE(generale == d && estimeeGenerale == estimee) << t;
        LirePeriode(t, debut, fin);
        for (unsigned options : {0u, 1u, 2u, 3u, 8u, 11u}) EXPECT_LE(texteDate(d, options).size(), 20u) << t;
        if (t.find("@#DFRENCH R@") == std::string::npos) continue;
        // Républicaine : du 22 septembre 1792 à la fin du calendrier, le 31 décembre 1805 (an XIV).
        ++republicaines;
        ASSERT_TRUE(lue) << t;
        const IntervalleJours i(d);
        EXPECT_GE(i.haut, NumeroJour(22, 9, 1792)) << t;
        EXPECT_LE(i.bas, NumeroJour(31, 12, 1805)) << t;
    }
    EXPECT_GE(republicaines, 10u);
}

TEST(FichiersReels, chaqueLieuTientDans100Octets) {
    if (!fs::is_directory(kDossier)) GTEST_SKIP() << kAbsent;
    ReglagesLieux franceSansSigle, sansPaysAvecSigle;
    sansPaysAvecSigle.paysParDefaut = kPaysInconnu;
    sansPaysAvecSigle.sigleTroisLettres = true;
    std::size_t nbLieux = 0;
    for (const std::string& plac : valeursDuTag("PLAC")) {
        ++nbLieux;
        for (const auto& reglages : {franceSansSigle, sansPaysAvecSigle}) {
            auto lieu = LieuNormaliseur(reglages).normaliser(plac);
            ASSERT_LE(lieu.texte().size(), 100u) << plac;
            ASSERT_TRUE(lieu.vide() || lieu.texte().size() > 3) << plac;
        }
    }
    EXPECT_GT(nbLieux, 0u);
}

}  // namespace
}  // namespace lignara
