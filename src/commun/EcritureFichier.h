#pragma once
// Le seul rédacteur des fichiers du programme : documents, base de travail gardée, rapports,
// réglages, catégories compilées. Le contenu va dans un fichier temporaire du dossier de la
// cible (FichierTemporaire), chaque écriture est vérifiée, puis terminer() force le fichier
// sur disque, le ferme (vérifié aussi) et le renomme par-dessus la cible. Qui lit la cible voit
// l'ancien contenu ou le nouveau, jamais un fichier à moitié écrit ; un échec, un abandon ou un
// arrêt brutal laissent la cible telle qu'elle était.
//
// Aucune écriture ne suit un lien symbolique :
//  - Liens::refuses (défaut) : une cible qui est un lien est refusée ;
//  - Liens::versFichierAMoi (réglages, que l'on garde parfois dans un dépôt de fichiers de
//    configuration) : le lien est suivi seulement jusqu'à un fichier ordinaire à l'utilisateur,
//    c'est ce fichier qui est remplacé et le lien reste en place.
// Une cible qui existe sans être un fichier ordinaire (dossier, tube, périphérique) est toujours
// refusée. Un fichier remplacé garde ses droits ; un nouveau fichier prend 0666 moins le masque
// de l'utilisateur (Droits::usuels) ou 0600 (Droits::prives).
//
// Les échecs gardent la première cause (errno, ou un code de CauseErreur.h) ; message() en
// fait « Ecriture impossible dans le fichier\n<chemin>\n<Cause> ».
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "commun/FichierTemporaire.h"

namespace lignara {

class EcritureFichier {
public:
    enum class Liens { refuses, versFichierAMoi };
    enum class Droits { usuels, prives };

    EcritureFichier() = default;
    // Sans terminer(), le temporaire est effacé et la cible n'est pas touchée.
    ~EcritureFichier();
    EcritureFichier(const EcritureFichier&) = delete;
    EcritureFichier& operator=(const EcritureFichier&) = delete;

    // Vérifie la cible et crée le temporaire ; faux, avec la cause, quand c'est impossible.
    // Un objet déjà ouvert est d'abord abandonné.
    bool ouvrir(const std::filesystem::path& cible, Liens liens = Liens::refuses, Droits droits = Droits::usuels);
    bool ouvert() const { return temporaire_.ouvert(); }

    // Écrit tout ou retient l'échec ; après un échec, les écritures suivantes ne font rien.
    bool ecrire(const void* octets, std::size_t taille);
    bool ecrire(std::string_view octets) { return ecrire(octets.data(), octets.size()); }
    // Place la prochaine écriture à ce décalage (retour en arrière pour compléter un en-tête).
    bool positionner(std::uint64_t decalage);

    // Force sur disque, ferme et renomme par-dessus la cible ; faux, la cible intacte, quand
    // une écriture, la fermeture ou le renommage ont échoué.
    bool terminer();
    // Efface le temporaire sans toucher la cible.
    void abandonner();

    // Chemin demandé, et fichier réellement remplacé (le fichier visé par le lien suivi).
    const std::filesystem::path& cible() const { return cible_; }
    const std::filesystem::path& fichierRemplace() const { return remplace_; }
    int erreur() const { return erreur_; }
    std::string cause() const;
    std::string message() const;

private:
    bool echouer(int erreur);
    bool verifierCible(Liens liens, unsigned& mode, bool& existe);

    FichierTemporaire temporaire_;
    std::filesystem::path cible_;
    std::filesystem::path remplace_;
    int erreur_ = 0;
};

// Message « Ecriture impossible dans le fichier\n<chemin>\n<Cause> » d'un chemin et d'une cause.
std::string messageEcritureImpossible(const std::filesystem::path& chemin, int erreur);

// Écrit octets dans cible d'un seul coup comme plus haut ; échec : OperationImpossible(message()).
void ecrireFichier(const std::filesystem::path& cible, std::string_view octets,
                   EcritureFichier::Liens liens = EcritureFichier::Liens::refuses,
                   EcritureFichier::Droits droits = EcritureFichier::Droits::usuels);

// Copie le fichier source dans cible comme plus haut, par morceaux (une base de travail peut
// peser des centaines de mégaoctets). Échec : OperationImpossible, cible intacte.
void copierVersFichier(const std::filesystem::path& source, const std::filesystem::path& cible,
                       EcritureFichier::Droits droits = EcritureFichier::Droits::usuels);

}  // namespace lignara
