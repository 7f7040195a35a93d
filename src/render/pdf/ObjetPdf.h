#pragma once
// Objet d'un fichier PDF, gardé en mémoire jusqu'à l'écriture du fichier entier. Son numéro
// lui est donné à la création (à partir de 1, jamais réutilisé dans un fichier) ; sa position
// dans le fichier est notée quand il s'écrit et relue par la table des références croisées.
//
// Le texte de chaque objet est fixé à l'octet près, indentation comprise : chaque classe
// dérivée le donne dans son fichier.
#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>

namespace lignara {

class ObjetPdfPage;

// Destination d'un lien : position après transformation (unités de dessin, marges ajoutées)
// et page qui la porte (nulle quand la page n'existe pas).
struct CibleLien {
    std::int32_t x = 0;
    std::int32_t y = 0;
    const ObjetPdfPage* page = nullptr;
};

// Ce que les objets lisent du document au moment de l'écriture.
struct ContextePdf {
    // Numéros des objets fixes (0 : pas encore créé).
    std::uint16_t info = 0;
    std::uint16_t catalogue = 0;
    std::uint16_t listePages = 0;
    std::uint16_t format = 0;
    std::uint16_t policeReguliere = 0;
    std::uint16_t policeItalique = 0;
    float etirement = 1.0f;          // s, pourcentage horizontal ÷ 100
    float uniteUtilisateur = 1.0f;   // u, au-delà de 14400 points (voir FichierPdf)
    std::uint32_t couleurTexte = 0;  // couleurs des préférences, pour le prologue des pages
    std::uint32_t couleurTrait = 0;
    const std::map<std::int32_t, CibleLien>* cibles = nullptr;
};

class ObjetPdf {
public:
    explicit ObjetPdf(std::uint16_t numero) : numero_(numero) {}
    virtual ~ObjetPdf() = default;
    ObjetPdf(const ObjetPdf&) = delete;
    ObjetPdf& operator=(const ObjetPdf&) = delete;

    std::uint16_t numero() const { return numero_; }
    std::uint64_t position() const { return position_; }

    // Note la position puis écrit le texte de l'objet (rien pour un objet libre).
    void ecrire(std::ostream& sortie, const ContextePdf& contexte);

    // Un objet libre n'est pas écrit : il figure comme entrée libre de la table des références
    // croisées, pour qu'elle reste dense (annotation dont la destination manque).
    virtual bool estLibre(const ContextePdf&) const { return false; }

protected:
    virtual void ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) = 0;
    // Début commun : « N 0 obj\n ».
    std::string entete() const;

private:
    std::uint16_t numero_;
    std::uint64_t position_ = 0;
};

// Écrit l'octet de chaque caractère d'un texte, tel quel.
void ecrireOctets(std::ostream& sortie, const std::string& texte);

}  // namespace lignara
