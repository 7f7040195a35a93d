#pragma once
// La vraie fenêtre ouverte sur l'exemple livré, un document sans mise en page, et des
// simulations de dialogues aiguillées par le nom du dialogue.
#include <functional>
#include <map>

#include <gtest/gtest.h>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>

#include "documents/Document.h"
#include "gui/EssaiFenetre.h"
#include "shell/gui/DialogueSelectionPersonne.h"
#include "shell/gui/FenetrePrincipale.h"

namespace essai {

// Les paramètres d'un document, sans mise en page.
struct ArbreEssai : lignara::Document {
    using Document::Document;
    void preparer(const lignara::ContexteDocument&) override {}
    void ecrire() override {}
};

// Un dialogue sans fonction à son nom est une faute du test, refermée par Annuler.
struct Aiguillage {
    std::map<QString, std::function<int(QDialog&)>> parNom;
    QStringList ouverts;
    void installer() {
        lignara::gui::ExecutionDialogue::simulation() = [this](QDialog& d) {
            ouverts << d.objectName();
            if (auto it = parNom.find(d.objectName()); it != parNom.end()) return it->second(d);
            ADD_FAILURE() << "dialogue inattendu : " << d.objectName().toStdString();
            return int(QDialog::Rejected);
        };
    }
};

template <class T>
T* element(QWidget& d, const char* nom) {
    T* w = d.findChild<T*>(nom);
    EXPECT_NE(w, nullptr) << nom;
    return w;
}

inline QPushButton* boutonOk(QWidget& d) {
    return element<QDialogButtonBox>(d, "boutons")->button(QDialogButtonBox::Ok);
}

inline int valider(QDialog& d) {
    boutonOk(d)->click();
    return d.result();
}

// Tape les noms comme l'utilisateur, champ après champ.
inline void taper(QDialog& d, const QString& nom, const QString& prenoms = {}) {
    element<QComboBox>(d, "comboNom")->setEditText(nom);
    if (auto* p = d.findChild<QComboBox*>("comboPrenoms")) p->setEditText(prenoms);
}

struct FenetreOuverte : ::testing::Test {
    std::unique_ptr<lignara::gui::FenetrePrincipale> f;
    lignara::ContexteDocument contexte;
    Aiguillage aiguillage;

    void SetUp() override {
        remettreAZero();
        f = std::make_unique<lignara::gui::FenetrePrincipale>(lignara::Configuration{}, exempleLivre());
        f->executer(1002);
        ASSERT_TRUE(f->fichier().estOuvert());
        contexte = f->fichier().contexte(true);
        aiguillage.installer();
    }
    lignara::gui::EnvironnementSelection environnement() {
        return {contexte, f->fichier().recentes(), [] { return -1; }, {}};
    }
    // Numéro de la personne de ces prénoms et nom (1252 : « BERTHELOT »).
    std::int32_t personne(const std::string& nom, const std::string& prenoms) const {
        lignara::SelectionPersonne s(contexte);
        for (std::uint32_t p = 1; p <= contexte.base->nombreIndividus(); ++p)
            if (s.nomDe(p) == nom && s.prenomsDe(p) == prenoms) return static_cast<std::int32_t>(p);
        return -1;
    }
};

// La fenêtre ouverte, afficheurs permis ; produire() rend le document d'une commande, effacé
// (vide sans document).
struct FenetreDocuments : FenetreOuverte {
    void SetUp() override {
        FenetreOuverte::SetUp();
        f->configuration().afficheurs = {"true", "true", "true", "true"};
    }
    std::filesystem::path produire(int commande) {
        const auto avant = f->dernierDocument();
        f->executer(commande);
        if (f->dernierDocument() == avant) return {};
        EXPECT_TRUE(std::filesystem::remove(f->dernierDocument())) << f->dernierDocument();
        return f->dernierDocument();
    }
};

}  // namespace essai
