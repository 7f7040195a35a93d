// Feuilles de propriétés (première page déclarée, page « Coupes »), source des paramètres par
// les dialogues et correspondance des menus avec les types de documents.
#include <set>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "commun/Texte.h"
#include "documents/Afficheur.h"
#include "documents/arbres/ArbreAscendant.h"
#include "documents/arbres/DocumentArbreDescendant.h"
#include "documents/frises/FriseGenerations.h"
#include "documents/frises/FriseIndividuelle.h"
#include "documents/frises/FriseLignees.h"
#include "documents/listes/ListeAscendante.h"
#include "documents/listes/ListeDescendante.h"
#include "documents/roues/RoueDescendante.h"
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
        auto* onglets = element<QTabWidget>(d, "onglets");
        EXPECT_EQ(onglets->count(), 2);
        EXPECT_EQ(onglets->tabText(1), "Coupes");
        EXPECT_EQ(d.findChild<QRadioButton*>("c2092"), nullptr);  // RTF : pas offert par l'arbre
        EXPECT_FALSE(element<QComboBox>(d, "c2051")->isEnabled());
        element<QCheckBox>(d, "c2050")->setChecked(true);
        EXPECT_TRUE(element<QComboBox>(d, "c2051")->isEnabled());
        element<QComboBox>(d, "c2051")->setCurrentIndex(1);
        element<QRadioButton>(d, "c2094")->setChecked(true);
        element<QRadioButton>(d, "c2032")->setChecked(true);
        EXPECT_FALSE(element<QCheckBox>(d, "c2055")->isEnabled());
        element<QCheckBox>(d, "c2053")->setChecked(true);
        EXPECT_TRUE(element<QCheckBox>(d, "c2055")->isEnabled());
        element<QComboBox>(d, "c2054")->setCurrentIndex(9);
        element<QSpinBox>(d, "spinGenerations")->setValue(4);
    };
    ParametresDocument avant = individuel.parametres;
    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        changer(d);
        return int(QDialog::Rejected);
    };
    EXPECT_FALSE(modifier(individuel));
    EXPECT_EQ(individuel.parametres, avant);
    EXPECT_EQ(individuel.format, FormatSortie::Pdf);

    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        changer(d);
        return essai::valider(d);
    };
    EXPECT_TRUE(modifier(individuel));
    EXPECT_EQ(individuel.texte(kFondDePage), "France");
    EXPECT_EQ(individuel.octet(kFormat), 3);
    EXPECT_EQ(individuel.format, FormatSortie::Web);
    EXPECT_EQ(individuel.octet(kStyleAscendant), 1);
    // Rang 9 de la liste de l'arbre individuel : génération 2.
    EXPECT_EQ(individuel.octet(kCritereColoration<SorteArbreChromatique::AscendantIndividuel>), 10);
    EXPECT_EQ(individuel.octet(kLimiteGenerations), 4);
}

TEST_F(Feuille, laFeuilleDeLArbreDescendantPorteSesCasesEtLaBrancheDescendante) {
    essai::ArbreEssai descendant{*afficheurDeCode(DocumentArbreDescendant::kCode)};
    descendant.initialiserParametres(contexte);
    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        auto* agnatique = element<QCheckBox>(d, "c2012");
        auto* contemporains = element<QCheckBox>(d, "c2011");
        EXPECT_FALSE(agnatique->isChecked());
        EXPECT_TRUE(contemporains->isChecked());
        agnatique->setChecked(true);
        contemporains->setChecked(false);
        element<QCheckBox>(d, "c2053")->setChecked(true);
        auto* criteres = element<QComboBox>(d, "c2054");
        EXPECT_EQ(criteres->count(), 10);
        EXPECT_EQ(criteres->itemText(9), "Branche descendante");
        criteres->setCurrentIndex(9);
        return essai::valider(d);
    };
    EXPECT_TRUE(modifier(descendant));
    EXPECT_EQ(descendant.octet(kAgnatique), 1);
    EXPECT_EQ(descendant.octet(kContemporains), 0);
    EXPECT_EQ(descendant.octet(kCritereColoration<SorteArbreChromatique::Descendant>), 14);
}

