#include <gtest/gtest.h>

#include <iterator>

#include "support/AlterationsStockees.h"
#include "support/Message.h"
#include "TestCategorieDossiers.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "commun/MetriquePolice.h"
#include "reference/Chronologie.h"
#include "reference/ChronologieListe.h"
#include "reference/ChronologieSource.h"

using namespace lignara;
using essai::DossiersEssai;
using essai::messageDe;

namespace {

PeriodeChronologie periode(int debut, int fin, const std::string& libelle) {
    return {static_cast<std::int16_t>(debut), static_cast<std::int16_t>(fin), libelle, 0x11, 0x22, 0x33};
}

const std::vector<PeriodeChronologie> kBourbons = {periode(1589, 1610, "Henri IV"),  periode(1610, 1643, "Louis XIII"),
                                                   periode(1643, 1715, "Louis XIV"), periode(1715, 1774, "Louis XV"),
                                                   periode(1774, 1792, "Louis XVI"), periode(1792, 1795, "Convention"),
                                                   periode(1792, 1792, "Valmy"),     periode(1795, 1799, "Directoire")};

Chronologie bourbons(int premiere, int derniere) {
    return Chronologie::lire(Chronologie::image(kBourbons), premiere, derniere);
}

}  // namespace

// Le rang 0 veut dire « aucune chronologie » ; les autres sont des fichiers livrés, sous Chrono,
// trouvés par leur nom exact, et chargés pour les années de l'arbre.
TEST(ChronologieListe, commenceParAucunPuisLesLivreesTrouveesParNomExactEtChargees) {
    DossiersEssai d;
    auto liste = ChronologieListe::livree();
    EXPECT_EQ(liste.entrees().at(0).nom, "(aucun)");
    std::string message;
    EXPECT_EQ(liste.trouver("Littérature française"_1252, message), 20u);
    EXPECT_EQ(liste.trouver("france", message), 0u);
    EXPECT_EQ(message, "La chronologie \"france\" n'existe pas");
    EXPECT_EQ(ChronologieListe::fichier({"Siècles"_1252, 1}), d.installation() / "Chrono" / "Chrono-Siècles.dwa");
    EXPECT_EQ(ChronologieListe::fichier({"Perso", 0}), d.configuration() / "Chrono-Perso.dwa");
    // Les années viennent de l'année courante, dans l'ordre ; un fichier absent est inaccessible.
    DossiersEssai::ecrire(d.installation() / "Chrono" / "Chrono-France.dwa", Chronologie::image(kBourbons));
    for (auto [age1, age2] : {std::pair{100, 300}, {300, 100}}) {
        auto c = Chronologie::charger({"France", 1}, age1, age2, 2000);
        EXPECT_EQ(std::pair(c.premiereAnnee(), c.derniereAnnee()), std::pair(1700, 1900)) << age1;
    }
    auto absent = [] { Chronologie::charger({"Papes", 1}, 0, 300, 2000); };
    EXPECT_EQ(messageDe(absent), "Fichier de chronologie inaccessible");
    EXPECT_TRUE(Chronologie::charger(ChronologieListe::livree().entrees()[0], 0, 300, 2000).vide());
}

// 64 unités par an depuis le haut (Y2) ; les périodes de même début sont décalées de 20.
TEST(Chronologie, placeLesBandesBorneesAuxAnneesDeLArbreEtDecaleCellesDeMemeDebut) {
    auto b = bourbons(1700, 1900).bandes();
    ASSERT_EQ(b.size(), 6u);
    EXPECT_EQ(b[0].haut, (1900 - 1715) * 64);
    EXPECT_EQ(b[0].bas, (1900 - 1700) * 64 + 20);
    EXPECT_EQ(b[0].couleur, 0x332211u);
    EXPECT_EQ(b[3].bas, (1900 - 1792) * 64 + 20);   // Convention : premier du 1792
    EXPECT_EQ(b[4].haut, (1900 - 1792) * 64 - 20);  // Valmy : second du 1792
    EXPECT_EQ(b[5].haut, (1900 - 1799) * 64);       // Directoire : la série est finie
    // Le début est borné ci-dessus ; ici la fin ; sans période dans les années de l'arbre : vide.
    std::vector<int> annees;
    const Chronologie c = bourbons(1600, 1650);
    for (const auto& p : c.periodes()) annees.insert(annees.end(), {p.debut, p.fin});
    EXPECT_EQ(annees, (std::vector<int>{1600, 1610, 1610, 1643, 1643, 1650}));
    EXPECT_TRUE(bourbons(1800, 1900).vide());
}

