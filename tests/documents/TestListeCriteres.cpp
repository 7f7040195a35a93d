// Listes par critère et liste éclair : personnes et patronymes choisis dans tout le fichier.
#include "documents/listes/ListeCriteres.h"
#include "documents/listes/ListeEclair.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ListesEssai.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/IndexDesNoms.h"
#include "documents/ParametresLigneCommande.h"
#include "documents/listes/SelectionCriteres.h"
#include "support/Message.h"
#include "support/Programme.h"

namespace lignara {
namespace {

using essai::BaseEssai;
using essai::DossierEssai;

// Homonymes partiels, prénoms composés, accents, dates de toutes formes, un couple marié, un
// contemporain.
constexpr std::string_view kCriteres =
    "0 HEAD\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Jean /DUPONT/\n1 SEX M\n1 OCCU Maître tisserand\n"
    "1 BIRT\n2 DATE 3 MAR 1750\n2 PLAC Lyon, Rhône, France\n1 DEAT\n2 DATE 1790\n2 PLAC Thizy\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Paul /DUPONTEL/\n1 SEX M\n1 BIRT\n2 DATE 1751\n2 PLAC Paris\n"
    "0 @I3@ INDI\n1 NAME Jean-Pierre /MARTIN/\n1 SEX M\n1 BIRT\n2 DATE BET 1740 AND 1760\n2 PLAC Thizy\n"
    "0 @I4@ INDI\n1 NAME Éléonore /BLANC/\n1 SEX F\n1 BIRT\n2 DATE 12 JAN 1755\n2 PLAC Amplepuis\n1 FAMS @F1@\n"
    "0 @I5@ INDI\n1 NAME Pierre Jean /ROUX/\n1 SEX M\n1 BIRT\n2 DATE 1990\n2 PLAC Lyon\n"
    "0 @I6@ INDI\n1 NAME Eleonore /ALBERT/\n1 SEX F\n1 OCCU tisserande\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I4@\n1 MARR\n2 DATE 1775\n2 PLAC Marseille\n"
    "0 TRLR\n";

struct Essai {
    BaseEssai b{kCriteres};
    std::unique_ptr<ListeCriteres> l = essai::listeEssai<ListeCriteres>(b);

