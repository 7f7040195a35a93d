#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "BaseEssai.h"
#include "commun/Texte.h"
#include "database/BaseGenealogique.h"
#include "database/DonneesCorrompues.h"
#include "database/Parente.h"

using namespace lignara;
using essai::DossierEssai;

namespace {

const std::filesystem::path kGolden = std::filesystem::path(LIGNARA_DOSSIER_FIXTURES) / "base-deux-familles.bin";

// Base écrite sur place puis rouverte comme un fichier quelconque (jamais effacé).
BaseGenealogique rouvrir(const DossierEssai& dossier, const std::string& octets, BaseGenealogique::ModeLecture mode) {
    std::filesystem::path chemin = dossier.chemin() / "base.bin";
    // Effacer d'abord : réécrire un fichier tronqué forcerait un vidage disque à chaque essai.
    std::filesystem::remove(chemin);
    essai::ecrireFichier(chemin, octets);
    return BaseGenealogique::ouvrir(chemin, mode);
}

}  // namespace

// Le fichier attendu a été vérifié à la main contre les tableaux de format ; le régénérer
// (LIGNARA_REGENERER_FIXTURES=1) demande de refaire cette vérification.
TEST(BaseGenealogique, ecritLaPetiteBaseOctetPourOctetCommeLeFichierAttendu) {
    DossierEssai dossier;
    BaseGenealogique base = essai::construireBaseDeuxFamilles(dossier.chemin());
    std::string obtenu = essai::lireFichier(base.chemin());
    if (std::getenv("LIGNARA_REGENERER_FIXTURES")) essai::ecrireFichier(kGolden, obtenu);
    std::string attendu = essai::lireFichier(kGolden);
    ASSERT_EQ(obtenu.size(), attendu.size());
    for (std::size_t i = 0; i < attendu.size(); ++i) ASSERT_EQ(obtenu[i], attendu[i]) << "octet " << i;
}

TEST(BaseGenealogique, relitLeFichierAttenduChampParChampEtRefuseCeQuiEstHorsDesTables) {
    BaseGenealogique base = BaseGenealogique::ouvrir(kGolden);
    EXPECT_EQ(base.nombreIndividus(), 5u);
    EXPECT_EQ(base.nombreFamilles(), 3u);

    Individu jean = base.LireIndividu(1);
    EXPECT_EQ(base.LireTexte(TableNoms, jean.nom), "DUPONT");
    EXPECT_EQ(base.LireTexte(TablePrenoms, jean.prenoms), "Jean");
    EXPECT_EQ(base.LireTexte(TableSources, jean.sourceNom), "Registre de Paris");
    Evenement naissance = base.LireEvenement(jean.naissance);
    EXPECT_EQ(naissance.date, essai::date(DateSimple, 15, 3, 1900));
    EXPECT_EQ(base.LireTexte(TableLieux, naissance.lieu), "FR Paris");

    Individu claire = base.LireIndividu(4);
    EXPECT_EQ(base.LireTexte(TableProfessions, claire.profession), "Institutrice");
    EXPECT_EQ(base.LireTexte(TableCommentaires, base.LireIndividu(3).commentaire), "Aîné"_1252);
    EXPECT_EQ(base.LireEvenement(6), Evenement{});  // emplacement réservé, jamais rempli
    // Référence 0 : texte, photos et notes vides.
    EXPECT_EQ(base.LireTexte(TableNoms, 0), "");
    EXPECT_EQ(base.LirePhotos(0), std::vector<std::string>{});
    EXPECT_EQ(base.LireNotes(0), std::vector<std::string>{});
    EXPECT_THROW(base.LireIndividu(0), DonneesCorrompues);
    EXPECT_THROW(base.LireIndividu(6), DonneesCorrompues);
    EXPECT_THROW(base.LireFamille(4), DonneesCorrompues);
    EXPECT_THROW(base.LireEvenement(7), DonneesCorrompues);
    std::uint32_t tailleNoms = base.enTete().tables[TablePrenoms] - base.enTete().tables[TableNoms];
    EXPECT_THROW(base.LireTexte(TableNoms, tailleNoms + 1), DonneesCorrompues);
    EXPECT_EQ(base.LireTexte(TableNoms, tailleNoms), "");  // le dernier saut de ligne
    EXPECT_THROW(base.LireNotes(0xFFFFFFFF), DonneesCorrompues);
    // Les transformations d'affichage ne touchent que les noms et les prénoms.
    base.fixerTransformationsNoms([](std::string& s) { s = "<" + s + ">"; },
                                  [](std::string& s) { std::transform(s.begin(), s.end(), s.begin(), ::toupper); });
    EXPECT_EQ(base.LireTexte(TableNoms, jean.nom), "<DUPONT>");
    EXPECT_EQ(base.LireTexte(TablePrenoms, jean.prenoms), "JEAN");
    EXPECT_EQ(base.LireTexte(TableSources, jean.sourceNom), "Registre de Paris");
}

