// Surveillance des fichiers GEDCOM sources. Un rappel attendu a 20 s pour venir (jamais de mesure
// de durée) ; un rappel qui ne doit pas venir a laissé passer plusieurs fois le délai de stabilisation.
#include <gtest/gtest.h>

#include <condition_variable>
#include <fstream>
#include <mutex>
#include <thread>

#include "support/DossierEssai.h"
#include "session/SurveillanceGedcom.h"

namespace lignara {
namespace {

using essai::DossierEssai;
using namespace std::chrono_literals;

constexpr auto kAttenteMax = 20s;
constexpr auto kSilence = 4 * SurveillanceGedcom::kAttenteStable;

const std::string kGedcomComplet = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Jean /Dupont/\n0 TRLR\n";

void ecrire(const std::filesystem::path& chemin, const std::string& texte, bool ajouter = false) {
    std::ofstream(chemin, std::ios::binary | (ajouter ? std::ios::app : std::ios::trunc)) << texte;
}

// Compte les rappels et réveille qui les attend.
struct Rappels {
    std::mutex m;
    std::condition_variable cv;
    int nombre = 0;
    std::function<void()> rappel() {
        return [this] {
            std::lock_guard verrou(m);
            ++nombre;
            cv.notify_all();
        };
    }
    bool attendre(int n, std::chrono::milliseconds duree) {
        std::unique_lock verrou(m);
        return cv.wait_for(verrou, duree, [&] { return nombre >= n; });
    }
};

// Un fichier réécrit n'est signalé qu'une fois complet (« 0 TRLR » final) et stable.
TEST(SurveillanceGedcom, attendLeTrlrFinalAvantDeSignaler) {
    DossierEssai dossier;
    auto chemin = dossier / "famille.ged";
    ecrire(chemin, kGedcomComplet);
    Rappels rappels;
    SurveillanceGedcom surveillance({chemin}, rappels.rappel());
    ecrire(chemin, "0 HEAD\n0 @I1@ INDI\n1 NAME Jean /Dupont/\n");
    EXPECT_FALSE(rappels.attendre(1, kSilence)) << "fichier incomplet signalé";

    ecrire(chemin, "0 TRLR\n", true);
    EXPECT_TRUE(rappels.attendre(1, kAttenteMax));
}

TEST(SurveillanceGedcom, neSignaleNiUnAutreFichierDuDossierNiUnFichierDisparu) {
    DossierEssai dossier;
    auto chemin = dossier / "famille.ged";
    ecrire(chemin, kGedcomComplet);
    Rappels rappels;
    SurveillanceGedcom surveillance({chemin}, rappels.rappel());

    ecrire(dossier / "autre.ged", kGedcomComplet);
    std::filesystem::remove(chemin);
    EXPECT_FALSE(rappels.attendre(1, kSilence));

    // Revenu par renommage, comme l'écrivent bien des logiciels.
    ecrire(dossier / "nouveau.tmp", kGedcomComplet);
    std::filesystem::rename(dossier / "nouveau.tmp", chemin);
    EXPECT_TRUE(rappels.attendre(1, kAttenteMax));
}

TEST(SurveillanceGedcom, sArreteMemePendantLAttenteDUnFichierIncomplet) {
    DossierEssai dossier;
    auto chemin = dossier / "famille.ged";
    ecrire(chemin, kGedcomComplet);
    Rappels rappels;
    {
        SurveillanceGedcom surveillance({chemin}, rappels.rappel());
        ecrire(chemin, "0 HEAD\n");
        std::this_thread::sleep_for(2 * SurveillanceGedcom::kAttenteStable);
    }  // le destructeur doit rendre la main : sinon le test reste bloqué
    EXPECT_FALSE(rappels.attendre(1, 0ms));
}

TEST(SurveillanceGedcom, chercheLeTrlrDansLesCinquanteDerniersOctets) {
    DossierEssai dossier;
    auto chemin = dossier / "f.ged";
    bool ouvert = false;
    ecrire(chemin, "0 TRLR\n" + std::string(43, 'x'));  // commence 50 octets avant la fin
    EXPECT_TRUE(SurveillanceGedcom::finitParTrlr(chemin, ouvert));
    EXPECT_TRUE(ouvert);
    ecrire(chemin, "0 TRLR\n" + std::string(44, 'x'));  // son « 0 » sort de la fenêtre
    EXPECT_FALSE(SurveillanceGedcom::finitParTrlr(chemin, ouvert));
    EXPECT_FALSE(SurveillanceGedcom::finitParTrlr(dossier / "absent.ged", ouvert));
    EXPECT_FALSE(ouvert);
}

}  // namespace
}  // namespace lignara
