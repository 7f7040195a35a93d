// Feuilles de propriétés (pages déclarées, pages « Coupes » et « Reports »), source des paramètres
// par les dialogues et correspondance des menus avec les types de documents.
#include <set>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "commun/Texte.h"
#include "documents/Afficheur.h"
#include "documents/arbres/ArbreAscendant.h"
#include "documents/listes/ListeCriteres.h"
#include "documents/listes/ListeDescendante.h"
#include "gui/SelectionEssai.h"
#include "shell/gui/PagePremiere.h"
#include "shell/gui/CommandesMenus.h"
#include "shell/gui/FeuilleProprietes.h"
#include "shell/gui/SourceDialogues.h"

using namespace lignara;
using namespace lignara::gui;
using essai::element;
using essai::taper;

namespace {

struct Feuille : essai::FenetreOuverte {
    essai::ArbreEssai individuel{*afficheurDeCode(1)};
    essai::ArbreEssai familial{*afficheurDeCode(38)};
    ListesPage listes{{"Siècles"_1252, "France"}, {}};

    void SetUp() override {
        essai::FenetreOuverte::SetUp();
        for (auto* a : {&individuel, &familial}) a->initialiserParametres(contexte);
    }
    bool modifier(Document& d) {
        auto env = environnement();
        return FeuilleProprietes::modifier(d, env, listes, f.get());
    }
};

TEST_F(Feuille, lesOptionsNeReviennentAuDocumentQueSurOk) {
    auto changer = [](QDialog& d) {
        EXPECT_FALSE(element<QComboBox>(d, "c2051")->isEnabled());
        element<QCheckBox>(d, "c2050")->setChecked(true);
        EXPECT_TRUE(element<QComboBox>(d, "c2051")->isEnabled());
        element<QComboBox>(d, "c2051")->setCurrentIndex(1);
        element<QRadioButton>(d, "c2094")->setChecked(true);
        element<QCheckBox>(d, "c2053")->setChecked(true);
        element<QComboBox>(d, "c2054")->setCurrentIndex(9);
        element<QSpinBox>(d, "spinGenerations")->setValue(4);
        EXPECT_EQ(element<QCheckBox>(d, "c2050")->text(), "Arbre chronologique");
        EXPECT_EQ(element<QCheckBox>(d, "c2053")->text(), "Arbre chromatique");
    };
    ParametresDocument avant = individuel.parametres;
    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        changer(d);
        return int(QDialog::Rejected);
    };
    EXPECT_FALSE(modifier(individuel));
    EXPECT_EQ(individuel.parametres, avant);

    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        changer(d);
        return essai::valider(d);
    };
    EXPECT_TRUE(modifier(individuel));
    EXPECT_EQ(individuel.texte(kFondDePage), "France");
    EXPECT_EQ(individuel.format, FormatSortie::Web);
    // Rang 9 de la liste de l'arbre individuel : génération 2.
    EXPECT_EQ(individuel.octet(kCritereColoration<SorteArbreChromatique::AscendantIndividuel>), 10);
    EXPECT_EQ(individuel.octet(kLimiteGenerations), 4);
}

TEST_F(Feuille, laPageDesCoupesAjouteJusquACinquanteEtSupprimeLaLigneChoisie) {
    std::int32_t claude = personne("BERTHELOT", "Claude");
    EnsemblePersonnes coupees(contexte.base->nombreIndividus());
    for (std::uint32_t p = 1; coupees.nombre() < 49; ++p)
        if (p != static_cast<std::uint32_t>(claude)) coupees.ajouter(p);
    familial.valeur(kCoupesArbre) = coupees;
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        taper(d, "Berthelot", "Claude");
        return essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        auto* liste = element<QListWidget>(d, "listeCoupes");
        auto* ajouter = element<QPushButton>(d, "boutonAjouter");
        for (int essais = 0; essais < 3 && ajouter->isEnabled(); ++essais) ajouter->click();
        EXPECT_EQ(liste->count(), 50);
        EXPECT_FALSE(ajouter->isEnabled());
        liste->setCurrentRow(0);
        element<QPushButton>(d, "boutonSupprimer")->click();
        EXPECT_TRUE(ajouter->isEnabled());
        return essai::valider(d);
    };
    ASSERT_TRUE(modifier(familial));
    const auto& apres = std::get<EnsemblePersonnes>(familial.valeur(kCoupesArbre));
    EXPECT_EQ(apres.nombre(), 49u);
    EXPECT_TRUE(apres.contient(static_cast<std::uint32_t>(claude)));
}

TEST_F(Feuille, lesDialoguesDemandentTeteConjointPuisFeuille) {
    SourceDialogues source(environnement(), listes, f.get());
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Arbre ascendant familial");
        taper(d, "Berthelot", "François");
        return essai::valider(d);
    };
    aiguillage.parNom["DIALOG_DEMCONJOINT"] = [](QDialog& d) {
        element<QComboBox>(d, "comboConjoint")->setCurrentText("LEROY Augustine");
        return essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) { return essai::valider(d); };
    EXPECT_TRUE(source.parametrer(familial, contexte));
    EXPECT_EQ(aiguillage.ouverts, (QStringList{"DIALOG_DEMPERS", "DIALOG_DEMCONJOINT", "feuilleProprietes"}));
    EXPECT_EQ(familial.personne(kRacine), personne("BERTHELOT", "François"_1252));
    EXPECT_EQ(familial.personne(kConjoint), personne("LEROY", "Augustine"));

    // Annuler le conjoint arrête tout, sans feuille.
    aiguillage.ouverts.clear();
    aiguillage.parNom["DIALOG_DEMCONJOINT"] = [](QDialog&) { return int(QDialog::Rejected); };
    EXPECT_FALSE(source.parametrer(familial, contexte));
    EXPECT_EQ(aiguillage.ouverts, (QStringList{"DIALOG_DEMPERS", "DIALOG_DEMCONJOINT"}));
}

