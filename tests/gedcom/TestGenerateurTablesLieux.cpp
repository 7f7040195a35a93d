// Le générateur des tables de lieux, lancé sur de petits fichiers : coloration, et refus d'un fichier mal formé
// nommant la ligne fautive. Tri et clés se vérifient sur les tables livrées qu'il produit (TestLieux).
#include <unistd.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#ifdef LIGNARA_GENERATEUR_LIEUX

namespace fs = std::filesystem;

namespace {

struct Resultat {
    int code = -1;
    std::string source;   // le C++ produit
    std::string message;  // la sortie d'erreur
};

std::string lire(const fs::path& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    std::stringstream s;
    s << flux.rdbuf();
    return s.str();
}

class GenerateurTablesLieux : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* essai = ::testing::UnitTest::GetInstance()->current_test_info();
        dossier_ = fs::temp_directory_path() /
                   ("lignara-tables-lieux-" + std::string(essai->name()) + "-" + std::to_string(::getpid()));
        fs::remove_all(dossier_);
        fs::create_directories(dossier_);
        fichiers_ = {{"pays.txt", "FR  France\nDE  Allemagne ; RFA\nae  RDA\n"},
                     {"regions.txt", "# régions\nAlsace\nÎle-de-France\n"},
                     {"sigles.txt", "FRA  FR\nDEU  DE\n"},
                     {"subdivisions-DE.txt", "33  Thuringe\n34  Bavière ; Bayern  # deux noms\n35  Sarre\n"}};
    }
    void TearDown() override { fs::remove_all(dossier_); }

    Resultat generer() {
        fs::remove(dossier_ / "sortie.cpp");
        std::string commande =
            std::string("\"") + LIGNARA_GENERATEUR_LIEUX + "\" \"" + (dossier_ / "sortie.cpp").string() + "\"";
        for (const auto& [nom, contenu] : fichiers_) {
            std::ofstream(dossier_ / nom, std::ios::binary) << contenu;
            commande += " \"" + (dossier_ / nom).string() + "\"";
        }
        commande += " 2> \"" + (dossier_ / "erreurs.txt").string() + "\"";
        const int etat = std::system(commande.c_str());
        Resultat r;
        r.code = etat == 0 ? 0 : 1;
        r.source = lire(dossier_ / "sortie.cpp");
        r.message = lire(dossier_ / "erreurs.txt");
        return r;
    }

    void attendreRefus(const std::string& fichierEtLigne, const std::string& motif) {
        const auto r = generer();
        EXPECT_NE(r.code, 0) << motif;
        EXPECT_NE(r.message.find(fichierEtLigne), std::string::npos) << r.message;
        EXPECT_NE(r.message.find(motif), std::string::npos) << r.message;
        EXPECT_TRUE(r.source.empty()) << "rien ne doit être écrit après un refus";
    }

    fs::path dossier_;
    std::map<std::string, std::string> fichiers_;
};

}  // namespace

TEST_F(GenerateurTablesLieux, tableDeColorationDesRegionsSurLesNomsDesSubdivisions) {
    // Lue avant les subdivisions (ordre des noms de fichiers) : elle est résolue après.
    fichiers_["coloration-DE-essai.txt"] = "# essai\nSud : Bayern ; Sarre\nEst : Thuringe\n";
    const auto r = generer();
    ASSERT_EQ(r.code, 0) << r.message;
    EXPECT_NE(r.source.find("kColorationRegions_DE_essai{{\n    \"Sud\",\n    \"Est\",\n}};"), std::string::npos)
        << r.source;
    // Cases triées sur le code de subdivision ; la case est le rang de la région.
    EXPECT_NE(r.source.find("kColorationCases_DE_essai{{\n    {33, 1},\n    {34, 0},\n    {35, 0},\n}};"),
              std::string::npos);
    EXPECT_NE(r.source.find("{CodePays{\"DE\"}, \"essai\", kColorationRegions_DE_essai, kColorationCases_DE_essai}"),
              std::string::npos);
}

// Chaque cas part des fichiers valides, en remplace ou en ajoute un ou deux.
TEST_F(GenerateurTablesLieux, refuseUnFichierMalFormeEnNommantSaLigneEtSaFaute) {
    const std::string de = "subdivisions-DE.txt", col = "coloration-DE-essai.txt";
    const struct {
        std::map<std::string, std::string> remplaces;
        std::string ou, motif;
    } cas[] = {
        {{{de, "33  Thuringe\n32  Sarre\n"}}, de + ":2:", "hors de 33 à 255"},
        {{{de, "\n# commentaire\n33  Thuringe\n34  Sarre\n33  Hesse\n"}}, de + ":5:", "le code 33 est déjà ligne 3"},
        {{{de, "33  Bavière\n34  BAVIERE\n"}}, de + ":2:", "la clé BAVIERE (de « BAVIERE ») est déjà ligne 1"},
        {{{de, "33\n"}}, de + ":1:", "il manque le nom"},
        {{{de, "33  Łódź\n"}}, de + ":1:", "absent de Windows-1252"},
        {{{de, "33  Sarre\n34  Hes\xFFse\n"}}, de + ":2:", "UTF-8 mal formé"},
        {{{"sigles.txt", "FRA  FR\nITA  IT\n"}}, "sigles.txt:2:", "le code IT n'est pas un code de pays.txt"},
        {{{col, "Sud : Bavière ; Sarre\nEst : Thuringe ; Hesse\n"}},
         col + ":2:",
         "« Hesse » n'est pas une subdivision de subdivisions-DE.txt"},
        {{{col, "Sud : Bavière ; Sarre\n"}}, col, "la subdivision 33 (THURINGE) n'est dans aucune région"},
        {{{col, "Sud : Sarre\nEst : Thuringe\nNord : Bavière\n"}, {"coloration-IT-essai.txt", "Nord : Toscane\n"}},
         "coloration-IT-essai.txt",
         "pas de fichier subdivisions-IT.txt"},
    };
    const auto valides = fichiers_;
    for (const auto& c : cas) {
        SCOPED_TRACE(c.motif);
        fichiers_ = valides;
        for (const auto& [nom, contenu] : c.remplaces) fichiers_[nom] = contenu;
        attendreRefus(c.ou, c.motif);
    }
}

#endif  // LIGNARA_GENERATEUR_LIEUX
