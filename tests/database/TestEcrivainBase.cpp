#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "BaseEssai.h"
#include "ProcessusEssai.h"
#include "commun/Texte.h"
#include "database/EcrivainBase.h"
#include "support/Message.h"

using namespace lignara;
using essai::DossierEssai;

// Un import abandonné n'en laisse rien non plus.
TEST(EcrivainBase, creeUnFichierGenEnMode0600EffaceALaFermetureDeLaBaseOuALAbandon) {
    DossierEssai dossier;
    {
        EcrivainBase abandonne({3, 1, 1}, dossier.chemin());
        abandonne.ajouterTexte(TableNoms, "DUPONT");
        abandonne.ajouterIndividu({});
    }
    EXPECT_TRUE(std::filesystem::is_empty(dossier.chemin()));
    EcrivainBase e({1, 0, 0}, dossier.chemin());
    std::filesystem::path chemin = e.chemin();
    // Le numéro du processus dans le nom : le ménage du démarrage reconnaît un reste.
    const std::string debut = ".lignara-" + std::to_string(::getpid()) + "-gen-";
    EXPECT_EQ(chemin.filename().string().substr(0, debut.size()), debut);
    struct stat s {};
    ASSERT_EQ(::stat(chemin.c_str(), &s), 0);
    EXPECT_EQ(s.st_mode & 0777, 0600u);
    BaseGenealogique base = e.terminer();
    base.fermer();
    EXPECT_FALSE(std::filesystem::exists(chemin));
    EXPECT_TRUE(std::filesystem::is_empty(dossier.chemin()));  // rien ne traîne
}

TEST(EcrivainBase, rangeChaqueChaineUneFoisDansLOrdreDePremiereUtilisationSansSautDeLigne) {
    DossierEssai dossier;
    EcrivainBase e({1, 0, 0}, dossier.chemin());
    EXPECT_EQ(e.ajouterTexte(TableNoms, ""), 0u);
    std::uint32_t dupont = e.ajouterTexte(TableNoms, "DUPONT");
    e.ajouterTexte(TableNoms, "MARTIN");
    EXPECT_EQ(e.ajouterTexte(TableNoms, "DUPONT"), dupont);
    EXPECT_EQ(e.ajouterTexte(TableNoms, "DUPON"), 15u);   // un préfixe n'est pas la même chaîne
    EXPECT_EQ(e.ajouterTexte(TableLieux, "DUPONT"), 1u);  // chaque table a ses réf.
    // Un saut de ligne ou un octet nul casserait la table : remplacés par une espace.
    std::uint32_t a = e.ajouterTexte(TableCommentaires, "ligne un\nligne deux");
    std::uint32_t b = e.ajouterTexte(TableCommentaires, std::string("nul\0ici", 7));
    std::uint32_t c = e.ajouterTexte(TableCommentaires, "suivant");
    BaseGenealogique base = e.terminer();
    EXPECT_EQ(base.LireTexte(TableCommentaires, a), "ligne un ligne deux");
    EXPECT_EQ(base.LireTexte(TableCommentaires, b), "nul ici");
    EXPECT_EQ(base.LireTexte(TableCommentaires, c), "suivant");
    EXPECT_EQ(base.enTete().tables[TablePrenoms] - base.enTete().tables[TableNoms], 20u);  // DUPONT, MARTIN, DUPON
}

// Au-delà du tampon, les chaînes déjà rangées sont relues du fichier pour être comparées.
TEST(EcrivainBase, dedoubloneAussiLesChainesDejaSortiesDuTampon) {
    DossierEssai dossier;
    EcrivainBase e({1, 0, 0}, dossier.chemin());
    std::vector<std::uint32_t> refs;
    refs.reserve(20000);
    for (int i = 0; i < 20000; ++i) refs.push_back(e.ajouterTexte(TableSources, "Source n° "_1252 + std::to_string(i)));
    for (int i = 0; i < 20000; i += 7)
        ASSERT_EQ(e.ajouterTexte(TableSources, "Source n° "_1252 + std::to_string(i)), refs[i]) << i;
    BaseGenealogique base = e.terminer();
    EXPECT_EQ(base.LireTexte(TableSources, refs[12345]), "Source n° 12345"_1252);
}

