#include "documents/BlocParametres.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "BaseEssai.h"
#include "support/Message.h"
#include "commun/OperationImpossible.h"
#include "documents/Afficheur.h"
#include "documents/ReferencePersonne.h"

namespace lignara {
namespace {

using essai::BaseEssai;

TEST(BlocParametres, codeChaqueLettreSurSesOctets) {
    BaseEssai b(essai::kFamilleEssai);
    SignatureParametres s("xP2D4Lb");
    EnsemblePersonnes vide(b.base().nombreIndividus());
    ParametresDocument v = {
        std::int32_t{-1}, std::uint16_t{0x1234}, DateParametre{31, 12, 0x0765}, std::uint32_t{0x01020304}, vide,
        std::uint8_t{1}};
    Favori f;
    encoderParametres(f, s, v, b.base());
    std::vector<std::uint8_t> attendu = {255, 0x34, 0x12, 31, 12, 0x65, 0x07, 4, 3, 2, 1, 255, 1};
    EXPECT_EQ(f.parametres, attendu);  // « x » ne prend rien ; liste vide = 255 seul
    ParametresDocument relues;
    decoderParametres(f, ModeFavori::Execution, s, relues, b.contexte);
    EXPECT_EQ(std::get<std::int32_t>(relues[0]), 0);
    EXPECT_EQ(std::get<EnsemblePersonnes>(relues[4]).nombre(), 0u);
}

TEST(BlocParametres, referenceDeNomCle31PrenomsZeroPuisDateDeNaissance) {
    BaseEssai b(essai::kFamilleEssai);
    auto ref = ReferencePersonne::de(b.base(), 1).octets();
    std::string attendu = "DUPONT\x1FJEAN";
    attendu += '\0';
    attendu += "\x03\x03\x3A\x07";  // 3 mars 1850
    EXPECT_EQ(std::string(ref.begin(), ref.end()), attendu);
    auto sansNaissance = ReferencePersonne::de(b.base(), 4).octets();
    EXPECT_EQ(std::string(sansNaissance.begin(), sansNaissance.end() - 4), std::string(ref.begin(), ref.end() - 4));
    EXPECT_EQ(std::vector<std::uint8_t>(sansNaissance.end() - 4, sansNaissance.end()), std::vector<std::uint8_t>(4, 0));
    EXPECT_EQ(ReferencePersonne::de(b.base(), 0).octets(), std::vector<std::uint8_t>{255});
    EXPECT_EQ(ReferencePersonne::de(b.base(), 99).octets(), std::vector<std::uint8_t>{255});
}

TEST(BlocParametres, refuseUnTexteDe1990OctetsEnPosition10EtVideLeFavori) {
    BaseEssai b(essai::kFamilleEssai);
    Favori f;
    f.parametres = {1, 2, 3};
    SignatureParametres s10("44bbs");  // le texte commence en position 10
    ParametresDocument v = {std::uint32_t{0}, std::uint32_t{0}, std::uint8_t{0}, std::uint8_t{0},
                            std::string(1990, 'a')};
    EXPECT_EQ(essai::messageDe([&] { encoderParametres(f, s10, v, b.base()); }),
              "Le favori contient trop de param\xE8tres");
    EXPECT_TRUE(f.parametres.empty());
    v.back() = std::string(1989, 'a');  // 10 + 1989 + 0 final = 2000 : tient juste
    encoderParametres(f, s10, v, b.base());
    EXPECT_EQ(f.parametres.size(), 2000u);
}

TEST(BlocParametres, bornesDePlaceDesEntiersEtDesListes) {
    BaseEssai b(essai::kFamilleEssai);
    Favori f;
    // 1998 octets de texte (1997 + 0) puis un mot de 16 bits : tient exactement.
    ParametresDocument v = {std::string(1997, 'a'), std::uint16_t{7}};
    encoderParametres(f, SignatureParametres("s2"), v, b.base());
    EXPECT_EQ(f.parametres.size(), 2000u);
    v = {std::string(1997, 'a'), std::uint32_t{7}};
    EXPECT_THROW(encoderParametres(f, SignatureParametres("s4"), v, b.base()), OperationImpossible);
    EnsemblePersonnes l(b.base().nombreIndividus());
    l.ajouter(1);
    v = {std::string(1985, 'a'), l};  // 1986 + référence de 17 octets : déborde
    EXPECT_THROW(encoderParametres(f, SignatureParametres("sL"), v, b.base()), OperationImpossible);
    EXPECT_TRUE(f.parametres.empty());
}

TEST(BlocParametres, personneSansNaissanceRetrouveeParmiLesSansDate) {
    BaseEssai b(essai::kFamilleEssai);
    ReferencePersonne ref = ReferencePersonne::de(b.base(), 4);
    EXPECT_EQ(ref.trouver(b.contexte), 4);
    ref.annee = 1850;
    ref.jour = ref.mois = 3;
    EXPECT_EQ(ref.trouver(b.contexte), 1);
    ref.jour = 0;
    EXPECT_EQ(ref.trouver(b.contexte), -1);
}

TEST(BlocParametres, blocTronqueAChaqueLongueurEchoueProprement) {
    BaseEssai b(essai::kFamilleEssai);
    const SignatureParametres s("Ps12D4Lb");  // chaque sorte de paramètre
    EnsemblePersonnes l(b.base().nombreIndividus());
    l.ajouter(4);
    const ParametresDocument valeurs = {std::int32_t{3},
                                        std::string("texte \xE9"),
                                        std::uint8_t{201},
                                        std::uint16_t{40000},
                                        DateParametre{2, 7, 1702},
                                        std::uint32_t{3000000000u},
                                        l,
                                        std::uint8_t{1}};
    Favori complet;
    encoderParametres(complet, s, valeurs, b.base());
    ASSERT_GT(complet.parametres.size(), 40u);
    for (std::size_t n = 0; n < complet.parametres.size(); ++n) {
        Favori f = complet;
        f.parametres.resize(n);
        ParametresDocument v;
        EXPECT_THROW(decoderParametres(f, ModeFavori::Execution, s, v, b.contexte), OperationImpossible) << n;
        EXPECT_NO_THROW(decoderParametres(f, ModeFavori::Modification, s, v, b.contexte)) << n;
        EXPECT_TRUE(s.accepte(v));
    }
    Favori trop = complet;
    trop.parametres.resize(2001, 1);
    ParametresDocument v;
    EXPECT_THROW(decoderParametres(trop, ModeFavori::Execution, s, v, b.contexte), OperationImpossible);
}

TEST(BlocParametres, octetsAuHasardNeLisentJamaisHorsDuBloc) {
    BaseEssai b(essai::kFamilleEssai);
    std::mt19937 alea(20261206);
    for (int essai = 0; essai < 2000; ++essai) {
        Favori f;
        f.parametres.resize(alea() % 60);
        for (auto& o : f.parametres) o = static_cast<std::uint8_t>(alea() % 4 == 0 ? 255 : alea());
        const Afficheur& a = afficheurs()[alea() % afficheurs().size()];
        ParametresDocument v;
        try {
            decoderParametres(f, ModeFavori::Execution, SignatureParametres(a.signature()), v, b.contexte);
        } catch (const OperationImpossible&) {
        }
        EXPECT_TRUE(SignatureParametres(a.signature()).accepte(v));
    }
}

}  // namespace
}  // namespace lignara