TEST(Menus, chaqueCommandeDeDocumentDesigneUnTypeDistinct) {
    std::set<int> codes;
    for (const MenuDocuments& menu : menusDocuments())
        for (const ElementMenuDocument& e : menu.elements) {
            if (e.identifiant == kCommandeGererFavoris) continue;
            const Afficheur* type = afficheurDeCode(typeDeCommande(e.identifiant));
            ASSERT_NE(type, nullptr) << e.identifiant;
            codes.insert(type->code);
        }
    EXPECT_EQ(codes.size(), Afficheur::kNombreTypes);
    EXPECT_EQ(typeDeCommande(6102), 38);
}

// Liste descendante : la page « Reports », sans limite de générations ; la liste reportée et son
// nombre reviennent au document.
TEST_F(Feuille, laListeDescendanteAUnePageReportsSansLimiteDeGenerations) {
    ListeDescendante liste(*afficheurDeCode(ListeDescendante::kCode));
    liste.initialiserParametres(contexte);
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        taper(d, "Berthelot", "Claude");
        return essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        auto* onglets = element<QTabWidget>(d, "onglets");
        EXPECT_EQ(onglets->tabText(2), "Reports");
        QWidget* reports = onglets->widget(2);
        EXPECT_FALSE(reports->findChild<QSpinBox*>("spinGenerations")->isVisibleTo(reports));
        reports->findChild<QPushButton*>("boutonAjouter")->click();
        return essai::valider(d);
    };
    ASSERT_TRUE(modifier(liste));
    ASSERT_EQ(liste.ensemble(kReports)->nombre(), 1u);
    EXPECT_TRUE(liste.ensemble(kReports)->contient(static_cast<std::uint32_t>(personne("BERTHELOT", "Claude"))));
    EXPECT_EQ(std::get<std::uint16_t>(liste.valeur(kNombreReports)), 1u);
    EXPECT_EQ(liste.ensemble(kCoupesListe)->nombre(), 0u);
}

// Trois pages déclarées : chacune rend ses valeurs au document.
TEST_F(Feuille, laListeParCritereAGeneralDatesEtLieuxDansCetOrdre) {
    ListeCriteres liste(*afficheurDeCode(ListeCriteres::kCode));
    liste.initialiserParametres(contexte);
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        auto* onglets = element<QTabWidget>(d, "onglets");
        element<QComboBox>(*onglets->widget(0), "c2001")->setEditText("Dupont");
        element<QLineEdit>(*onglets->widget(1), "c2005")->setText("1750");
        element<QLineEdit>(*onglets->widget(2), "c2004")->setText("Lyon");
        return essai::valider(d);
    };
    ASSERT_TRUE(modifier(liste));
    EXPECT_EQ(liste.texte(kCritereNom), "Dupont");
    EXPECT_EQ(std::get<DateParametre>(liste.valeur(kDateMaximale)).annee, 1750);
    EXPECT_EQ(liste.texte(kCritereLieu), "Lyon");
}

// Une page déclarée avec chaque sorte de contrôle : la même procédure les lie tous par leur
// identifiant, sans code propre à la page.
constexpr const char* kTris[] = {"par nom", "par date"};
constexpr const char* kOrdres[] = {"croissant", "décroissant", "aucun"};
constexpr ParametreDeclare kCase{.lettre = 'b', .controle = 2011, .libelle = "Avec les dates"};
constexpr ParametreDeclare kTri{.lettre = '1', .controle = 2020, .libelle = "Tri", .choix = kTris};
constexpr ParametreDeclare kOrdre{.lettre = '1', .controle = 2041, .libelle = "Ordre", .choix = kOrdres};
constexpr ParametreDeclare kNombre{
    .lettre = '1', .controle = 2060, .libelle = "Générations", .minimum = 1, .maximum = 20};
constexpr ParametreDeclare kLieu{.lettre = 's', .controle = 2004, .libelle = "Lieu"};
constexpr ParametreDeclare kDate{.lettre = 'D', .controle = 2003, .libelle = "Né après le"};

TEST_F(Feuille, laPremierePageLieChaqueSorteDeControleParSonIdentifiant) {
    PageOptions page{"DIALOG_ESSAI", "Général", {&kCase, &kTri, &kOrdre, &kNombre, &kLieu, &kDate}};
    EmplacementsOptions e;
    e.valeurs[2060] = 50;  // borné par le champ
    PagePremiere p(page, *afficheurDeCode(17), e, listes);
    element<QCheckBox>(p, "c2011")->setChecked(true);
    element<QComboBox>(p, "c2020")->setCurrentIndex(1);
    element<QRadioButton>(p, "c2043")->setChecked(true);
    element<QLineEdit>(p, "c2004")->setText("Lyon");
    element<QLineEdit>(p, "c2003")->setText("32/01/1850");
    EXPECT_FALSE(p.datesCorrectes());
    EXPECT_EQ(BoiteMessage::montres(), QStringList{"Date incorrecte"});
    element<QLineEdit>(p, "c2003")->setText("01/1850");
    EXPECT_TRUE(p.datesCorrectes());
    p.valider();
    EXPECT_EQ(e.valeurs[2011], 1);
    EXPECT_EQ(e.valeurs[2020], 1);
    EXPECT_EQ(e.valeurs[2041], 2);
    EXPECT_EQ(e.valeurs[2060], 20);
    EXPECT_EQ(e.textes[2004], "Lyon");
    EXPECT_EQ(e.textes[2003], "01/1850");
}

}  // namespace
