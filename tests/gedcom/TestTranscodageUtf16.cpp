#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "FichierEssai.h"
#include "commun/DossierPrive.h"
#include "commun/Texte.h"
#include "gedcom/LecteurGedcom.h"
#include "gedcom/RapportEnMemoire.h"
#include "gedcom/TranscodageUtf16.h"

namespace lignara {
namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

std::string transcoder(std::string_view utf16, OrdreUtf16 ordre) {
    std::FILE* source = std::tmpfile();
    std::FILE* destination = std::tmpfile();
    std::fwrite(utf16.data(), 1, utf16.size(), source);
    std::rewind(source);
    EXPECT_TRUE(transcoderUtf16(source, ordre, destination));
    std::rewind(destination);
    std::string sortie;
    for (int c; (c = std::fgetc(destination)) != EOF;) sortie += static_cast<char>(c);
    std::fclose(source);
    std::fclose(destination);
    return sortie;
}

TEST(TranscodageUtf16, reconnaitLaMarqueOuLaPremiereLigneAUnOctetSurDeuxNul) {
    const auto P = OrdreUtf16::PetitBoutiste, G = OrdreUtf16::GrandBoutiste, A = OrdreUtf16::Aucun;
    const std::tuple<std::string_view, OrdreUtf16, bool> cas[] = {
        {"\xFF\xFE\x30\0"sv, P, true},
        {"\xFE\xFF\0\x30"sv, G, true},
        {"0\0 \0H\0E\0A\0D\0\r\0\n\0"sv, P, false},
        {"0\0 \0H\0"sv, P, false},
        {"\0\x30\0 \0H\0E\0A\0D"sv, G, false},
        {"0 HEAD\r\n1 CHAR UTF-8\r\n"sv, A, false},
        {"\xEF\xBB\xBF\x30 HEAD"sv, A, false},
        {"0\0"sv, A, false},            // trop court pour juger
        {"0\0 \0H\0\0\0"sv, A, false},  // NUL dans la ligne
        {""sv, A, false},
    };
    for (const auto& [octets, ordre, marque] : cas) {
        EXPECT_EQ(detecterUtf16(octets).ordre, ordre) << octets;
        EXPECT_EQ(detecterUtf16(octets).avecMarque, marque) << octets;
    }
}

TEST(TranscodageUtf16, pairesDeSubstitutionEtDemiCodetsIsoles) {
    // « é », U+1F600 (paire), demi-codet bas isolé, demi-codet haut suivi d'un 'a'.
    EXPECT_EQ(transcoder("\xE9\0\x3D\xD8\x00\xDE\x00\xDC\x3D\xD8"
                         "a\0"sv,
                         OrdreUtf16::PetitBoutiste),
              "\xC3\xA9\xF0\x9F\x98\x80?"
              "?a");
    EXPECT_EQ(transcoder("\0\xE9\xD8\x3D\xDE\x00"sv, OrdreUtf16::GrandBoutiste), "\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(transcoder("a\0\x3D\xD8"sv, OrdreUtf16::PetitBoutiste), "a?");  // demi-codet final
    EXPECT_EQ(transcoder("a\0b"sv, OrdreUtf16::PetitBoutiste), "a?");         // octet orphelin
}

class Valeurs {
public:
    explicit Valeurs(LecteurGedcom& l) : lecteur(l) {}
    void noter(char* v) {
        valeurs.emplace_back(v);
        if (lecteur.code() == CodeTag::INDI) decalage = lecteur.decalageApresNiveau0();
    }
    void jeu(char* v) { lecteur.fichier().choisirJeuCaracteres(v); }
    LecteurGedcom& lecteur;
    std::vector<std::string> valeurs;
    std::uint64_t decalage = 0;
};
using L = LigneEtat<Valeurs>;
constexpr L kTout[] = {
    {1, CodeTag::CHAR, &Valeurs::jeu, 0, ActionLecture::LigneSuivante},
    {0, CodeTag::TRLR, nullptr, 0, ActionLecture::Fin},
    {kNiveauQuelconque, CodeTag::Quelconque, &Valeurs::noter, 0, ActionLecture::LigneSuivante},
};
constexpr L kRelecture[] = {
    {0, CodeTag::Quelconque, nullptr, 1, ActionLecture::Fin},
    {kNiveauQuelconque, CodeTag::Quelconque, &Valeurs::noter, 1, ActionLecture::LigneSuivante},
};
const std::array<EtatLecture<Valeurs>, 2> kEtats = {EtatLecture<Valeurs>(kTout), EtatLecture<Valeurs>(kRelecture)};

TEST(TranscodageUtf16, lesQuatreFormesSeLisentCommeDeLUtf8) {
    for (const char* nom : {"utf16-le-avec-marque.ged", "utf16-be-avec-marque.ged", "utf16-le-sans-marque.ged",
                            "utf16-be-sans-marque.ged"}) {
        FichierGedcomOuvert fichier(fs::path(LIGNARA_DOSSIER_FIXTURES) / nom);
        fichier.reinitialiser();
        ASSERT_TRUE(fichier.estTranscodeUtf16()) << nom;
        RapportEnMemoire rapport;
        LecteurGedcom lecteur(rapport);
        lecteur.commencerFichier(fichier, 0);
        Valeurs v(lecteur);
        lecteur.Analyser<Valeurs>(TableTags::balayage(), kEtats, 0, 0, true, v);
        EXPECT_EQ(fichier.jeuCaracteres(), JeuCaracteres::Utf8) << nom;  // malgré « CHAR UNICODE »
        ASSERT_EQ(v.valeurs.size(), 6u) << nom;
        EXPECT_EQ(v.valeurs[2], "Ève /Lefèvre/"_1252) << nom;
        EXPECT_EQ(v.valeurs[3], "? et ?") << nom;
        EXPECT_TRUE(rapport.lignes.empty()) << nom;

        // Le décalage noté se réfère à la copie UTF-8 et permet d'y relire l'individu.
        Valeurs relu(lecteur);
        lecteur.Analyser<Valeurs>(TableTags::individu(), kEtats, 1, v.decalage, false, relu);
        ASSERT_EQ(relu.valeurs.size(), 2u) << nom;
        EXPECT_EQ(relu.valeurs[0], "Ève /Lefèvre/"_1252) << nom;
    }
}

TEST(TranscodageUtf16, copieTemporairePriveeEtEffaceeALaFermeture) {
    fs::path copie;
    {
        FichierGedcomOuvert fichier(fs::path(LIGNARA_DOSSIER_FIXTURES) / "utf16-le-avec-marque.ged");
        copie = fichier.cheminLu();
        ASSERT_TRUE(fs::exists(copie));
        EXPECT_EQ(copie.parent_path(), dossierPrive());
        struct stat s {};
        ASSERT_EQ(::stat(copie.c_str(), &s), 0);
        EXPECT_EQ(s.st_mode & 0777, 0600u);
        FichierGedcomOuvert deplace(std::move(fichier));  // la copie suit son propriétaire
        EXPECT_TRUE(fs::exists(copie));
    }
    EXPECT_FALSE(fs::exists(copie));
}

TEST(TranscodageUtf16, fichierOrdinaireNEstPasCopie) {
    essai::FichierEssai e("0 HEAD\n0 TRLR\n");
    FichierGedcomOuvert fichier(e.chemin());
    EXPECT_FALSE(fichier.estTranscodeUtf16());
    EXPECT_EQ(fichier.cheminLu(), e.chemin());
}

}  // namespace
}  // namespace lignara