TEST(EcrivainBase, coupeLesNotesLonguesEnLignesQuiSeRelisentEntieres) {
    DossierEssai dossier;
    EcrivainBase e({1, 0, 0}, dossier.chemin());
    std::string longue;
    for (int i = 0; i < 600; ++i) longue += static_cast<char>('a' + i % 26);
    std::string juste(249, 'x');
    std::uint32_t n1 = e.ajouterNotes({longue, juste, "", "fin", "", ""});
    std::uint32_t n2 = e.ajouterNotes({"avant\naprès"_1252});
    EXPECT_EQ(e.ajouterNotes({"", ""}), 0u);
    EXPECT_EQ(e.ajouterNotes({}), 0u);
    BaseGenealogique base = e.terminer();

    std::vector<std::string> lignes = base.LireNotes(n1);
    ASSERT_EQ(lignes.size(), 6u);  // 249 + 249 + 102, puis 249, la ligne vide, « fin »
    EXPECT_EQ(lignes[0] + lignes[1] + lignes[2], longue);
    EXPECT_EQ(lignes[3], juste);
    EXPECT_EQ(base.LireNotes(n2), (std::vector<std::string>{"avant", "après"_1252}));
    // Le bloc suivant commence juste après : compte sur 2 octets et lignes avec leur saut.
    EXPECT_EQ(n2, 1u + 2 + 250 + 250 + 103 + 250 + 1 + 4);
}

TEST(EcrivainBase, rangeLesPhotosAvecLeurNombreEnTeteEtLaisseLesCheminsTropLongs) {
    DossierEssai dossier;
    EcrivainBase e({1, 0, 0}, dossier.chemin());
    std::vector<std::string> beaucoup;
    beaucoup.reserve(300);
    for (int i = 0; i < 300; ++i) beaucoup.push_back("p" + std::to_string(i) + ".jpg");
    std::uint32_t a = e.ajouterPhotos({"a.jpg", "", "b.png"});
    std::uint32_t b = e.ajouterPhotos(beaucoup);
    // Coupé, un chemin trop long en nommerait un autre : il est laissé, pas coupé.
    std::uint32_t c = e.ajouterPhotos({std::string(400, 'z'), std::string(250, 'y')});
    EXPECT_EQ(e.ajouterPhotos({"", ""}), 0u);
    EXPECT_EQ(e.ajouterPhotos({"a.jpg", "b.png"}), a);
    BaseGenealogique base = e.terminer();
    EXPECT_EQ(base.LirePhotos(a), (std::vector<std::string>{"a.jpg", "b.png"}));
    std::vector<std::string> relues = base.LirePhotos(b);
    ASSERT_EQ(relues.size(), 255u);
    EXPECT_EQ(relues[254], "p254.jpg");
    EXPECT_EQ(base.LirePhotos(c), std::vector<std::string>{std::string(250, 'y')});
}

TEST(EcrivainBase, laisseAZeroLesEmplacementsReservesEtCompleteLesPersonnesOubliees) {
    DossierEssai dossier;
    EcrivainBase e({3, 2, 4}, dossier.chemin());
    Evenement naissance;
    naissance.date.annee = 1900;
    EXPECT_EQ(e.ajouterEvenement(naissance), 1u);
    e.ecrireIndividu(2, {});
    BaseGenealogique base = e.terminer();
    ASSERT_EQ(base.nombreEvenements(), 4u);
    for (std::uint32_t n = 2; n <= 4; ++n) {
        Evenement vide = base.LireEvenement(n);
        EXPECT_EQ(vide, Evenement{}) << n;
    }
    EXPECT_EQ(base.LireIndividu(1).fratrie, -1);
    EXPECT_EQ(base.LireIndividu(3).fratrie, -3);
    EXPECT_EQ(base.LireFamille(2).suivante, -2);
    // Rien après les emplacements : la taille du fichier suffit quand même.
    EXPECT_EQ(base.enTete().tables[TableSources], base.enTete().notes);
}

