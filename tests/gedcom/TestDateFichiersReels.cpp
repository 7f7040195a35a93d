#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "dates/DateCalendrier.h"
#include "dates/DateFormat.h"
#include "dates/DateLecture.h"

using namespace lignara;

namespace {

namespace fs = std::filesystem;

bool estGedcom(const fs::path& p) {
    std::string ext = p.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".ged";
}

// La valeur d'une ligne « n DATE valeur », ou rien (lecture texte simple, sans l'analyseur).
bool valeurDate(std::string_view ligne, std::string& valeur) {
    std::size_t i = ligne.find_first_not_of(" \t\xEF\xBB\xBF");
    if (i == std::string_view::npos || !std::isdigit(static_cast<unsigned char>(ligne[i]))) return false;
    while (i < ligne.size() && std::isdigit(static_cast<unsigned char>(ligne[i]))) ++i;
    while (i < ligne.size() && ligne[i] == ' ') ++i;
    if (ligne.substr(i, 4) != "DATE" || (ligne.size() > i + 4 && ligne[i + 4] != ' ')) return false;
    valeur = std::string(ligne.substr(std::min(ligne.size(), i + 5)));
    return true;
}

std::vector<std::string> datesDesFichiersDeTest() {
    std::vector<std::string> dates;
    for (const auto& e : fs::recursive_directory_iterator(LIGNARA_DOSSIER_TESTDATA)) {
        if (!e.is_regular_file() || !estGedcom(e.path())) continue;
        std::ifstream f(e.path(), std::ios::binary);
        const std::string contenu{std::istreambuf_iterator<char>(f), {}};
        std::size_t debut = 0;
        while (debut < contenu.size()) {
            std::size_t fin = std::min(contenu.find_first_of("\r\n", debut), contenu.size());
            std::string valeur;
            if (valeurDate(std::string_view(contenu).substr(debut, fin - debut), valeur)) dates.push_back(valeur);
            debut = fin + 1;
        }
    }
    return dates;
}

void verifierDansSesBornes(const DateGed& d, bool lue, const std::string& texte) {
    if (!lue) {
        EXPECT_EQ(d, DateGed{}) << texte;
        return;
    }
    EXPECT_LE(d.qualificatif, DateEntre) << texte;
    if (d.qualificatif == DateEntre) {
        EXPECT_LE(d.premiereAnnee(), d.annee) << texte;
    } else {
        EXPECT_LE(d.mois, 12) << texte;
        EXPECT_LE(d.jour, joursDansMois(d.mois, d.annee)) << texte;
    }
    EXPECT_LE(std::abs(d.annee), kAnneeMaximum) << texte;
    const IntervalleJours i(d);
    EXPECT_LE(i.bas, i.haut) << texte;
    EXPECT_EQ(i.inconnu(), d.absente()) << texte;
}

}  // namespace

TEST(DatesDesFichiersReels, chaqueValeurDATEEstLueSansSortirDeSesBornes) {
    if (!fs::is_directory(LIGNARA_DOSSIER_TESTDATA))
        GTEST_SKIP() << "dossier des fichiers GEDCOM réels absent : " << LIGNARA_DOSSIER_TESTDATA;
    const std::vector<std::string> dates = datesDesFichiersDeTest();
    ASSERT_GT(dates.size(), 1000u);
    std::size_t echecs = 0;
    for (const std::string& t : dates) {
        DateGed d;
        const bool lue = LireDate(t, false, d);
        verifierDansSesBornes(d, lue, t);
        echecs += lue ? 0 : 1;
        DateGed estimee;
        verifierDansSesBornes(estimee, LireDate(t, true, estimee), t);
        DateGed debut, fin;
        LirePeriode(t, debut, fin);
        for (unsigned options : {0u, 1u, 2u, 3u, 8u, 11u}) EXPECT_LE(texteDate(d, options).size(), 20u) << t;
    }
    std::printf("%zu valeurs DATE, %zu refusées\n", dates.size(), echecs);
}

