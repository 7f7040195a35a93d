#pragma once
// La base de travail : un fichier d'enregistrements de taille fixe (individus, fiches Famille,
// événements), une zone de notes et sept tables de chaînes (format dans BaseGenealogique.cpp).
//
// Contrats :
//  - les numéros d'enregistrement commencent à 1 ; un numéro hors des effectifs, une réf. hors
//    de sa table ou un enregistrement incomplet lèvent DonneesCorrompues, jamais autre chose ;
//  - les lectures sont sans état partagé : deux threads peuvent lire en même temps ;
//  - les transformations d'affichage des noms se fixent avant que les lectures ne commencent ;
//  - à la fermeture (fermer() ou destruction), le fichier est fermé, et effacé s'il a été créé
//    par l'écrivain de la base.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "database/EnTeteBase.h"
#include "database/EnsemblePersonnes.h"
#include "database/Evenement.h"
#include "database/Famille.h"
#include "database/FichierBinaire.h"
#include "database/Individu.h"
#include "database/ProjectionLecture.h"
#include "database/TableTexte.h"

namespace lignara {

// Texte chargé en lot : une seule copie partagée par toutes les entrées de même valeur.
using TexteCharge = std::shared_ptr<const std::string>;

class BaseGenealogique {
public:
    // Retouche d'affichage d'un nom ou de prénoms (majuscules…), appliquée en place.
    using TransformationNom = std::function<void(std::string&)>;

    static constexpr std::size_t kCapaciteTexte = 100;

    // Projection : le fichier est projeté en mémoire et lu depuis le cache de pages sans appel
    // système (repli automatique sur Positions si la projection échoue). Positions : une lecture
    // pread par demande.
    enum class ModeLecture { Projection, Positions };

    BaseGenealogique() = default;
    // Prend le fichier et vérifie son en-tête (DonneesCorrompues sinon).
    explicit BaseGenealogique(FichierBinaire fichier, ModeLecture mode = ModeLecture::Projection);
    // Fichier existant ouvert en lecture seule ; il n'est pas effacé à la fermeture.
    static BaseGenealogique ouvrir(const std::filesystem::path& chemin, ModeLecture mode = ModeLecture::Projection);

    BaseGenealogique(BaseGenealogique&&) noexcept = default;
    BaseGenealogique& operator=(BaseGenealogique&&) noexcept = default;
    ~BaseGenealogique() = default;

    bool ouverte() const { return fichier_.ouvert(); }
    void fermer();
    const std::filesystem::path& chemin() const { return fichier_.chemin(); }
    const EnTeteBase& enTete() const { return enTete_; }

    std::uint32_t nombreIndividus() const { return enTete_.nombreIndividus(); }
    std::uint32_t nombreFamilles() const { return enTete_.nombreFamilles(); }
    std::uint32_t nombreEvenements() const { return enTete_.nombreEvenements(); }

    Individu LireIndividu(std::uint32_t numero) const;
    Famille LireFamille(std::uint32_t numero) const;
    Evenement LireEvenement(std::uint32_t numero) const;

    // Au plus capacite − 1 octets lus, arrêt après le premier saut de ligne, dernier octet lu
    // ôté : à la capacité 100, une chaîne de plus de 98 octets revient coupée. Réf. 0 : vide.
    std::string LireTexte(TableTexte table, std::uint32_t ref, std::size_t capacite = kCapaciteTexte) const;
    // Lignes d'un bloc de notes (décalage compté depuis 1 ; 0 : aucune note).
    std::vector<std::string> LireNotes(std::uint32_t decalage) const;
    // Chemins d'une liste de photos (réf. dans TablePhotos ; 0 : aucune photo).
    std::vector<std::string> LirePhotos(std::uint32_t ref) const;

    void fixerTransformationsNoms(TransformationNom noms, TransformationNom prenoms);

    // Têtes de branche marquées par l'import, avec leur compte (nombre()).
    const EnsemblePersonnes& TetesDeBranche() const { return tetesDeBranche_; }
    void fixerTetesDeBranche(EnsemblePersonnes tetes) { tetesDeBranche_ = std::move(tetes); }

    // Chargement en lot des textes d'un champ de réf. : les entrées sont triées, celles dont le
    // champ vaut 0 (ou moins) en tête avec un texte vide, les autres par valeur croissante pour
    // lire la table dans l'ordre du fichier ; chaque valeur distincte est lue une fois.
    template <class Entree, class Champ>
    void ChargerTextes(std::vector<Entree>& entrees, Champ Entree::*champ, TexteCharge Entree::*texte, TableTexte table,
                       std::size_t capacite = kCapaciteTexte) const {
        charger(entrees, champ, texte, [&](std::uint32_t ref) { return LireTexte(table, ref, capacite); });
    }

private:
    template <class Champ>
    static std::uint32_t cle(Champ valeur) {
        return valeur <= 0 ? 0u : static_cast<std::uint32_t>(valeur);
    }

    template <class Entree, class Champ, class Lecture>
    static void charger(std::vector<Entree>& entrees, Champ Entree::*champ, TexteCharge Entree::*texte,
                        const Lecture& lire) {
        std::stable_sort(entrees.begin(), entrees.end(),
                         [champ](const Entree& a, const Entree& b) { return cle(a.*champ) < cle(b.*champ); });
        auto vide = std::make_shared<const std::string>();
        TexteCharge courant = vide;
        std::uint32_t valeurCourante = 0;
        for (Entree& e : entrees) {
            std::uint32_t v = cle(e.*champ);
            if (v != valeurCourante) {
                courant = std::make_shared<const std::string>(lire(v));
                valeurCourante = v;
            }
            e.*texte = courant;
        }
    }

    void lireEnregistrement(std::uint64_t debut, std::uint32_t numero, std::uint32_t nombre, int taille,
                            std::uint8_t* octets) const;
    std::size_t lireAuPlus(std::uint64_t decalage, std::uint8_t* octets, std::size_t taille) const;
    std::uint64_t finTable(TableTexte table) const;
    std::string lireLigne(std::uint64_t& position, std::uint64_t fin, std::size_t maximum) const;

    FichierBinaire fichier_;
    ProjectionLecture projection_;
    EnTeteBase enTete_;
    std::uint64_t tailleFichier_ = 0;
    EnsemblePersonnes tetesDeBranche_;
    TransformationNom transformationNoms_;
    TransformationNom transformationPrenoms_;
};

}  // namespace lignara