TEST_F(Feuille, laPageDesCoupesAjouteJusquACinquanteEtSupprimeLaLigneChoisie) {
    std::int32_t claude = personne("BERTHELOT", "Claude");
    EnsemblePersonnes coupees(contexte.base->nombreIndividus());
    for (std::uint32_t p = 1; coupees.nombre() < 49; ++p)
        if (p != static_cast<std::uint32_t>(claude)) coupees.ajouter(p);
    familial.valeur(kCoupesArbre) = coupees;
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Ajout d'une branche");
        taper(d, "Berthelot", "Claude");
        return essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        auto* liste = element<QListWidget>(d, "listeCoupes");
        auto* ajouter = element<QPushButton>(d, "boutonAjouter");
        auto* supprimer = element<QPushButton>(d, "boutonSupprimer");
        EXPECT_EQ(element<QSpinBox>(d, "spinGenerations")->text(), " ");  // 0 : champ vide
        EXPECT_FALSE(supprimer->isEnabled());
        while (liste->count() < 50 && ajouter->isEnabled()) {
            int avant = liste->count();
            ajouter->click();
            if (liste->count() == avant) break;
        }
        EXPECT_EQ(liste->count(), 50);
        EXPECT_FALSE(ajouter->isEnabled());
        liste->setCurrentRow(0);
        EXPECT_TRUE(supprimer->isEnabled());
        supprimer->click();
        EXPECT_EQ(liste->count(), 49);
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
    std::int32_t francois = personne("BERTHELOT", "François"_1252);
    std::int32_t augustine = personne("LEROY", "Augustine");
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
    EXPECT_EQ(familial.personne(kRacine), francois);
    EXPECT_EQ(familial.texte(kNomRacine), "BERTHELOT");
    EXPECT_EQ(familial.personne(kConjoint), augustine);

    // Annuler le conjoint arrête tout, sans feuille.
    aiguillage.ouverts.clear();
    aiguillage.parNom["DIALOG_DEMCONJOINT"] = [](QDialog&) { return int(QDialog::Rejected); };
    EXPECT_FALSE(source.parametrer(familial, contexte));
    EXPECT_EQ(aiguillage.ouverts, (QStringList{"DIALOG_DEMPERS", "DIALOG_DEMCONJOINT"}));

    // Un document descendant demande sa tête avec « Sommet de branche ».
    essai::ArbreEssai descendant{*afficheurDeCode(2)};
    descendant.initialiserParametres(contexte);
    aiguillage.ouverts.clear();
    aiguillage.parNom["DIALOG_DEMPERS_DESC"] = [](QDialog&) { return int(QDialog::Rejected); };
    EXPECT_FALSE(source.parametrer(descendant, contexte));
    EXPECT_EQ(aiguillage.ouverts, (QStringList{"DIALOG_DEMPERS_DESC"}));
}

