// Pilote des transcriptions de la ligne de commande : chaque tests/cli/NOM.cmd est rejoué
// commande par commande et sa transcription comparée à NOM.out. Un cas a son dossier propre
// (@DOSSIER@, aussi XDG_CONFIG_HOME et dossier courant ; TMPDIR en est le sous-dossier tmp), les
// données construites et une date fixée (SOURCE_DATE_EPOCH). Lignes d'un .cmd :
//   lignara ARGUMENTS…        une commande ; les arguments se séparent aux blancs, '…' et "…"
//                             en groupent (jamais de shell : ni $, ni *, ni redirection)
//   # texte                   un commentaire, absent de la transcription
//   #ecrire CHEMIN            écrit les lignes suivantes, jusqu'à « #fin », dans CHEMIN
//   #octets CHEMIN 5B 02 …    écrit ces octets dans CHEMIN
//   #copier SOURCE CHEMIN     copie un fichier (photo-blanche-8x8.jpg : un JPEG blanc de 8 × 8)
//   #env NOM=VALEUR           variable des commandes suivantes
//   #dans DOSSIER             dossier courant des commandes suivantes
//   #fichier CHEMIN           transcrit le contenu de CHEMIN
//   #fichiers DOSSIER         transcrit les fichiers ordinaires sous DOSSIER
//   #compter CHEMIN MOTIF     transcrit le nombre de MOTIF (« \n » : saut de ligne) dans CHEMIN
//   #identiques CHEMIN CHEMIN transcrit « oui » quand les deux fichiers ont les mêmes octets
//   #qpdf CHEMIN              qpdf --check accepte CHEMIN (le cas est sauté sans qpdf)
// Jetons : @DOSSIER@, @FIXTURES@, @SOURCES@, @REELS@ (fichiers GEDCOM réels ; le cas est sauté
// quand ils manquent). La transcription remet les jetons à la place des chemins.
// LIGNARA_TRANSCRIPTIONS_ECRIRE=1 réécrit les .out au lieu de comparer : à relire avant de les garder.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Controles.h"
#include "support/DossierEssai.h"
#include "support/Programme.h"

namespace lignara::essai {
namespace {

namespace fs = std::filesystem;

const fs::path kCas = fs::path(LIGNARA_DOSSIER_SOURCES) / "tests" / "cli";

std::vector<std::string> lignes(const std::string& texte) {
    std::vector<std::string> resultat;
    std::istringstream flux(texte);
    for (std::string ligne; std::getline(flux, ligne);) resultat.push_back(ligne);
    return resultat;
}

std::string remplacer(std::string texte, const std::string& avant, const std::string& apres) {
    for (std::size_t p = 0; !avant.empty() && (p = texte.find(avant, p)) != std::string::npos; p += apres.size())
        texte.replace(p, avant.size(), apres);
    return texte;
}

// Octets montrés lisiblement : UTF-8 et tabulations tels quels, \r et les autres contrôles ou
// octets hors UTF-8 en \xHH ; une fin sans saut de ligne est dite.
std::string lisible(const std::string& octets) {
    std::string s;
    for (std::size_t i = 0; i < octets.size();) {
        const auto c = static_cast<unsigned char>(octets[i]);
        std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        for (std::size_t k = 1; n > 1 && k < n; ++k)
            if (i + k >= octets.size() || (static_cast<unsigned char>(octets[i + k]) & 0xC0) != 0x80) n = 0;
        if (n == 1 && (c >= 0x20 || c == '\n' || c == '\t') && c != 0x7F) {
            s += octets[i];
        } else if (n > 1) {
            s += octets.substr(i, n);
        } else {
            static const char* const kHexa = "0123456789ABCDEF";
            s += c == '\r' ? std::string("\\r") : std::string("\\x") + kHexa[c >> 4] + kHexa[c & 15];
            n = 1;
        }
        i += n;
    }
    if (!s.empty() && s.back() != '\n') s += "\n[sans saut de ligne final]\n";
    return s;
}

// Arguments d'une ligne, séparés comme l'utilisateur les tape ; vide et faux si un guillemet
// n'est pas fermé.
bool separer(const std::string& ligne, std::vector<std::string>& arguments) {
    std::string courant;
    bool dans = false;
    char guillemet = 0;
    for (char c : ligne) {
        if (guillemet) {
            if (c == guillemet)
                guillemet = 0;
            else
                courant += c;
        } else if (c == '\'' || c == '"') {
            guillemet = c;
            dans = true;
        } else if (c == ' ' || c == '\t') {
            if (dans) arguments.push_back(courant);
            courant.clear();
            dans = false;
        } else {
            courant += c;
            dans = true;
        }
    }
    if (dans) arguments.push_back(courant);
    return guillemet == 0;
}

class Transcription : public ::testing::TestWithParam<std::string> {
protected:
    std::string jetons(std::string texte) const {
        texte = remplacer(texte, "@DOSSIER@", dossier.chemin().string());
        texte = remplacer(texte, "@FIXTURES@", LIGNARA_DOSSIER_FIXTURES);
        texte = remplacer(texte, "@REELS@", LIGNARA_DOSSIER_TESTDATA);
        return remplacer(texte, "@SOURCES@", LIGNARA_DOSSIER_SOURCES);
    }
    // Les chemins de la machine redeviennent des jetons, du plus long au plus court.
    std::string sansChemins(std::string texte) const {
        texte = remplacer(texte, dossier.chemin().string(), "@DOSSIER@");
        texte = remplacer(texte, LIGNARA_DOSSIER_FIXTURES, "@FIXTURES@");
        texte = remplacer(texte, LIGNARA_DOSSIER_TESTDATA, "@REELS@");
        return remplacer(texte, LIGNARA_DOSSIER_SOURCES, "@SOURCES@");
    }

