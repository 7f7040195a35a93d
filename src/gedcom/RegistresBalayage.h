#pragma once
// Registres de la passe de balayage, pour tous les fichiers d'un import : clés, décalages,
// lignes, liens et petites clés de tri. Aucun texte de note, de source ou de lieu n'y est
// gardé : la construction relit chaque enregistrement depuis son décalage. Seuls les noms des
// fichiers images (OBJE, sources de photos) y sont, déjà filtrés.
//
// Les personnes et les familles sont repérées par leur indice dans leur tableau (ordre de
// première rencontre) ; kAucun veut dire « aucune ».
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "commun/HachageCourt.h"
#include "gedcom/CleEnregistrement.h"
#include "gedcom/IndexCles.h"
#include "gedcom/ListeIndices.h"

namespace lignara {

inline constexpr std::uint32_t kAucun = 0xFFFFFFFFu;

// Un million de personnes, c'est un million de ces fiches : l'ordre des champs évite les trous
// d'alignement (80 octets par personne, 96 par famille).
struct PersonneBalayee {
    CleEnregistrement cle;
    std::uint8_t fichier = 0;  // indice du fichier GEDCOM (celui de la clé)
    bool definie = false;
    bool gardee = true;  // une fusion peut écarter une personne d'un fichier secondaire
    bool parAdoption = false;
    bool famcExplicite = false;       // parents nommés par un FAMC (et non par un CHIL)
    bool lienParentsCoupe = false;    // ferait de la personne son propre ancêtre
    bool parentsSecondaires = false;  // fusion : parents reçus d'un fichier secondaire
    std::uint64_t decalage = 0;       // ligne qui suit « 0 @I…@ INDI »
    long ligne = 0;                   // numéro de la ligne de niveau 0
    std::uint32_t familleParents = kAucun;
    std::uint32_t numero = 0;  // 0 : pas gardée
    std::int32_t cleTriNaissance = 0;
    std::uint16_t evenements = 0;      // naissances et décès datés ou situés
    ListeIndices<2> famillesConjoint;  // ordre des FAMS (ou des mariages)
};

static_assert(sizeof(PersonneBalayee) <= 80, "un trou d'alignement dans la fiche d'une personne");

struct FamilleBalayee {
    CleEnregistrement cle;
    std::uint8_t fichier = 0;
    bool definie = false;
    bool gardee = false;
    bool conjointDouble = false;   // mari et femme nommaient la même personne
    std::uint16_t evenements = 0;  // mariages et divorces datés ou situés
    std::uint64_t decalage = 0;
    long ligne = 0;
    std::uint32_t mari = kAucun;
    std::uint32_t femme = kAucun;
    std::int32_t cleTriMariage = 0;
    std::uint32_t ficheMari = 0;  // numéros des fiches Famille, 0 : pas de fiche
    std::uint32_t ficheFemme = 0;
    ListeIndices<4> enfants;  // ordre des CHIL (ou des naissances)
};
static_assert(sizeof(FamilleBalayee) <= 96, "un trou d'alignement dans la fiche d'une famille");

// Source : le texte se relit depuis l'enregistrement ; sans texte, elle reste définie (vide).
struct SourceBalayee {
    std::uint64_t decalage = 0;
    long ligne = 0;
    std::uint8_t fichier = 0;
    std::string photo;  // fichier d'une source « Photo de l'arbre » (drapeau 32)
};

// Note : relue depuis sa ligne de niveau 0 (qui porte la première ligne) ; remise une fois.
struct NoteBalayee {
    std::uint64_t decalageLigne0 = 0;
    long ligne = 0;
    std::uint32_t lignes = 0;  // lignes gardées comme notes
    std::uint8_t fichier = 0;
    bool donneCommentaire = false;
    bool remise = false;
};

struct HachageCle {
    std::size_t operator()(const CleEnregistrement& cle) const noexcept { return hacherCourt(cle.octets()); }
};

// Sources, notes et médias : tables de hachage. L'ordre des clés, dont la numérotation a
// besoin, se retrouve une seule fois par un tri des indices.
template <typename T>
using TableCles = std::unordered_map<CleEnregistrement, T, HachageCle>;

struct RegistresBalayage {
    IndexCles indexPersonnes;  // clé → indice dans personnes
    IndexCles indexFamilles;
    std::vector<PersonneBalayee> personnes;
    std::vector<FamilleBalayee> familles;
    TableCles<SourceBalayee> sources;
    TableCles<NoteBalayee> notes;
    TableCles<std::string> medias;  // OBJE : fichier image accepté
    // Entrées définies par leur enregistrement : les autres ne sont que nommées par des liens.
    std::size_t personnesDefinies = 0;
    std::size_t famillesDefinies = 0;
    // Fusion : familles des fichiers secondaires dont le lien à un enfant rapproché contredit
    // les parents que le fichier principal lui donne ; ignorées pour lui, signalées à l'import.
    struct LienContraire {
        std::uint8_t fichier = 0;
        long ligne = 0;
    };
    std::vector<LienContraire> liensContraires;
    bool indexRendus = false;

    // Rendent l'indice de l'entrée, créée (référencée, non définie) au premier appel.
    // h : IndexCles::hacher(cle), quand il est déjà calculé.
    std::uint32_t personne(const CleEnregistrement& cle);
    std::uint32_t personne(const CleEnregistrement& cle, std::size_t h);
    std::uint32_t famille(const CleEnregistrement& cle);
    std::uint32_t famille(const CleEnregistrement& cle, std::size_t h);
    // Indice de la personne de cette clé, kAucun quand aucune ligne ne l'a nommée.
    std::uint32_t chercherPersonne(const CleEnregistrement& cle) const;
    // Place d'avance dans les deux index pour ce nombre de personnes et de familles.
    void reserverIndex(std::size_t nombrePersonnes, std::size_t nombreFamilles);
    // Rend la mémoire des deux index (des dizaines de Mo pour un gros fichier) quand plus rien ne
    // cherche de clé : après le balayage et le rapprochement d'une fusion, avant la construction.
    // Chercher ensuite est une faute de programmation (std::logic_error).
    void rendreIndex();

    // Indices des personnes (des familles) dans l'ordre croissant de leurs clés.
    std::vector<std::uint32_t> personnesParCle() const;
    std::vector<std::uint32_t> famillesParCle() const;
};

}  // namespace lignara