    // Prénoms des personnes retenues, dans l'ordre de la liste.
    std::vector<std::string> retenues(const std::function<void(ListeCriteres&)>& regler) {
        l = essai::listeEssai<ListeCriteres>(b);
        regler(*l);
        const Configuration c;
        b.contexte.preferences = &c;
        std::vector<std::string> p;
        try {
            l->preparer(b.contexte);
        } catch (const OperationImpossible& e) {
            return {e.what()};
        }
        for (std::uint32_t n : l->personnes()) p.push_back(versUtf8(essai::prenoms(b.base(), n)));
        return p;
    }
};

using Prenoms = std::vector<std::string>;

DateParametre date(int jour, int mois, int annee) {
    return {static_cast<std::uint8_t>(jour), static_cast<std::uint8_t>(mois), static_cast<std::uint16_t>(annee)};
}

TEST(ListeCriteres, motEntierDupontNePrendPasDupontelEtLOrdreEstCeluiDeLIndex) {
    Essai e;
    EXPECT_EQ(e.retenues([](ListeCriteres& l) { l.valeur(kCritereNom) = std::string("dupont"); }),
              (Prenoms{"Jean", "Paul"}));
    EXPECT_EQ(e.retenues([](ListeCriteres& l) {
        l.valeur(kCritereNom) = std::string("DUPONT");
        l.valeur(kMotEntierNom) = std::uint8_t{1};
    }),
              (Prenoms{"Jean"}));
    // Sans critère, tout le fichier, dans l'ordre des noms puis des prénoms.
    EXPECT_EQ(e.retenues([](ListeCriteres&) {}),
              (Prenoms{"Eleonore", "Éléonore", "Jean", "Paul", "Jean-Pierre", "Pierre Jean"}));
}

TEST(ListeCriteres, prenomsComposesAccentsEtPonctuation) {
    Essai e;
    auto prenom = [&e](const char* critere, bool motEntier) {
        return e.retenues([&](ListeCriteres& l) {
            l.valeur(kCriterePrenom) = depuisUtf8(critere);
            l.valeur(kMotEntierPrenom) = std::uint8_t{motEntier};
        });
    };
    EXPECT_EQ(prenom("jean-pierre", true), (Prenoms{"Jean-Pierre"}));
    EXPECT_EQ(prenom("JEAN", true), (Prenoms{"Jean", "Jean-Pierre", "Pierre Jean"}));
    // Les accents ne comptent ni dans le critère ni dans le champ.
    EXPECT_EQ(prenom("ÉLÉONORE", true), (Prenoms{"Eleonore", "Éléonore"}));
    // Un critère de ponctuation seule ne garde rien : il est ignoré et l'utilisateur le sait.
    EXPECT_EQ(prenom("-- ; --", true).size(), 6u);
    ASSERT_EQ(e.b.messages.size(), 1u);
    EXPECT_NE(versUtf8(e.b.messages[0]).find("« -- ; -- »"), std::string::npos);
    EXPECT_EQ(normaliserCritere(depuisUtf8("  l'Œuvre (n°3) ")), depuisUtf8("L ŒUVRE (N°3)"));
    // Une profession : sous-chaîne ou mot entier.
    EXPECT_EQ(e.retenues([](ListeCriteres& l) { l.valeur(kCritereProfession) = std::string("tisserand"); }),
              (Prenoms{"Eleonore", "Jean"}));
    EXPECT_EQ(e.retenues([](ListeCriteres& l) {
        l.valeur(kCritereProfession) = std::string("tisserand");
        l.valeur(kMotEntierProfession) = std::uint8_t{1};
    }),
              (Prenoms{"Jean"}));
}

TEST(ListeCriteres, sortesDeLieuxEtNomsDeZoneDuCode) {
    Essai e;
    auto lieu = [&e](const char* critere, int sorte) {
        return e.retenues([&](ListeCriteres& l) {
            l.valeur(kCritereLieu) = depuisUtf8(critere);
            l.valeur(kSorteLieu) = static_cast<std::uint8_t>(sorte);
        });
    };
    EXPECT_EQ(lieu("thizy", CritereQuelconque), (Prenoms{"Jean", "Jean-Pierre"}));
    EXPECT_EQ(lieu("thizy", CritereNaissance), (Prenoms{"Jean-Pierre"}));
    EXPECT_EQ(lieu("thizy", CritereDeces), (Prenoms{"Jean"}));
    EXPECT_EQ(lieu("marseille", CritereMariage), (Prenoms{"Éléonore", "Jean"}));
    EXPECT_EQ(lieu("marseille", CritereNaissance), (Prenoms{"La liste est vide"}));
    // Le département, ôté du texte du lieu par l'import, se retrouve par le code du lieu.
    EXPECT_EQ(lieu("Rhône", CritereNaissance), (Prenoms{"Jean"}));
}

TEST(ListeCriteres, datesComparéesCommeValeursEntieres) {
    Essai e;
    auto entre = [&e](DateParametre min, DateParametre max, int sorte = CritereNaissance) {
        return e.retenues([&](ListeCriteres& l) {
            l.valeur(kDateMinimale) = min;
            l.valeur(kDateMaximale) = max;
            l.valeur(kSorteDate) = static_cast<std::uint8_t>(sorte);
        });
    };
    // Une maximale de 1750 comprend le 3 mars 1750.
    EXPECT_EQ(entre({}, date(0, 0, 1750)), (Prenoms{"Jean"}));
    EXPECT_EQ(entre({}, date(2, 3, 1750)), (Prenoms{"La liste est vide"}));
    // Une maximale nulle avec une minimale posée : pas de borne haute.
    EXPECT_EQ(entre(date(0, 0, 1755), {}), (Prenoms{"Éléonore", "Pierre Jean"}));
    // Entre 1740 et 1760 (première année dans les octets du jour et du mois) : dans 1700–1800,
    // hors de 1745–1800 ; 1760 ne ressemble pas au 224 du 6e mois.
    EXPECT_EQ(entre(date(0, 0, 1700), date(0, 0, 1800)), (Prenoms{"Éléonore", "Jean", "Paul", "Jean-Pierre"}));
    EXPECT_EQ(entre(date(0, 0, 1745), date(0, 0, 1800)), (Prenoms{"Éléonore", "Jean", "Paul"}));
    // Date du mariage : 1775, pour les deux conjoints.
    EXPECT_EQ(entre(date(0, 0, 1770), date(0, 0, 1780), CritereMariage), (Prenoms{"Éléonore", "Jean"}));
}

// Une option de date se saisit comme dans la feuille : JJ/MM/AAAA ou MM/AAAA ; une date impossible est refusée.
TEST(ListeCriteres, lesDatesDeLaLigneDeCommandeSeSaisissentCommeDansLaFeuille) {
    Essai e;
    auto saisie = [&e](const std::string& valeur) {
        DemandeDocument demande;
        demande.options = {"Date minimale=" + valeur};
        ParametresLigneCommande source(demande, [](const std::string&) { return 0; });
        source.parametrer(*e.l, e.b.contexte);
        return std::get<DateParametre>(e.l->valeur(kDateMinimale));
    };
    EXPECT_EQ(saisie("03/1850"), date(0, 3, 1850));
    EXPECT_EQ(saisie("12/03/1850"), date(12, 3, 1850));
    EXPECT_THROW(saisie("31/13/1850"), OperationImpossible);
}

TEST(ListeCriteres, sansContemporainsLesVivantsSontOtes) {
    Essai e;
    EXPECT_EQ(e.retenues([](ListeCriteres& l) {
        l.valeur(kCritereLieu) = std::string("lyon");
        l.valeur(kContemporains) = std::uint8_t{0};
    }),
              (Prenoms{"Jean"}));
}

TEST(ListeCriteres, ligneDeCommandeAvecLesLibellesDesTroisPages) {
    DossierEssai d;
    const auto ged = d / "criteres.ged";
    std::ofstream(ged) << kCriteres;
    const std::string fichier = " '" + ged.string() + "' --sortie '" + d.chemin().string() + "' --format texte";
    auto s = essai::lancerProgramme("document liste-criteres" + fichier +
                                    " --option 'Lieu=thizy' --option 'Lieu pris en compte=Lieu de décès'"
                                    " --option 'Date minimale=1790'");
    EXPECT_EQ(s.code, 0) << s.texte;
    EXPECT_EQ(essai::lireFichier(d / "LI_.txt"), "DUPONT Jean (3.3.1750 Lyon - 1790 Thizy), Ma\xEEtre tisserand\n");
}

// Deux DUPONT à Thizy (1702, 1750), un mariage à Lyon, une naissance « entre deux années »,
// des lieux de toutes sortes de codes, un contemporain, une accolade dans un nom de lieu.
constexpr std::string_view kEclair =
    "0 HEAD\n1 CHAR UTF-8\n"
    "0 @I1@ INDI\n1 NAME Jean /DUPONT/\n1 SEX M\n1 BIRT\n2 DATE 1702\n2 PLAC Thizy\n"
    "1 DEAT\n2 DATE 3 MAR 1760\n2 PLAC Lyon, Rhône, France\n1 FAMS @F1@\n"
    "0 @I2@ INDI\n1 NAME Paul /Dupont/\n1 SEX M\n1 BIRT\n2 DATE ABT 1750\n2 PLAC Thizy\n"
    "1 DEAT\n2 DATE 1790\n"
    "0 @I3@ INDI\n1 NAME Marie /MARTIN/\n1 SEX F\n1 BIRT\n2 DATE BET 1705 AND 1712\n2 PLAC Genève, Suisse\n"
    "1 FAMS @F1@\n"
    "0 @I4@ INDI\n1 NAME Luc /MARTIN/\n1 SEX M\n1 BIRT\n2 DATE 1990\n2 PLAC Lyon, Rhône\n"
    "0 @I5@ INDI\n1 NAME Anne /ROUX/\n1 SEX F\n1 BIRT\n2 DATE 1800\n2 PLAC Bretagne\n"
    "1 DEAT\n2 DATE 1850\n2 PLAC Le {Bourg}, 69\n"
    "0 @I6@ INDI\n1 NAME Rose /ZOLA/\n1 SEX F\n1 BIRT\n2 PLAC Thizy\n"
    "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I3@\n1 MARR\n2 DATE 1730\n2 PLAC Lyon\n"
    "0 TRLR\n";

std::unique_ptr<ListeEclair> liste(BaseEssai& b, bool parZone = false, bool contemporains = false) {
    auto d = essai::listeEssai<ListeEclair>(b);
    d->valeur(kClassementZone) = std::uint8_t{parZone};
    d->valeur(kContemporainsEclair) = std::uint8_t{contemporains};
    return d;
}

// « NOM : lieu a-b, lieu a-b » par patronyme, en UTF-8.
std::vector<std::string> resume(BaseEssai& b, bool parZone, bool contemporains = false) {
    auto l = liste(b, parZone, contemporains);
    const Configuration c;
    b.contexte.preferences = &c;
    l->preparer(b.contexte);
    std::vector<std::string> r;
    for (const PatronymeEclair& p : l->patronymes()) {
        std::string t = p.nom + " :";
        for (const LieuEclair& x : p.lieux)
            t += " " + (x.lieu.empty() ? std::string("*") : x.lieu) + " " + std::to_string(x.premiere) + "-" +
                 std::to_string(x.derniere);
        r.push_back(versUtf8(t));
    }
    return r;
}

// Luc MARTIN, vivant, attend l'option (sans elle, le texte ci-dessous finit MARTIN à 1730).
TEST(ListeEclair, lesContemporainsSeulementAvecLOption) {
    BaseEssai b(kEclair);
    EXPECT_EQ(resume(b, false, true)[1], "MARTIN : Genève (Suisse) 1705-1712 Lyon 1730-1990");
}

TEST(ListeEclair, parZoneLesLieuxSansZoneVontToujoursSousAutresLieux) {
    BaseEssai b(kEclair);
    // Thizy et Lyon (sans code) et la Bretagne (pays par défaut, sans département) n'ont que leur
    // nom : « Autres lieux », en dernier ; Lyon, Rhône : le département ; Genève : le pays.
    EXPECT_EQ(resume(b, true),
              (std::vector<std::string>{"DUPONT : Rhône 1760-1760 * 1702-1750", "MARTIN : Suisse 1705-1712 * 1730-1730",
                                        "ROUX : Rhône 1850-1850 * 1800-1800"}));
}

TEST(ListeEclair, sansEvenementDateLaListeEstVide) {
    BaseEssai sansDate("0 HEAD\n0 @I1@ INDI\n1 NAME A /B/\n1 BIRT\n2 PLAC Lyon\n0 TRLR\n");
    EXPECT_EQ(essai::messageDe([&] { resume(sansDate, false, true); }), "La liste est vide");
}

// Une période donne ses deux années, DUPONT et Dupont ne font qu'un, ZOLA (sans date) ne compte
// pas ; des filets entre les patronymes, des espaces insécables entre lieu et années.
TEST(ListeEclair, texteRepliéFiletsEtRtfAvecUneAccolade) {
    DossierEssai d;
    BaseEssai b(kEclair);
    auto l = liste(b);
    const essai::Sorties s = essai::ecrireFormats(*l, b, Configuration{}, d);
    std::string attendu = "DUPONT\n    Lyon~:~1730~-~1760, Thizy~:~1702~-~1750\n" + std::string(100, '-') +
                          "\nMARTIN\n    Gen\xE8ve (Suisse)~:~1705~-~1712, Lyon~:~1730~-~1730\n" +
                          std::string(100, '-') + "\nROUX\n    Bretagne~:~1800~-~1800, Le {Bourg}~:~1850~-~1850\n";
    std::replace(attendu.begin(), attendu.end(), '~', '\xA0');
    EXPECT_EQ(s.texte, attendu);
    EXPECT_NE(s.rtf.find("Le \\{Bourg\\}"), std::string::npos) << s.rtf;
}

// Calcul indépendant sur un fichier réel : pour chaque patronyme (clé de nom de l'index), la
// plus petite et la plus grande année de ses naissances, décès et mariages datés et situés,
// en parcourant les personnes par numéro et les fiches Famille par numéro.
void comparerAuCalculIndependant(const std::filesystem::path& fichier) {
    SCOPED_TRACE(fichier.string());
    BaseEssai b(BaseEssai::DepuisChemin{}, fichier);
    const BaseGenealogique& base = b.base();
    std::map<std::uint32_t, std::uint32_t> rangNom;  // personne → rang de sa clé de nom
    for (std::size_t i = 0; i < b.index.noms.taille(); ++i)
        rangNom[b.index.noms.personne(i)] = b.index.noms.entree(i).nom;
    std::map<std::uint32_t, std::pair<int, int>> attendu;
    auto compter = [&](std::uint32_t personne, std::uint32_t e) {
        if (e == 0) return;
        const Evenement ev = base.LireEvenement(e);
        if (ev.lieu == 0 || ev.date.annee == 0) return;
        std::vector<int> annees{ev.date.annee};
        if (ev.date.qualificatif == 4) annees.push_back(static_cast<std::int16_t>(ev.date.jour | (ev.date.mois << 8)));
        auto [it, nouveau] = attendu.try_emplace(rangNom.at(personne), annees[0], annees[0]);
        for (int a : annees) {
            it->second.first = std::min(it->second.first, a);
            it->second.second = std::max(it->second.second, a);
        }
    };
    // Chaque fiche Famille porte le mariage du côté de son conjoint : la personne dont la chaîne
    // de fiches passe par elle.
    for (std::uint32_t p = 1; p <= base.nombreIndividus(); ++p) {
        compter(p, base.LireIndividu(p).naissance);
        compter(p, base.LireIndividu(p).deces);
        std::set<std::uint32_t> vues;
        for (std::int64_t f = base.LireIndividu(p).premiereFamille;
             f > 0 && vues.insert(static_cast<std::uint32_t>(f)).second;) {
            const Famille fiche = base.LireFamille(static_cast<std::uint32_t>(f));
            compter(p, fiche.mariage);
            f = fiche.suivante;
        }
    }
    ASSERT_GT(attendu.size(), 50u);

    auto l = liste(b, false, true);
    const Configuration c;
    b.contexte.preferences = &c;
    l->preparer(b.contexte);
    ASSERT_EQ(l->patronymes().size(), attendu.size());
    auto a = attendu.begin();
    for (const PatronymeEclair& p : l->patronymes()) {
        int premiere = INT32_MAX, derniere = INT32_MIN;
        for (const LieuEclair& x : p.lieux) {
            premiere = std::min<int>(premiere, x.premiere);
            derniere = std::max<int>(derniere, x.derniere);
            EXPECT_LE(x.premiere, x.derniere) << p.nom;
        }
        EXPECT_EQ(std::make_pair(premiere, derniere), a->second) << p.nom;
        ++a;
    }
}

TEST(ListeEclair, fichiersReelsLesAnneesDeChaquePatronymeEgalentUnCalculIndependant) {
    namespace fs = std::filesystem;
    const fs::path dossier = fs::path(LIGNARA_DOSSIER_TESTDATA);
    if (!fs::exists(dossier / "porges-mdf/royal92.ged")) GTEST_SKIP() << "fichiers réels absents de " << dossier;
    comparerAuCalculIndependant(dossier / "porges-mdf/royal92.ged");
    comparerAuCalculIndependant(dossier / "dj-gedcom-samples/pres2020.ged");
}

}  // namespace
}  // namespace lignara
