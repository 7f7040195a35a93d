#include "documents/Visualiseur.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "documents/NommageFichier.h"
#include "reglages/DossierEssai.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;

// Faux afficheur : écrit chacun de ses arguments sur une ligne de « arguments.txt ».
fs::path fauxAfficheur(const essai::DossierEssai& d) {
    fs::path script = d / "faux afficheur";
    std::ofstream(script)
        << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname \"$0\")/arguments.tmp\"\n"
           "mv \"$(dirname \"$0\")/arguments.tmp\" \"$(dirname \"$0\")/arguments.txt\"\n";
    fs::permissions(script, fs::perms::owner_all);
    return script;
}

std::vector<std::string> argumentsRecus(const essai::DossierEssai& d) {
    fs::path f = d / "arguments.txt";
    // Large délai : machine chargée, sanitiseurs.
    for (int i = 0; i < 3000 && !fs::exists(f); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::vector<std::string> lignes;
    std::ifstream in(f);
    for (std::string l; std::getline(in, l);) lignes.push_back(l);
    return lignes;
}

TEST(Visualiseur, choisitLAfficheurParLExtensionEtXdgOpenSansPreference) {
    CommandesAfficheurs c = {"evince", "gedit --new-window", "", "\"/opt/mon navigateur/nav\" -p"};
    EXPECT_EQ(argumentsAfficheur(c, "/t/AA_X.pdf"), (std::vector<std::string>{"evince", "/t/AA_X.pdf"}));
    EXPECT_EQ(argumentsAfficheur(c, "/t/LA_X.txt"), (std::vector<std::string>{"gedit", "--new-window", "/t/LA_X.txt"}));
    EXPECT_EQ(argumentsAfficheur(c, "/t/TA_X.rtf"), (std::vector<std::string>{"xdg-open", "/t/TA_X.rtf"}));
    EXPECT_EQ(argumentsAfficheur(c, "/t/AA_X.htm"),
              (std::vector<std::string>{"/opt/mon navigateur/nav", "-p", "/t/AA_X.htm"}));
}

TEST(Visualiseur, lanceLAfficheurSansShellAvecUnNomPleinDeMetacaracteres) {
    essai::DossierEssai d;
    fs::path script = fauxAfficheur(d);
    Graphique g;
    nommerFichier(g, d.chemin(), "AA_", "$(touch pirate);x|y \"z\" `w` & v");
    CommandesAfficheurs c;
    c[0] = "\"" + script.string() + "\"";
    ASSERT_TRUE(visualiser(g, c));
    auto args = argumentsRecus(d);
    ASSERT_EQ(args.size(), 1u);
    EXPECT_EQ(args[0], g.chemin);
    EXPECT_FALSE(fs::exists(d / "pirate"));
    EXPECT_FALSE(fs::exists("pirate"));
}

}  // namespace
}  // namespace lignara