// Un arbre qui remonte avant la première période : sa bande et son libellé restent dans la
// période, le haut de l'arbre sans fond. Au bas de l'arbre, les bornes ne passent pas sous zéro.
TEST(Chronologie, bandesLibellesEtLargeurAuxBordsDeLArbreEtImagesInvalidesOuAlterees) {
    auto c =
        Chronologie::lire(Chronologie::image({periode(1500, 1600, "XVIe"), periode(1600, 1700, "XVIIe")}), 1200, 1700);
    EXPECT_EQ(c.bandes().at(0).bas, (1700 - 1500) * 64 + 20);
    EXPECT_EQ(c.libelles().at(0).y, ((2 * 1700 - 1500 - 1600) * 64 - 176) / 2 + 42);
    auto b = Chronologie::lire(Chronologie::image({periode(1900, 1900, "a"), periode(1900, 1900, "b")}), 1850, 1900)
                 .bandes();
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].haut, 0);
    EXPECT_EQ(b[1].bas, 0);
    // Une période sans libellé, ou dont le milieu tombe au-dessus de l'arbre, n'en montre pas.
    c = Chronologie::lire(
        Chronologie::image({periode(1700, 1800, "Siècle"), periode(1850, 1900, ""), periode(1900, 1900, "Fin")}), 1700,
        1900);
    auto l = c.libelles();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].texte, "Siècle");
    // « Cent-Jours » tomberait sur « Louis XVIII » : il monte à la première place libre ; en haut de l'arbre, descend.
    auto proches = Chronologie::lire(
        Chronologie::image({periode(1814, 1815, "Louis XVIII"), periode(1815, 1815, "Cent-Jours"),
                            periode(1815, 1824, "Louis XVIII"), periode(1897, 1898, "a"), periode(1898, 1899, "b")}),
        1700, 1900);
    auto libelles = proches.libelles();
    ASSERT_EQ(libelles.size(), 5u);
    const std::int32_t premier = ((2 * 1900 - 1814 - 1815) * 64 - 176) / 2 + 42;
    EXPECT_EQ(libelles[0].y, premier);        // le premier garde sa place
    EXPECT_EQ(libelles[1].y, premier - 176);  // juste au-dessus, sans chevauchement
    EXPECT_GT(libelles[4].y, libelles[3].y);  // plus de place au-dessus : en dessous
    for (std::size_t i = 0; i < libelles.size(); ++i)
        for (std::size_t j = i + 1; j < libelles.size(); ++j)
            EXPECT_TRUE(libelles[i].y + 176 <= libelles[j].y || libelles[j].y + 176 <= libelles[i].y)
                << libelles[i].texte << " / " << libelles[j].texte;
    MetriquePolice police;
    for (auto& largeur : police.largeurs) largeur = 500;                   // 5 unités par caractère
    EXPECT_EQ(bourbons(1700, 1900).largeurLibelles(police), 10 * 5 + 90);  // « Directoire »
    EXPECT_EQ(bourbons(1000, 1100).largeurLibelles(police), 90);
    // Une image coupée, au nombre de périodes trop grand (lu jusqu'aux années de l'arbre) ou au libellé
    // de plus de 100 octets est inaccessible ; des octets inversés ne font pas lire hors de l'image.
    std::string image = Chronologie::image(kBourbons);
    essai::pourChaqueTroncature(
        image, [](const std::string& o) { EXPECT_THROW(Chronologie::lire(o, 1500, 2000), OperationImpossible); });
    EXPECT_NO_THROW(Chronologie::lire(image, 1500, 2000));
    image[1] = image[2] = static_cast<char>(0xFF);
    EXPECT_THROW(Chronologie::lire(image, 1500, 2000), OperationImpossible);
    EXPECT_EQ(Chronologie::lire(image, 1500, 1700).periodes().size(), 3u);
    std::string libelle = Chronologie::image({periode(1700, 1800, std::string(100, 'x'))});
    EXPECT_NO_THROW(Chronologie::lire(libelle, 1700, 1800));
    libelle[7] = 101;
    libelle += '\0';
    EXPECT_THROW(Chronologie::lire(libelle, 1700, 1800), OperationImpossible);
    essai::pourDesOctetsAlteres(Chronologie::image(kBourbons), 1789, 2000, 1, [](const std::string& abime) {
        try {
            auto alteree = Chronologie::lire(abime, 1500, 2000);
            for (const auto& p : alteree.periodes()) {
                EXPECT_LE(p.libelle.size(), 100u);
                EXPECT_GE(p.debut, 1500);
                EXPECT_LE(p.fin, 2000);
            }
            alteree.bandes();
            alteree.libelles();
        } catch (const OperationImpossible&) {
        }
    });
}

// Une ligne par période ; chaque source livrée a sa ligne dans la liste et se relit au complet.
TEST(ChronologieSource, litUneLigneParPeriodeNommeLaLigneFautiveEtChaqueSourceLivreeSeRelitAuComplet) {
    auto s =
        ChronologieSource::lire("# commentaire\n 1643 1715 C0FFEE Louis XIV\r\n\n2017 ... 0000ff Emmanuel Macron\n");
    ASSERT_TRUE(s.faute().empty()) << s.faute();
    ASSERT_EQ(s.periodes().size(), 2u);
    EXPECT_EQ(s.periodes()[1].fin, ChronologieSource::kEnCours);
    EXPECT_EQ(ChronologieSource::lire("1700 1800 FFFFFF a\n1600 1650 FFFFFF b\n").faute(),
              "ligne 2 : début avant celui de la ligne précédente");
    EXPECT_EQ(ChronologieSource::lire("1700 1800 FFFFFF \xE4\xB8\xAD\n").faute(),
              "ligne 1 : caractère absent de Windows-1252 dans le libellé");
    // Les sources de data/ : chacune a sa ligne dans la liste, se lit, et son image se relit au complet.
    auto liste = ChronologieListe::livree();
    const auto dossier = std::filesystem::path(LIGNARA_DOSSIER_SOURCES) / "data/Chronologies";
    const auto sources = std::distance(std::filesystem::directory_iterator(dossier), {});
    EXPECT_EQ(static_cast<std::size_t>(sources), liste.entrees().size() - 1);
    for (std::size_t i = 1; i < liste.entrees().size(); ++i) {
        std::string nom = versUtf8(liste.entrees()[i].nom);
        auto source = ChronologieSource::lire(DossiersEssai::lire(dossier / (nom + ".txt")));
        EXPECT_TRUE(source.faute().empty()) << nom << " : " << source.faute();
        auto relue = Chronologie::lire(Chronologie::image(source.periodes()), -32768, 32767);
        EXPECT_EQ(relue.periodes().size(), source.periodes().size()) << nom;
    }
}