TEST(BaseGenealogique, lireTexteLitAuPlusCapaciteMoinsUnOctetsEtOteLeDernier) {
    DossierEssai dossier;
    EcrivainBase e({1, 0, 0}, dossier.chemin());
    std::uint32_t de98 = e.ajouterTexte(TableSources, std::string(98, 'a'));
    std::uint32_t de99 = e.ajouterTexte(TableSources, std::string(99, 'b'));
    std::uint32_t de120 = e.ajouterTexte(TableSources, std::string(120, 'c'));
    BaseGenealogique base = e.terminer();
    EXPECT_EQ(base.LireTexte(TableSources, de98), std::string(98, 'a'));
    EXPECT_EQ(base.LireTexte(TableSources, de99), std::string(98, 'b'));
    EXPECT_EQ(base.LireTexte(TableSources, de120), std::string(98, 'c'));
    EXPECT_EQ(base.LireTexte(TableSources, de120, 200), std::string(120, 'c'));
    EXPECT_EQ(base.LireTexte(TableSources, de98, 5), "aaa");
}

TEST(BaseGenealogique, chargerTextesTrieLitChaqueValeurUneFoisEtPartageLaCopie) {
    DossierEssai dossier;
    EcrivainBase e({5, 0, 0}, dossier.chemin());
    std::uint32_t zola = e.ajouterTexte(TableNoms, "ZOLA");
    std::uint32_t abel = e.ajouterTexte(TableNoms, "ABEL");
    e.ajouterIndividu({zola});
    e.ajouterIndividu({});
    e.ajouterIndividu({abel});
    e.ajouterIndividu({zola});
    e.ajouterIndividu({abel});
    BaseGenealogique base = e.terminer();
    int lectures = 0;
    base.fixerTransformationsNoms([&](std::string&) { ++lectures; }, nullptr);

    struct Ligne {
        std::uint32_t personne, nom;
        TexteCharge texte;
    };
    std::vector<Ligne> lignes;
    for (std::uint32_t p = 1; p <= 5; ++p) lignes.push_back({p, base.LireIndividu(p).nom, nullptr});
    base.ChargerTextes(lignes, &Ligne::nom, &Ligne::texte, TableNoms);
    std::vector<std::uint32_t> ordre;
    ordre.reserve(lignes.size());
    for (const Ligne& l : lignes) ordre.push_back(l.personne);
    EXPECT_EQ(ordre, (std::vector<std::uint32_t>{2, 1, 4, 3, 5}));  // sans nom, puis ZOLA (réf. 1) avant ABEL
    EXPECT_EQ(lignes[1].texte.get(), lignes[2].texte.get());
    EXPECT_EQ(lignes[3].texte.get(), lignes[4].texte.get());
    EXPECT_EQ(lectures, 2);
}

// Les lectures se font par projection en mémoire ou par pread : les deux sont essayées.
class BaseGenealogiqueLue : public ::testing::TestWithParam<BaseGenealogique::ModeLecture> {};

INSTANTIATE_TEST_SUITE_P(DeuxModes, BaseGenealogiqueLue,
                         ::testing::Values(BaseGenealogique::ModeLecture::Projection,
                                           BaseGenealogique::ModeLecture::Positions));