TEST(DatesDesFichiersReels, lesDatesRepublicainesDesFichiersSontConvertiesEnDatesDeLEpoque) {
    if (!fs::is_directory(LIGNARA_DOSSIER_TESTDATA))
        GTEST_SKIP() << "dossier des fichiers GEDCOM réels absent : " << LIGNARA_DOSSIER_TESTDATA;
    std::size_t republicaines = 0;
    for (const std::string& t : datesDesFichiersDeTest()) {
        if (t.find("@#DFRENCH R@") == std::string::npos) continue;
        ++republicaines;
        DateGed d;
        ASSERT_TRUE(LireDate(t, false, d)) << t;
        const IntervalleJours i(d);
        // Du 22 septembre 1792 à la fin du calendrier, le 31 décembre 1805 (an XIV).
        EXPECT_GE(i.haut, NumeroJour(22, 9, 1792)) << t;
        EXPECT_LE(i.bas, NumeroJour(31, 12, 1805)) << t;
        EXPECT_GE(d.annee, 1792) << t;
    }
    EXPECT_GE(republicaines, 10u);
}

// Le raccourci des formes courantes doit lire exactement comme le chemin général : même
// réussite, même date, pour chaque valeur des fichiers réels et pour une grille de formes
// voisines des courantes (casse, espaces, jours et mois hors bornes, années longues…).
TEST(DatesRaccourci, litCommeLeCheminGeneralSurLesFormesCourantesEtLeursVoisines) {
    std::vector<std::string> textes;
    for (const char* q : {"", "ABT ", "BEF ", "AFT ", "VERS ", "AVANT ", "APRES ", "abt ", "ABT  ", "ABT. ", "Vers ",
                          "EST ", "BET ", "CAL "})
        for (const char* j : {"", "0 ", "00 ", "1 ", "05 ", "29 ", "30 ", "31 ", "32 ", "123 ", "5/", "05/", "00/",
                              "31/", "32/", "45/", "5-"})
            for (const char* m :
                 {"",      "JAN ",     "FEB ",      "SEP ",        "DEC ",  "Sep ",       "SEPT ",     "JANV ",
                  "XYZ ",  "01/",      "1/",        "00/",         "12/",   "13/",        "2/",        "010/",
                  "09",    "JANVIER ", "FEVRIER ",  "F\xC9VRIER ", "MARS ", "MAI ",       "AOUT ",     "AOU ",
                  "JUIL ", "JUIL. ",   "DECEMBRE ", "Juin ",       "VEND ", "THERMIDOR ", "JANVIERX ", "AN "})
                for (const char* a : {"", "0", "1", "999", "1754", "1900", "2000", "0000", "9999", "10000", "1754/55",
                                      "1754 B.C.", "1754 ", "17x4"})
                    textes.push_back(std::string(q) + j + m + a);
    for (const char* q : {"BET ", "ENTRE ", "BET  ", "Entre ", "ENTRE. "})
        for (const char* a : {"1850", "0", "1", "9999", "10000", "SEP 1850"})
            for (const char* c : {" AND ", " ET ", " and ", "  AND ", " AND", " ETX "})
                for (const char* b : {"1860", "1840", "0", "1850", "10000", "1860 B.C.", "1860 ", ""})
                    textes.push_back(std::string(q) + a + c + b);
    if (fs::is_directory(LIGNARA_DOSSIER_TESTDATA)) {
        const std::vector<std::string> reelles = datesDesFichiersDeTest();
        textes.insert(textes.end(), reelles.begin(), reelles.end());
    }
    for (const std::string& t : textes) {
        for (bool estimees : {false, true}) {
            DateGed rapide, generale;
            const bool lueRapide = LireDate(t, estimees, rapide);
            const bool lueGenerale = LireDateGenerale(t, estimees, generale);
            ASSERT_EQ(lueRapide, lueGenerale) << '"' << t << '"';
            ASSERT_EQ(rapide, generale) << '"' << t << '"';
        }
    }
    // Le raccourci sert bien : les formes courantes ne sont pas refusées.
    DateGed d;
    ASSERT_TRUE(LireDate("29 FEB 1900", false, d) == false && d == DateGed{});
    ASSERT_TRUE(LireDate("ABT 05/09/1671", false, d));
    EXPECT_EQ(d.qualificatif, DateVers);
    EXPECT_EQ(d.jour, 5);
    EXPECT_EQ(d.mois, 9);
    EXPECT_EQ(d.annee, 1671);
}
