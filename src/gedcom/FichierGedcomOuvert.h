#pragma once
// Un fichier GEDCOM du fichier ouvert (un .ged simple en donne un ; une fusion plusieurs) :
// son chemin, son flux binaire, son jeu de caractères et les drapeaux de son logiciel d'origine.
//
// Un fichier en UTF-16 est transcodé à l'ouverture en une copie UTF-8 du dossier privé
// (nom sûr, mode 0600), effacée à la fermeture ; les décalages se réfèrent alors à la copie,
// et le jeu de caractères reste UTF-8 quoi qu'en dise l'en-tête.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "gedcom/FluxOctets.h"
#include "gedcom/JeuCaracteres.h"

namespace lignara {

class FichierGedcomOuvert {
public:
    // Ouvre le fichier en lecture binaire, sans attendre (FichierEntree : un tube, un
    // périphérique ou un dossier sont refusés, la lecture s'arrête à la taille d'ouverture).
    // Lève OperationImpossible : « Fichier %s inexistant », « Lecture impossible du fichier
    // Gedcom\n%s\n<Cause> », ou « Accès impossible au répertoire temporaire\n%s » quand la
    // copie UTF-8 ne peut pas être écrite.
    explicit FichierGedcomOuvert(std::filesystem::path chemin);
    ~FichierGedcomOuvert();
    FichierGedcomOuvert(FichierGedcomOuvert&&) noexcept;
    FichierGedcomOuvert& operator=(FichierGedcomOuvert&&) noexcept;

    // Second accès au même fichier, pour une relecture dans un autre fil : son propre flux, le
    // même jeu de caractères et les mêmes drapeaux. L'original doit vivre plus longtemps (il
    // garde la copie UTF-8). Lève OperationImpossible si le fichier ne s'ouvre plus.
    FichierGedcomOuvert jumeau() const;

    const std::filesystem::path& chemin() const { return chemin_; }
    std::string chemin1252() const;
    FluxOctets& flux() { return *flux_; }

    bool estTranscodeUtf16() const { return copie_ != nullptr; }
    // Chemin de ce qui est réellement lu : la copie UTF-8, ou le fichier lui-même.
    std::filesystem::path cheminLu() const;

    JeuCaracteres jeuCaracteres() const { return jeu_; }
    // Valeur de la ligne CHAR de l'en-tête.
    void choisirJeuCaracteres(std::string_view valeurChar);
    // Relecture après l'import : le jeu relevé par le balayage (sans effet sur une copie
    // transcodée, toujours UTF-8).
    void retablirJeuCaracteres(JeuCaracteres jeu);
    // Avant chaque balayage : aucun jeu (UTF-8 pour une copie transcodée), drapeaux à 0.
    void reinitialiser();

    std::uint16_t drapeauxLogiciel = 0;
    // Vrai dès qu'une ligne a été lue dans ce fichier (« Erreur de lecture » sinon).
    bool aDonneUneLigne = false;
    // Vrai quand le balayage a trouvé « 0 HEAD » en première ligne de niveau 0 (ImporterGedcom.h
    // dit ce qu'il advient d'un fichier sans).
    bool aUneEnTete = false;

private:
    FichierGedcomOuvert() = default;
    struct CopieTemporaire;
    std::filesystem::path chemin_;
    std::unique_ptr<CopieTemporaire> copie_;  // détruite après le flux qui la lit
    std::unique_ptr<FluxOctets> flux_;
    JeuCaracteres jeu_ = JeuCaracteres::Aucun;
};

}  // namespace lignara
