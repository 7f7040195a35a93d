#pragma once
// Base des documents : un Graphique qui connaît son type, tient ses paramètres dans l'ordre de
// sa signature et sait se préparer puis s'écrire. Chaque mise en page en dérive et se nomme
// dans la colonne fabrique de sa ligne de la table (Afficheur.h).
// Le document possède ses paramètres et ses tables et les libère à sa destruction, y compris
// quand une exception l'abandonne.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "commun/Horloge.h"
#include "documents/Afficheur.h"
#include "documents/ContexteDocument.h"
#include "documents/SignatureParametres.h"
#include "render/Graphique.h"
#include "render/PolicesDocument.h"

namespace lignara {

// Valeur de départ d'un paramètre déclaré : sa valeur par défaut (lettres numériques), texte
// vide, personne 0, date nulle, liste vide sur nombrePersonnes.
ValeurParametre valeurDeDepart(const ParametreDeclare& parametre, std::uint32_t nombrePersonnes);

class Document : public Graphique {
public:
    explicit Document(const Afficheur& type) : type_(type) {}
    virtual ~Document() = default;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    const Afficheur& type() const { return type_; }
    SignatureParametres signature() const { return SignatureParametres(type_.signature()); }

    ParametresDocument parametres;
    // Police et horloge du document, prises au contexte par initialiserParametres ; l'exécution
    // remplace la police par une police tirée au sort quand la préférence le demande. Le
    // document mesure, date, compte les années et tire au sort avec elles seules.
    PolicesDocument polices;
    Horloge horloge;

    // Valeurs de départ déclarées, avant que toute source de paramètres ne les remplace ; prend
    // aussi au contexte la police et l'horloge.
    virtual void initialiserParametres(const ContexteDocument& contexte);
    // Calculs qui doivent précéder la feuille de propriétés, une fois la personne de tête
    // choisie (nombre d'anneaux d'une roue qui tiennent…) : ils peuvent fixer des maxima
    // calculés. Faux, ou OperationImpossible, arrête le document. Seuls les dialogues
    // l'appellent : le document refait ces calculs lui-même pour un favori ou la ligne de commande.
    virtual bool avantFeuille(const ContexteDocument&) { return true; }
    // Préconditions du type (conjoint connu, parent connu…) : faux après le message.
    virtual bool verifierParametres(const ContexteDocument&) { return true; }
    // Préparation et mise en page sur la base ; rien n'est lu de la base ensuite.
    virtual void preparer(const ContexteDocument& contexte) = 0;
    // Écrit le document dans chemin, au format choisi.
    virtual void ecrire() = 0;
    // Rang du compteur d'usage à partir du premier compteur du type (variantes des arbres).
    virtual std::size_t varianteCompteur() const { return 0; }

    // Paramètres par leur déclaration. Un paramètre que le type ne déclare pas est une faute du
    // programme (std::logic_error) ; une valeur d'un autre genre que sa lettre se lit 0 ou vide.
    ValeurParametre& valeur(const ParametreDeclare& parametre);
    const ValeurParametre& valeur(const ParametreDeclare& parametre) const;
    std::uint8_t octet(const ParametreDeclare& parametre) const;
    std::uint16_t mot(const ParametreDeclare& parametre) const;  // lettre « 2 »
    std::string texte(const ParametreDeclare& parametre) const;
    std::int32_t personne(const ParametreDeclare& parametre) const;
    const EnsemblePersonnes* ensemble(const ParametreDeclare& parametre) const;
    // Premier paramètre de ce rôle ; nullptr quand le type n'en a pas.
    ValeurParametre* valeur(RoleParametre role);
    const ValeurParametre* valeur(RoleParametre role) const;

    // Maximum d'un paramètre numérique offert par la feuille : celui que avantFeuille a calculé,
    // sinon le maximum déclaré.
    std::int64_t maximum(const ParametreDeclare& parametre) const;
    void fixerMaximum(const ParametreDeclare& parametre, std::int64_t maximum) { maxima_[&parametre] = maximum; }

    // Personne de tête (0 : aucune) et son nom tel que la sélection l'a rempli.
    std::int32_t racine() const;
    std::string nomRacine() const;
    // Recopie le format du paramètre qui le porte, borné aux formats offerts par le type.
    void suivreFormatDesParametres();

private:
    const Afficheur& type_;
    std::map<const ParametreDeclare*, std::int64_t> maxima_;
};

}  // namespace lignara