TEST_F(Feuille, lesFeuillesDesFrisesMontrentLeursOptions) {
    FriseIndividuelle ascendants(*afficheurDeCode(FriseIndividuelle::kCodeAscendants));
    ascendants.initialiserParametres(contexte);
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        for (const char* id : {"c2011", "c2012", "c2013", "c2014", "c2015"})
            EXPECT_TRUE(element<QCheckBox>(d, id)->isChecked());
        element<QCheckBox>(d, "c2011")->setChecked(false);
        element<QSpinBox>(d, "spinGenerations")->setValue(3);
        return essai::valider(d);
    };
    ASSERT_TRUE(modifier(ascendants));
    EXPECT_EQ(ascendants.octet(kEvenementsReligieux), 0);
    EXPECT_EQ(ascendants.octet(kLimiteGenerations), 3);

    FriseLignees descendante(*afficheurDeCode(FriseLignees::kCodeDescendante));
    descendante.initialiserParametres(contexte);
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        element<QSpinBox>(d, "c2060")->setValue(4);
        return essai::valider(d);
    };
    ASSERT_TRUE(modifier(descendante));
    EXPECT_EQ(descendante.octet(kLimiteFrise), 4);

    FriseGenerations generations(*afficheurDeCode(FriseGenerations::kCodeDescendante));
    generations.initialiserParametres(contexte);
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        EXPECT_TRUE(element<QCheckBox>(d, "c2011")->isChecked());
        element<QCheckBox>(d, "c2011")->setChecked(false);
        return essai::valider(d);
    };
    ASSERT_TRUE(modifier(generations));
    EXPECT_FALSE(generations.avecConjoints());
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
    EXPECT_EQ(typeDeCommande(6101), 1);
    EXPECT_EQ(typeDeCommande(6102), 38);
    EXPECT_EQ(typeDeCommande(6506), 11);
    EXPECT_EQ(typeDeCommande(6603), 7);
    EXPECT_EQ(typeDeCommande(6733), 24);
    EXPECT_EQ(typeDeCommande(6722), 22);
    EXPECT_EQ(typeDeCommande(kCommandeGererFavoris), 0);
    EXPECT_EQ(typeDeCommande(1002), 0);
}

// Liste descendante : trois cases, puis « Coupes » et « Reports », cette dernière sans limite
// de générations ; la liste reportée et son nombre reviennent au document.
TEST_F(Feuille, laListeDescendanteAUnePageReportsSansLimiteDeGenerations) {
    ListeDescendante liste(*afficheurDeCode(ListeDescendante::kCode));
    liste.initialiserParametres(contexte);
    aiguillage.parNom["DIALOG_DEMPERS"] = [](QDialog& d) {
        taper(d, "Berthelot", "Claude");
        return essai::valider(d);
    };
    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        auto* onglets = element<QTabWidget>(d, "onglets");
        EXPECT_EQ(onglets->count(), 3);
        EXPECT_EQ(onglets->tabText(1), "Coupes");
        EXPECT_EQ(onglets->tabText(2), "Reports");
        EXPECT_TRUE(element<QCheckBox>(d, "c2012")->isChecked());
        EXPECT_EQ(d.findChild<QRadioButton*>("c2093"), nullptr);  // pas de RTF
        element<QCheckBox>(d, "c2011")->setChecked(true);
        QWidget* reports = onglets->widget(2);
        EXPECT_EQ(reports->objectName(), "DIALOG_REPORT");
        EXPECT_FALSE(reports->findChild<QSpinBox*>("spinGenerations")->isVisibleTo(reports));
        reports->findChild<QPushButton*>("boutonAjouter")->click();
        EXPECT_EQ(reports->findChild<QListWidget*>("listeCoupes")->count(), 1);
        return essai::valider(d);
    };
    ASSERT_TRUE(modifier(liste));
    EXPECT_EQ(liste.octet(kAgnatiqueListe), 1);
    ASSERT_EQ(liste.ensemble(kReports)->nombre(), 1u);
    EXPECT_TRUE(liste.ensemble(kReports)->contient(static_cast<std::uint32_t>(personne("BERTHELOT", "Claude"))));
    EXPECT_EQ(std::get<std::uint16_t>(liste.valeur(kNombreReports)), 1u);
    EXPECT_EQ(liste.ensemble(kCoupesListe)->nombre(), 0u);

    ListeAscendante ascendante(*afficheurDeCode(ListeAscendante::kCode));
    ascendante.initialiserParametres(contexte);
    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        auto* onglets = element<QTabWidget>(d, "onglets");
        EXPECT_EQ(onglets->count(), 2);
        EXPECT_TRUE(element<QCheckBox>(d, "c2011")->isChecked());
        element<QRadioButton>(d, "c2093")->setChecked(true);
        return essai::valider(d);
    };
    ASSERT_TRUE(modifier(ascendante));
    EXPECT_EQ(ascendante.format, FormatSortie::Rtf);
}

}  // namespace