TEST_P(BaseGenealogiqueLue, deuxThreadsLisentEnMemeTempsLesBonsEnregistrements) {
    DossierEssai dossier;
    constexpr std::uint32_t kNombre = 20000;
    EcrivainBase e({kNombre, 0, 0}, dossier.chemin());
    for (std::uint32_t n = 1; n <= kNombre; ++n) {
        Individu i;
        i.decalageGedcom = n * 7919u;
        i.fratrie = -static_cast<std::int32_t>(n);
        i.prenoms = e.ajouterTexte(TablePrenoms, "p" + std::to_string(n % 500));
        e.ajouterIndividu(i);
    }
    BaseGenealogique ecrite = e.terminer();
    BaseGenealogique base = BaseGenealogique::ouvrir(ecrite.chemin(), GetParam());
    std::atomic<int> fautes = 0;
    auto lire = [&](unsigned graine) {
        std::mt19937 alea(graine);
        for (int k = 0; k < 100000; ++k) {
            auto n = static_cast<std::uint32_t>(alea() % kNombre + 1);
            Individu i = base.LireIndividu(n);
            if (i.decalageGedcom != n * 7919u || i.fratrie != -static_cast<std::int32_t>(n)) ++fautes;
            if (k % 16 == 0 && base.LireTexte(TablePrenoms, i.prenoms) != "p" + std::to_string(n % 500)) ++fautes;
        }
    };
    { std::jthread t1(lire, 1u), t2(lire, 2u); }
    EXPECT_EQ(fautes, 0);
}

namespace {

// Lit tout ce qu'une base peut offrir ; seule DonneesCorrompues est une réponse admise.
template <class Lecture>
void essayer(Lecture lecture) {
    try {
        lecture();
    } catch (const DonneesCorrompues&) {
    }
}

void toutLire(const BaseGenealogique& base) {
    for (std::uint32_t n = 1; n <= base.nombreIndividus(); ++n)
        essayer([&] {
            const Individu i = base.LireIndividu(n);
            const TableTexte tables[] = {TableNoms, TablePrenoms, TableProfessions, TableCommentaires, TableSources};
            const std::uint32_t refs[] = {i.nom, i.prenoms, i.profession, i.commentaire, i.sourceNom};
            for (int k = 0; k < 5; ++k) base.LireTexte(tables[k], refs[k]);
            base.LirePhotos(i.photos);
            base.LireNotes(i.notes);
            Parents(base, n);
            Conjoints(base, n);
            Fratrie(base, n);
        });
    for (std::uint32_t f = 1; f <= base.nombreFamilles(); ++f) essayer([&] { Enfants(base, f); });
    for (std::uint32_t e = 1; e <= base.nombreEvenements(); ++e)
        essayer([&] {
            const Evenement ev = base.LireEvenement(e);
            base.LireTexte(TableLieux, ev.lieu);
            base.LireTexte(TableSources, ev.source);
        });
}

}  // namespace

// Le fichier attendu coupé n'importe où, puis chacun de ses octets changé.
TEST_P(BaseGenealogiqueLue, refuseOuLitSansPlantageNiBoucleUnFichierTronqueOuUnOctetInverse) {
    DossierEssai dossier;
    const std::string entier = essai::lireFichier(kGolden);
    BaseGenealogique reference = BaseGenealogique::ouvrir(kGolden);
    const std::uint32_t debutSources = reference.enTete().tables[TableSources];
    for (std::size_t taille = 0; taille < entier.size(); ++taille) {
        SCOPED_TRACE(taille);
        if (taille < debutSources) {
            EXPECT_THROW(rouvrir(dossier, entier.substr(0, taille), GetParam()), DonneesCorrompues);
        } else {
            BaseGenealogique base = rouvrir(dossier, entier.substr(0, taille), GetParam());
            toutLire(base);
        }
    }
    std::mt19937 alea(501);
    int refusees = 0;
    for (std::size_t i = 0; i < entier.size(); ++i) {
        SCOPED_TRACE(i);
        std::string abime = entier;
        abime[i] = static_cast<char>(abime[i] ^ static_cast<char>(alea() % 255 + 1));
        try {
            BaseGenealogique base = rouvrir(dossier, abime, GetParam());
            toutLire(base);
        } catch (const DonneesCorrompues&) {
            ++refusees;
        }
    }
    EXPECT_GT(refusees, 30);  // la plupart des octets de l'en-tête se voient dès l'ouverture
}
