#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <tuple>
#include <string>
#include <vector>

#include "FichierEssai.h"
#include "commun/DossierPrive.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "support/Message.h"
#include "gedcom/LecteurGedcom.h"
#include "gedcom/RapportEnMemoire.h"
#include "gedcom/TranscodageUtf16.h"

namespace lignara {
namespace {

using essai::FichierEssai;
namespace fs = std::filesystem;
using namespace std::string_view_literals;
using Lignes = std::vector<std::string>;

struct LigneVue {
    CodeTag code;
    std::string tag;
    std::string valeur;
    std::string cle;
    long numero;
};

// Client qui note chaque ligne ; CHAR choisit le jeu comme le fera l'import.
class Enregistreur {
public:
    explicit Enregistreur(LecteurGedcom& l) : lecteur(l) {}
    void noter(char* v) {
        vues.push_back({lecteur.code(), std::string(lecteur.tag()), v, std::string(lecteur.cleCourante().octets()),
                        lecteur.numeroLigne()});
        if (lecteur.niveau() == 0 && lecteur.code() == CodeTag::INDI)
            decalages.push_back({lecteur.decalageApresNiveau0(), lecteur.numeroLigne()});
    }
    void jeu(char* v) {
        lecteur.fichier().choisirJeuCaracteres(v);
        noter(v);
    }
    LecteurGedcom& lecteur;
    std::vector<LigneVue> vues;
    std::vector<std::pair<std::uint64_t, long>> decalages;
};

using L = LigneEtat<Enregistreur>;
constexpr auto kTout = CodeTag::Quelconque;
constexpr std::uint8_t kQ = kNiveauQuelconque;

// État 0 : tout le fichier. État 1 : un enregistrement relu depuis son décalage.
constexpr L kFichier[] = {
    {1, CodeTag::CHAR, &Enregistreur::jeu, 0, ActionLecture::LigneSuivante},
    {0, CodeTag::TRLR, &Enregistreur::noter, 0, ActionLecture::Fin},
    {kQ, kTout, &Enregistreur::noter, 0, ActionLecture::LigneSuivante},
};
constexpr L kEnregistrement[] = {
    {0, kTout, nullptr, 1, ActionLecture::Fin},
    {kQ, kTout, &Enregistreur::noter, 1, ActionLecture::LigneSuivante},
};
const std::array<EtatLecture<Enregistreur>, 2> kEtats = {EtatLecture<Enregistreur>(kFichier),
                                                         EtatLecture<Enregistreur>(kEnregistrement)};

struct Lecture {
    std::vector<LigneVue> vues;
    std::vector<std::string> rapport;
    std::vector<std::pair<std::uint64_t, long>> decalages;
};

// Un lecteur prêt sur un fichier d'essai, avant commencerFichier.
struct Montage {
    explicit Montage(std::string_view contenu) : essai(contenu), fichier(essai.chemin()), lecteur(rapport) {}
    FichierEssai essai;
    FichierGedcomOuvert fichier;
    RapportEnMemoire rapport;
    LecteurGedcom lecteur;
};

Lecture lire(std::string_view contenu, bool rapport = true, std::string tagCommentaire = {}) {
    Montage m(contenu);
    m.lecteur.definirTagCommentaire(std::move(tagCommentaire));
    m.lecteur.commencerFichier(m.fichier, 0);
    Enregistreur e(m.lecteur);
    m.lecteur.Analyser<Enregistreur>(TableTags::balayage(), kEtats, 0, 0, rapport, e);
    return {e.vues, m.rapport.lignes, e.decalages};
}

// Ce qui précède le premier « 0 » (marque d'ordre d'octets) est sauté ; les tabulations deviennent des espaces.
TEST(LecteurGedcom, decoupeNiveauReferenceTagEtValeur) {
    Lecture l = lire(
        "\xEF\xBB\xBF"
        "0 HEAD\r\n0 @I1@ INDI\r\n1 NAME Jean /Dupont/\r\n2\tGIVN\tJean\tx\r\n0 TRLR\r\n");
    ASSERT_EQ(l.vues.size(), 5u);
    EXPECT_EQ(l.vues[1].code, CodeTag::INDI);
    EXPECT_EQ(l.vues[2].valeur, "Jean /Dupont/");
    EXPECT_EQ(l.vues[2].cle, std::string("\x01"
                                         "I1@"));  // la clé reste celle de l'enregistrement
    EXPECT_EQ(l.vues[3].code, CodeTag::Inconnu);
    EXPECT_EQ(l.vues[3].tag, "GIVN");
    EXPECT_EQ(l.vues[3].valeur, "Jean x");
    EXPECT_EQ(l.vues[4].cle, "");  // niveau 0 sans référence : clé vide
    EXPECT_TRUE(l.rapport.empty());
}

TEST(LecteurGedcom, niveauADeuxChiffresEtLignesFautivesDeSuiteDonnentUnSeulMessage) {
    Lecture l = lire("0 HEAD\n10 NOTE x\nXX\n1\n1 SOUR ok\n0 TRLR\n");
    EXPECT_EQ(l.rapport, Lignes{"- Ligne 2 : erreur de syntaxe"});
    ASSERT_EQ(l.vues.size(), 3u);
    EXPECT_EQ(l.vues[1].valeur, "ok");
    EXPECT_EQ(l.vues[1].numero, 5);
    // Une référence sans tag, même suivie de blancs, aussi.
    EXPECT_EQ(lire("0 HEAD\n0 @I1@\n0 @I2@   \n0 TRLR\n").rapport, Lignes{"- Ligne 2 : erreur de syntaxe"});
}

TEST(LecteurGedcom, ligneDePlusDe299OctetsEstCoupeeEtSignaleeUneFois) {
    Lecture l = lire("0 HEAD\n1 NOTE " + std::string(300, 'a') + "FIN\n1 SOUR suite\n0 TRLR\n");
    EXPECT_EQ(l.rapport,
              Lignes{"- Ligne 2 : ligne trop longue (la norme Gedcom limite les lignes à 255 caractères)"_1252});
    ASSERT_EQ(l.vues.size(), 4u);
    EXPECT_EQ(l.vues[1].valeur, std::string(299 - 7, 'a'));
    EXPECT_EQ(l.vues[2].numero, 3);
    // 299 octets tout juste, dernière ligne sans fin de ligne : rien à signaler.
    Lecture juste = lire("0 HEAD\r\n1 NOTE " + std::string(299 - 7, 'b') + "\r\n0 TRLR");
    EXPECT_TRUE(juste.rapport.empty());
    EXPECT_EQ(juste.vues.back().code, CodeTag::TRLR);
}

TEST(LecteurGedcom, noteGardeSesEspacesDeTeteEtLesAutresTagsLesPerdent) {
    Lecture l = lire("0 HEAD\n1 NOTE   mot\n2 CONT  suite\n1 SOUR   mot\n0 TRLR\n");
    EXPECT_EQ(l.vues[1].valeur, "  mot");
    EXPECT_EQ(l.vues[2].valeur, " suite");
    EXPECT_EQ(l.vues[3].valeur, "mot");
}

// Rapport éteint (relecture) : seules les fautes de référence restent dites. Sans « 0 TRLR », un TRLR vide clôt.
TEST(LecteurGedcom, fautesSignaleesAvecEtSansRapport) {
    const std::string contenu =
        "0 HEAD\nfaute\n1 NOTE " + std::string(400, 'a') + "\n0 INDI\n0 @" + std::string(23, 'X') + "@ INDI\n1 NAME A";
    const std::string manquante = "- Ligne 4 : référence Gedcom manquante"_1252;
    const std::string tropLongue =
        "- Ligne 5 : référence Gedcom trop longue (la norme limite les références à 24 caractères)"_1252;
    EXPECT_EQ(
        lire(contenu, true).rapport,
        (Lignes{"- Ligne 2 : erreur de syntaxe",
                "- Ligne 3 : ligne trop longue (la norme Gedcom limite les lignes à 255 caractères)"_1252, manquante,
                tropLongue, "- Ligne 6 : fichier incomplet (un fichier Gedcom doit se terminer par \"0 TRLR\")"}));
    Lecture l = lire(contenu, false);
    EXPECT_EQ(l.rapport, (Lignes{manquante, tropLongue}));
    ASSERT_EQ(l.vues.size(), 6u);
    EXPECT_EQ(l.vues[2].code, CodeTag::Inconnu);  // « 0 INDI » sans référence : ignoré
    EXPECT_EQ(l.vues[3].cle, "\x01" + std::string(23, 'X'));
    EXPECT_EQ(l.vues[5].code, CodeTag::TRLR);
    EXPECT_EQ(l.vues[5].valeur, "");
    // 24 caractères tout juste : rien à signaler.
    EXPECT_TRUE(lire("0 HEAD\n0 @" + std::string(22, 'X') + "@ INDI\n0 TRLR\n").rapport.empty());
}

TEST(LecteurGedcom, tagsSensiblesALaCasseSaufLeTagDeCommentaire) {
    Lecture sans = lire("0 HEAD\n1 name A\n1 _COMM texte\n0 TRLR\n");
    EXPECT_EQ(sans.vues[1].code, CodeTag::Inconnu);
    EXPECT_EQ(sans.vues[2].code, CodeTag::Inconnu);
    Lecture avec = lire("0 HEAD\n1 _comm texte\n0 TRLR\n", true, "_COMM");
    EXPECT_EQ(avec.vues[1].code, CodeTag::Commentaire);
    EXPECT_EQ(avec.vues[1].valeur, "texte");
}

TEST(LecteurGedcom, convertitValeursEtReferencesSelonLaLigneChar) {
    Lecture utf8 = lire("0 HEAD\n1 CHAR UTF-8\n0 @I\xC3\xA9@ INDI\n1 NAME Ren\xC3\xA9\n0 TRLR\n");
    EXPECT_EQ(utf8.vues[2].cle, "\x01I\xE9@");
    EXPECT_EQ(utf8.vues[3].valeur, "René"_1252);
}

TEST(LecteurGedcom, fichierSansAucuneLigneOuAbsentEstUneErreurDeLectureQuiDitPourquoi) {
    const std::string pasGedcom = "\nLe fichier n'a aucune ligne de niveau 0 : ce n'est pas un fichier Gedcom.";
    for (const auto& [contenu, raison] : {std::pair<std::string, std::string>{"", "\nLe fichier est vide."},
                                          {"pas de niveau ici", pasGedcom},
                                          {"\xEF\xBB\xBF", pasGedcom}}) {
        const std::string message = essai::messageDe([&, contenu = contenu] { lire(contenu); });
        EXPECT_EQ(message.rfind("Erreur de lecture du fichier ", 0), 0u) << message;
        EXPECT_TRUE(message.ends_with(raison)) << message;
    }
    EXPECT_EQ(essai::messageDe([] { FichierGedcomOuvert f("/nexiste/pas.ged"); }),
              "Fichier /nexiste/pas.ged inexistant");
}

// La construction relit un enregistrement depuis le décalage noté au balayage ; les lignes blanches comptent.
TEST(LecteurGedcom, relitUnEnregistrementDepuisSonDecalageQuelleQueSoitLaFinDeLigne) {
    for (std::string fin : {"\n", "\r\n", "\r", "\n\r"}) {
        std::string texte;
        for (const char* ligne :
             {"0 HEAD", "", "0 @I1@ INDI", "1 NAME Un", "0 @I2@ INDI", "1 NAME Deux", "1 SEX M", "0 TRLR"})
            texte.append(ligne).append(fin);
        Montage m(texte);
        LecteurGedcom& lecteur = m.lecteur;
        lecteur.commencerFichier(m.fichier, 0);
        Enregistreur balayage(lecteur);
        lecteur.Analyser<Enregistreur>(TableTags::balayage(), kEtats, 0, 0, true, balayage);
        ASSERT_EQ(balayage.decalages.size(), 2u);

        auto [decalage, ligne] = balayage.decalages[1];
        lecteur.commencerFichier(m.fichier, 0, ligne);
        Enregistreur construction(lecteur);
        lecteur.Analyser<Enregistreur>(TableTags::individu(), kEtats, 1, decalage, false, construction);
        ASSERT_EQ(construction.vues.size(), 2u) << "fin de ligne de " << fin.size() << " octets";
        EXPECT_EQ(construction.vues[0].valeur, "Deux");
        EXPECT_EQ(construction.vues[0].numero, 6);
        EXPECT_EQ(construction.vues[1].numero, 7);
    }
}

// La ligne de niveau 0 qui termine un enregistrement est rejouée dans l'état suivant.
class Comptage {
public:
    void individu(char*) { ++individus; }
    void nomVu(char* v) { vus.emplace_back(v); }
    int individus = 0;
    std::vector<std::string> vus;
};
using LC = LigneEtat<Comptage>;
constexpr LC kRacine[] = {
    {0, CodeTag::INDI, &Comptage::individu, 1, ActionLecture::LigneSuivante},
    {0, CodeTag::TRLR, nullptr, 0, ActionLecture::Fin},
    {kQ, kTout, nullptr, 0, ActionLecture::LigneSuivante},
};
// Le NAME passe à deux gestionnaires : converti deux fois, l'UTF-8 devenu Windows-1252 serait abîmé.
constexpr LC kIndividuDeux[] = {
    {1, CodeTag::NAME, &Comptage::nomVu, 2, ActionLecture::MemeLigne},
    {0, kTout, nullptr, 0, ActionLecture::MemeLigne},
    {kQ, kTout, nullptr, 1, ActionLecture::LigneSuivante},
};
constexpr LC kSecondPassage[] = {
    {1, CodeTag::NAME, &Comptage::nomVu, 1, ActionLecture::LigneSuivante},
    {kQ, kTout, nullptr, 1, ActionLecture::MemeLigne},
};
const std::array<EtatLecture<Comptage>, 3> kEtatsDeux = {
    EtatLecture<Comptage>(kRacine), EtatLecture<Comptage>(kIndividuDeux), EtatLecture<Comptage>(kSecondPassage)};

TEST(LecteurGedcom, rejoueLaLigneEtLaConvertitUneSeuleFoisPourDeuxGestionnaires) {
    for (auto mode : {LecteurGedcom::ConversionValeurs::Toujours, LecteurGedcom::ConversionValeurs::ALaDemande}) {
        Montage m(
            "0 HEAD\n0 @A@ INDI\n1 NAME J\xC3\xA9r\xC3\xB4me\t/N/\n1 SOUR \xC3\xA9\n0 @B@ INDI\n1 NAME b\n"
            "0 TRLR\n1 NAME apres\n");
        m.fichier.choisirJeuCaracteres("UTF-8");
        m.lecteur.choisirConversion(mode);
        m.lecteur.commencerFichier(m.fichier, 0);
        Comptage d;
        m.lecteur.Analyser<Comptage>(TableTags::balayage(), kEtatsDeux, 0, 0, true, d);
        const std::string attendu = "J\xE9r\xF4me /N/";
        EXPECT_EQ(d.vus, (std::vector<std::string>{attendu, attendu, "b", "b"}));
        EXPECT_EQ(d.individus, 2);
    }
}

TEST(TableTags, chacunDesTagsDeChaqueTableSeRetrouveEtRienDAutre) {
    for (const TableTags* t :
         {&TableTags::balayage(), &TableTags::individu(), &TableTags::famille(), &TableTags::consultation()}) {
        for (std::size_t i = 0; i < t->taille(); ++i) {
            const EntreeTag& e = t->entrees()[i];
            EXPECT_EQ(static_cast<int>(t->chercher(e.tag)), e.code) << e.tag;
            EXPECT_NE(e.code, 0) << e.tag;
        }
    }
    const TableTags& t = TableTags::balayage();
    EXPECT_EQ(t.chercher("INDI"), CodeTag::INDI);
    // Casse, absent de cette passe, préfixe, prolongement, vide, octet nul devant ou derrière.
    for (std::string_view tag : {"indi"sv, "SEX"sv, "INDIV"sv, "IND"sv, ""sv, "\0FAM"sv, "FAM\0"sv})
        EXPECT_EQ(t.chercher(tag), CodeTag::Inconnu) << tag;
}

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
        {"\0\x30\0 \0H\0E\0A\0D"sv, G, false},
        {"0 HEAD\r\n1 CHAR UTF-8\r\n"sv, A, false},
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

TEST(TranscodageUtf16, lesQuatreFormesSeLisentCommeDeLUtf8) {
    for (const char* nom : {"utf16-le-avec-marque.ged", "utf16-be-avec-marque.ged", "utf16-le-sans-marque.ged",
                            "utf16-be-sans-marque.ged"}) {
        FichierGedcomOuvert fichier(fs::path(LIGNARA_DOSSIER_FIXTURES) / nom);
        fichier.reinitialiser();
        ASSERT_TRUE(fichier.estTranscodeUtf16()) << nom;
        RapportEnMemoire rapport;
        LecteurGedcom lecteur(rapport);
        lecteur.commencerFichier(fichier, 0);
        Enregistreur v(lecteur);
        lecteur.Analyser<Enregistreur>(TableTags::balayage(), kEtats, 0, 0, true, v);
        EXPECT_EQ(fichier.jeuCaracteres(), JeuCaracteres::Utf8) << nom;  // malgré « CHAR UNICODE »
        ASSERT_EQ(v.vues.size(), 8u) << nom;
        EXPECT_EQ(v.vues[3].valeur, "Ève /Lefèvre/"_1252) << nom;
        EXPECT_TRUE(rapport.lignes.empty()) << nom;
        // Le décalage noté se réfère à la copie UTF-8 et permet d'y relire l'individu.
        ASSERT_EQ(v.decalages.size(), 1u) << nom;
        Enregistreur relu(lecteur);
        lecteur.Analyser<Enregistreur>(TableTags::individu(), kEtats, 1, v.decalages[0].first, false, relu);
        ASSERT_EQ(relu.vues.size(), 2u) << nom;
        EXPECT_EQ(relu.vues[0].valeur, "Ève /Lefèvre/"_1252) << nom;
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

}  // namespace
}  // namespace lignara