namespace {

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
    e.textes[2003] = "1850";
    PagePremiere p(page, *afficheurDeCode(17), e, listes);
    EXPECT_EQ(element<QComboBox>(p, "c2020")->itemText(1), "par date");
    element<QCheckBox>(p, "c2011")->setChecked(true);
    element<QComboBox>(p, "c2020")->setCurrentIndex(1);
    element<QRadioButton>(p, "c2043")->setChecked(true);
    EXPECT_EQ(element<QSpinBox>(p, "c2060")->value(), 20);
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

// Un type dont les options tiennent sur deux pages : un onglet par page, titré comme la ligne
// le dit, et la page « Coupes » en dernier.
constexpr ParametreDeclare kLieuDates{.lettre = 's', .controle = 2004, .libelle = "Lieu", .page = 1};
constexpr const ParametreDeclare* kParametresDeuxPages[] = {&kRacine,    &kNomRacine,   &kCase,
                                                            &kLieuDates, &kCoupesArbre, &kLimiteGenerations};
const Afficheur kTypeDeuxPages{200,
                               "Essai",
                               "ES_",
                               "essai",
                               kParametresDeuxPages,
                               DemandeTete::Personne,
                               "DIALOG_ES_GENE,DIALOG_ES_LIEUX:Lieux,DIALOG_COUPE",
                               OffrePdf,
                               0,
                               0,
                               nullptr};

TEST_F(Feuille, chaquePageDeclareeASonOnglet) {
    essai::ArbreEssai document{kTypeDeuxPages};
    document.initialiserParametres(contexte);
    aiguillage.parNom["feuilleProprietes"] = [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Essai");
        auto* onglets = element<QTabWidget>(d, "onglets");
        EXPECT_EQ(onglets->count(), 3);
        EXPECT_EQ(onglets->tabText(0), "Général");
        EXPECT_EQ(onglets->tabText(1), "Lieux");
        EXPECT_EQ(onglets->tabText(2), "Coupes");
        element<QCheckBox>(*onglets->widget(0), "c2011")->setChecked(true);
        element<QLineEdit>(*onglets->widget(1), "c2004")->setText("Lyon");
        return essai::valider(d);
    };
    ASSERT_TRUE(modifier(document));
    EXPECT_EQ(document.octet(kCase), 1);
    EXPECT_EQ(document.texte(kLieuDates), "Lyon");
}

}  // namespace

// La roue descendante compte ses anneaux entre la personne de tête et la feuille : le champ des
// générations ne propose pas plus d'anneaux qu'il n'en tient.
TEST_F(Feuille, laRoueDescendanteBorneSesGenerationsAvantLaFeuille) {
    SourceDialogues source(environnement(), listes, f.get());
    const Afficheur& type = *afficheurDeCode(RoueDescendante::kCode);
    RoueDescendante roue(type);
    roue.initialiserParametres(contexte);
    aiguillage.parNom["DIALOG_DEMPERS_DESC"] = [](QDialog& d) {
        taper(d, "Berthelot", "Claude");
        return essai::valider(d);
    };
    int maximum = -1;
    aiguillage.parNom["feuilleProprietes"] = [&](QDialog& d) {
        maximum = element<QSpinBox>(d, "c2060")->maximum();
        EXPECT_EQ(element<QSpinBox>(d, "c2060")->value(), maximum);
        EXPECT_TRUE(element<QCheckBox>(d, "c2011")->isChecked());
        EXPECT_FALSE(element<QCheckBox>(d, "c2012")->isChecked());
        return essai::valider(d);
    };
    ASSERT_TRUE(source.parametrer(roue, contexte));
    ASSERT_NE(roue.allocation(), nullptr);
    EXPECT_GT(roue.allocation()->anneauxQuiTiennent(), 1);
    EXPECT_LT(roue.allocation()->anneauxQuiTiennent(), 15);
    EXPECT_EQ(maximum, roue.allocation()->anneauxQuiTiennent());
    EXPECT_EQ(roue.octet(kGenerationsRoueDescendante), maximum);
}
