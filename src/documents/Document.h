#pragma once
// Base des documents : un Graphique qui connaît son type, tient ses paramètres dans l'ordre de
// sa signature et sait se préparer puis s'écrire. Chaque mise en page en dérive (MisesEnPage.h).
// Le document possède ses paramètres et ses tables et les libère à sa destruction, y compris
// quand une exception l'abandonne.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "commun/Horloge.h"
#include "documents/Afficheur.h"
#include "documents/ContexteDocument.h"
#include "documents/SignatureParametres.h"
#include "render/Graphique.h"
#include "render/PolicesDocument.h"

namespace lignara {

// Option nommée d'un document : le libellé de son dialogue sans ses deux-points, le paramètre
// qu'elle remplit (indice dans la signature, lettres reconnues seules) et ses valeurs.
struct OptionDocument {
    enum class Genre : std::uint8_t {
        OuiNon,   // paramètre « b » : oui / non
        Nombre,   // paramètre « 1 », « 2 » ou « 4 » entre minimum et maximum
        Choix,    // paramètre entier : rang du libellé ; paramètre « s » : le libellé lui-même
        Texte,    // paramètre « s » libre, longueurMax octets au plus
    };
    std::string libelle;               // UTF-8, tel que le dialogue le montre
    std::size_t parametre = 0;
    Genre genre = Genre::OuiNon;
    std::vector<std::string> choix;    // UTF-8
    std::int64_t minimum = 0;
    std::int64_t maximum = 0;
    std::size_t longueurMax = 100;
    std::vector<std::int64_t> valeurs;  // Choix entier : valeur de chaque libellé ; vide : son rang
};

class Document : public Graphique {
public:
    explicit Document(const Afficheur& type) : type_(type) {}
    virtual ~Document() = default;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    const Afficheur& type() const { return type_; }
    SignatureParametres signature() const { return SignatureParametres(type_.signature); }

    ParametresDocument parametres;
    // Police et horloge du document, prises au contexte par initialiserParametres ; l'exécution
    // remplace la police par une police tirée au sort quand la préférence le demande. Le
    // document mesure, date, compte les années et tire au sort avec elles seules.
    PolicesDocument polices;
    Horloge horloge;

    // Valeurs par défaut du type, avant que toute source de paramètres ne les remplace ; prend
    // aussi au contexte la police et l'horloge.
    virtual void initialiserParametres(const ContexteDocument& contexte);
    // Options que la ligne de commande peut nommer.
    virtual std::vector<OptionDocument> options() const { return {}; }
    // Indice du paramètre qui porte le code du format de sortie ; −1 : le format n'est pas un
    // paramètre (seul le PDF est offert).
    virtual int parametreFormat() const { return -1; }
    // Préconditions du type (conjoint connu, parent connu…) : faux après le message.
    virtual bool verifierParametres(const ContexteDocument&) { return true; }
    // Préparation et mise en page sur la base ; rien n'est lu de la base ensuite.
    virtual void preparer(const ContexteDocument& contexte) = 0;
    // Écrit le document dans chemin, au format choisi.
    virtual void ecrire() = 0;
    // Rang du compteur d'usage à partir du premier compteur du type (variantes des arbres).
    virtual std::size_t varianteCompteur() const { return 0; }

    // Personne de tête (0 : aucune) et son nom tel que la sélection l'a rempli.
    std::int32_t racine() const;
    std::string nomRacine() const;
    // Recopie le format du paramètre qui le porte, borné aux formats offerts par le type.
    void suivreFormatDesParametres();

private:
    const Afficheur& type_;
};

}  // namespace lignara
