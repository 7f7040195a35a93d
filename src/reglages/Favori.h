#pragma once
// Favori : un document nommé, rangé avec ses paramètres dans le bloc de son fichier
// généalogique de « Perso.dwa », ou une ligne de séparation du menu « Favoris ».
//
// Rangement, à la suite de la personne « Moi » du bloc (entiers little-endian) :
//   u8         nombre de favoris, puis pour chacun :
//     ligne      nom (80 octets au plus) suivi d'un saut de ligne
//     u8         code du type de document (255 : séparateur)
//     u16        longueur n des paramètres, puis n octets (le BlocParametres du type)
// Avant la version 600, la « Fiche individuelle » (type 10) avait quatre cases à cocher de
// moins, juste avant sa dernière valeur : elles sont ajoutées, cochées, à la lecture.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lignara {

class EcritureReglages;
class LectureReglages;

struct Favori {
    static constexpr std::uint8_t kSansType = 0;  // favori neuf, pas encore de type
    static constexpr std::uint8_t kSeparateur = 255;
    static constexpr std::size_t kLimiteNom = 80;
    static constexpr std::size_t kLimiteParametres = 2000;
    // Le dialogue n'en fait pas plus ; c'est aussi ce qui garde le bloc sous 65535 octets.
    static constexpr std::size_t kMaximum = 30;

    std::string nom;  // Windows-1252 ; vide pour un séparateur
    std::uint8_t type = kSansType;
    std::vector<std::uint8_t> parametres;

    bool separateur() const { return type == kSeparateur; }
    friend bool operator==(const Favori&, const Favori&) = default;
};

// Lit la liste rangée (version du fichier « Perso.dwa »). Chaque lecture reste dans le bloc ;
// un nom sans fin de ligne, des paramètres de plus de 2000 octets ou une liste tronquée : faux,
// et la liste est vide (les favoris d'un bloc abîmé ne sont pas devinés). Au-delà de 30, les
// favoris suivants sont ignorés.
bool lireFavoris(LectureReglages& lecture, std::uint16_t version, std::vector<Favori>& favoris);

// Écrit les 30 premiers favoris ; le nom est coupé à 80 octets et à son premier saut de ligne.
// Des paramètres de plus de 2000 octets : OperationImpossible, rien n'est écrit.
void ecrireFavoris(EcritureReglages& ecriture, const std::vector<Favori>& favoris);

// Paramètres d'une « Fiche individuelle » rangée avant la version 600 : les (n − 1) premiers
// octets, quatre octets 1, puis le dernier. Un bloc vide reste vide.
std::vector<std::uint8_t> convertirFicheAvant600(std::span<const std::uint8_t> parametres);

// Le favori de ce nom (comparaison exacte, casse comprise), ou nul. Un séparateur n'a pas de nom.
const Favori* favoriNomme(const std::vector<Favori>& favoris, std::string_view nom);

// Fusion de trois listes : ceux de la liste chargée (avant), ceux que l'on veut écrire
// (apres) et ceux que le fichier porte maintenant (surDisque, écrits entre-temps par un
// autre programme, la ligne de commande par exemple). Sans changement ici, le fichier gagne ;
// sans changement là-bas, apres gagne ; sinon apres, suivi des favoris nommés ajoutés là-bas
// dont le nom n'est ni dans avant ni dans apres, dans la limite de 30.
std::vector<Favori> fusionnerFavoris(const std::vector<Favori>& avant, const std::vector<Favori>& apres,
                                     const std::vector<Favori>& surDisque);

}  // namespace lignara