    void lancer(const std::vector<std::string>& arguments) {
        std::string commande;
        for (std::size_t i = 1; i < arguments.size(); ++i) commande += cite(jetons(arguments[i])) + " ";
        const fs::path erreurs = coulisses / "erreurs";
        const SortieProgramme s = lancerProgramme(commande + "</dev/null 2>" + cite(erreurs.string()),
                                                  "cd " + cite(courant) + " && " + environnement);
        transcription += sansChemins(lisible(s.texte));
        for (const std::string& l : lignes(sansChemins(lisible(lireFichier(erreurs)))))
            transcription += "[erreur] " + l + "\n";
        fs::remove(erreurs);
        transcription += "[code " + std::to_string(s.code) + "]\n";
    }

    // Directive « #nom suite » ; faux si elle est inconnue.
    bool directive(const std::string& nom, const std::string& suite) {
        const std::string premier = suite.substr(0, suite.find(' '));
        const std::string reste = suite.find(' ') == std::string::npos ? "" : suite.substr(suite.find(' ') + 1);
        const fs::path chemin = jetons(premier);
        if (nom == "env") {
            const std::string valeur = jetons(suite);
            environnement += valeur.substr(0, valeur.find('=') + 1) + cite(valeur.substr(valeur.find('=') + 1)) + " ";
        } else if (nom == "dans") {
            courant = chemin.string();
        } else if (nom == "octets") {
            std::string octets;
            std::istringstream hexa(reste);
            for (unsigned v; hexa >> std::hex >> v;) octets += static_cast<char>(v);
            fs::create_directories(chemin.parent_path());
            ecrireFichier(chemin, octets);
        } else if (nom == "copier") {
            fs::create_directories(fs::path(jetons(reste)).parent_path());
            fs::copy_file(chemin, jetons(reste), fs::copy_options::overwrite_existing);
        } else if (nom == "fichier") {
            transcription += fs::exists(chemin) ? sansChemins(lisible(lireFichier(chemin))) : "(absent)\n";
        } else if (nom == "fichiers") {
            std::vector<std::string> noms;
            if (!fs::is_directory(chemin)) noms.push_back("(pas de dossier)");
            for (const auto& e : fs::recursive_directory_iterator(chemin, fs::directory_options::none, erreur))
                if (e.is_regular_file()) noms.push_back(fs::relative(e.path(), chemin).string());
            std::sort(noms.begin(), noms.end());
            for (const std::string& n : noms) transcription += n + "\n";
            if (noms.empty()) transcription += "(aucun)\n";
        } else if (nom == "compter") {
            const std::string texte = lireFichier(chemin), motif = remplacer(reste, "\\n", "\n");
            std::size_t n = 0;
            for (std::size_t p = texte.find(motif); !motif.empty() && p != std::string::npos;
                 p = texte.find(motif, p + 1))
                ++n;
            transcription += std::to_string(n) + "\n";
        } else if (nom == "identiques") {
            transcription +=
                lireFichier(chemin) == lireFichier(jetons(reste)) && fs::exists(chemin) ? "oui\n" : "non\n";
        } else if (nom == "qpdf") {
            controlerPdf(chemin);
        } else {
            return false;
        }
        return true;
    }