TEST(EcrivainBase, relitEtRetoucheUnEnregistrementDejaEcrit) {
    DossierEssai dossier;
    EcrivainBase e({3, 1, 0}, dossier.chemin());
    Individu enfant;
    enfant.pere = 2;
    enfant.fratrie = -1;
    e.ajouterIndividu(enfant);
    e.ajouterIndividu({});
    Individu relu = e.lireIndividu(1);
    relu.pere = 0;
    e.ecrireIndividu(1, relu);
    EXPECT_EQ(e.ajouterIndividu({}), 3u);  // la retouche ne fait pas reculer la suite
    e.ajouterFamille({0, 1, 0, -1, -1, 0});
    EXPECT_EQ(e.lireFamille(1).premierEnfant, 1u);
    BaseGenealogique base = e.terminer();
    EXPECT_EQ(base.LireIndividu(1).pere, 0u);
}

// Individus, événements et familles entremêlés, chacun par son tampon : une retouche en tampon, une relecture
// et beaucoup d'enregistrements (tampons pleins, recyclés) laissent partout la dernière valeur.
TEST(EcrivainBase, lesEcrituresEntremeleesLaissentLaDerniereValeur) {
    DossierEssai dossier;
    constexpr std::uint32_t n = 3000;
    EcrivainBase e({n, n, 2 * n}, dossier.chemin());
    for (std::uint32_t i = 1; i <= n; ++i) {
        Evenement ev;
        ev.date.annee = static_cast<std::int16_t>(1000 + i % 900);
        e.ecrireEvenement(2 * i - 1, ev);
        Individu ind;
        ind.naissance = 2 * i - 1;
        ind.fratrie = -static_cast<std::int32_t>(i);
        e.ecrireIndividu(i, ind);
        e.ecrireFamille(i, {i, 0, 0, -static_cast<std::int32_t>(i), -1, 0});
        if (i % 97 == 0) {  // retouche d'un individu encore en tampon, puis d'un déjà écrit
            Individu relu = e.lireIndividu(i);
            EXPECT_EQ(relu.naissance, 2 * i - 1);
            relu.pere = i - 1;
            e.ecrireIndividu(i, relu);
            Individu ancien = e.lireIndividu(i / 2);
            ancien.mere = 7;
            e.ecrireIndividu(i / 2, ancien);
        }
    }
    std::vector<bool> retouches(n + 1, false);
    for (std::uint32_t k = 97; k <= n; k += 97) retouches[k / 2] = true;
    BaseGenealogique base = e.terminer();
    for (std::uint32_t i = 1; i <= n; ++i) {
        const Individu ind = base.LireIndividu(i);
        ASSERT_EQ(ind.naissance, 2 * i - 1) << i;
        EXPECT_EQ(ind.pere, i % 97 == 0 ? i - 1 : 0u) << i;
        EXPECT_EQ(ind.mere, retouches[i] ? 7u : 0u) << i;
        EXPECT_EQ(base.LireEvenement(2 * i - 1).date.annee, 1000 + i % 900) << i;
        EXPECT_EQ(base.LireFamille(i).conjoint, i) << i;
    }
}

TEST(EcrivainBase, refuseUnNumeroHorsDesEffectifsAnnonces) {
    DossierEssai dossier;
    EcrivainBase e({2, 1, 1}, dossier.chemin());
    EXPECT_THROW(e.ecrireIndividu(0, {}), std::out_of_range);
    EXPECT_THROW(e.ecrireIndividu(3, {}), std::out_of_range);
    e.ajouterEvenement({});
    EXPECT_THROW(e.ajouterEvenement({}), std::out_of_range);
    EXPECT_THROW(e.marquerTeteDeBranche(3), std::out_of_range);
}

// Une limite de taille de fichier fait échouer les écritures comme un disque plein.
TEST(EcrivainBase, signaleUneEcritureIncompleteParErreurDEcriture) {
    DossierEssai dossier;
    EXPECT_EQ(essai::dansUnEnfant([&] {
                  essai::bornerTailleFichiers(8192);
                  return essai::messageDe([&] {
                             EcrivainBase e({2000, 0, 0}, dossier.chemin());
                             for (int i = 0; i < 2000; ++i) e.ajouterIndividu({});
                             e.terminer();
                         }) == "Erreur d'écriture dans le fichier\nFichier trop volumineux pour le système"_1252;
              }),
              1);
}