    std::error_code erreur;           // un dossier absent se dit dans la transcription
    DossierEssai dossier, coulisses;  // la sortie d'erreur passe par les coulisses
    std::string courant = dossier.chemin().string(), environnement, transcription;
};

TEST_P(Transcription, rejoueSesCommandesEtDonneLaSortieAttendue) {
    const fs::path cmd = kCas / (GetParam() + ".cmd"), out = kCas / (GetParam() + ".out");
    const std::string texte = lireFichier(cmd);
    if (texte.find("@REELS@") != std::string::npos && !fs::is_directory(LIGNARA_DOSSIER_TESTDATA))
        GTEST_SKIP() << "fichiers réels absents de " << LIGNARA_DOSSIER_TESTDATA;
    fs::create_directories(dossier / "tmp");
    environnement = "XDG_CONFIG_HOME=" + cite(dossier.chemin().string()) +
                    " TMPDIR=" + cite((dossier / "tmp").string()) +
                    " LIGNARA_DONNEES=" + cite(LIGNARA_DOSSIER_DONNEES) + " SOURCE_DATE_EPOCH=1700000000 ";
    const std::vector<std::string> source = lignes(texte);
    for (std::size_t i = 0; i < source.size(); ++i) {
        const std::string& ligne = source[i];
        if (ligne.empty() || ligne == "#" || ligne.starts_with("# ")) continue;
        if (!transcription.empty()) transcription += "\n";
        if (ligne.starts_with("#ecrire ")) {
            std::string contenu;
            while (++i < source.size() && source[i] != "#fin") contenu += source[i] + "\n";
            const fs::path chemin = jetons(ligne.substr(8));
            fs::create_directories(chemin.parent_path());
            ecrireFichier(chemin, contenu);
            transcription += ligne + "\n";
            continue;
        }
        transcription += (ligne[0] == '#' ? "" : "$ ") + ligne + "\n";
        std::vector<std::string> mots;
        if (ligne[0] == '#') {
            const auto blanc = ligne.find(' ');
            const std::string nom = ligne.substr(1, blanc - 1);
            ASSERT_TRUE(blanc != std::string::npos && directive(nom, ligne.substr(blanc + 1)))
                << cmd << ":" << i + 1 << " : directive inconnue ou incomplète : " << ligne;
        } else {
            ASSERT_TRUE(separer(ligne, mots) && !mots.empty() && mots[0] == "lignara")
                << cmd << ":" << i + 1 << " : ni « lignara … » ni directive : " << ligne;
            lancer(mots);
        }
        if (IsSkipped()) return;
    }
    if (std::getenv("LIGNARA_TRANSCRIPTIONS_ECRIRE")) return ecrireFichier(out, transcription);
    const std::vector<std::string> attendues = lignes(lireFichier(out)), obtenues = lignes(transcription);
    std::string ecarts;
    for (std::size_t n = 0, montres = 0; n < std::max(attendues.size(), obtenues.size()) && montres < 12; ++n) {
        const std::string a = n < attendues.size() ? attendues[n] : "(fin)",
                          o = n < obtenues.size() ? obtenues[n] : "(fin)";
        if (a == o) continue;
        ecarts += "  ligne " + std::to_string(n + 1) + "\n    attendue : " + a + "\n    obtenue  : " + o + "\n";
        ++montres;
    }
    EXPECT_TRUE(ecarts.empty() && lireFichier(out) == transcription)
        << out << " diffère de la transcription :\n"
        << ecarts << "(LIGNARA_TRANSCRIPTIONS_ECRIRE=1 réécrit les .out ; relisez-les ensuite)\n--- obtenue ---\n"
        << transcription;
}

std::vector<std::string> cas() {
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(kCas))
        if (e.path().extension() == ".cmd") noms.push_back(e.path().stem().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}

INSTANTIATE_TEST_SUITE_P(Cli, Transcription, ::testing::ValuesIn(cas()), [](const auto& cas) {
    std::string nom = cas.param;
    std::replace_if(
        nom.begin(), nom.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return nom;
});

}  // namespace
}  // namespace lignara::essai
