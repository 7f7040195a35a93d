#pragma once
// Fichier PDF en mémoire : la liste des objets dans l'ordre de création (qui est l'ordre des
// numéros, donc une table des références croisées dense et ordonnée) et son écriture d'un
// seul tenant.
//
// Disposition écrite :
//   "%PDF-1.7\n%" AA BB CC DD "\n"        en-tête, quatre octets binaires
//   chaque objet, dans l'ordre             position notée par l'objet
//   "xref\n0 " N+1 "\n"                     N = numéro du dernier objet (0 sans objet)
//   "0000000000 65535 f \n"                 (ou la tête de la liste des entrées libres)
//   position sur dix chiffres " 00000 n \n" par objet (entrée libre : " 00001 f \n")
//   "\ntrailer\n  << /Size " N+1 "\n     /Info " i " 0 R\n     /Root " c " 0 R\n  >>\n"
//   "startxref\n" P "\n%%EOF\n"            P = position de « xref »
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <utility>
#include <vector>

#include "render/pdf/ObjetPdf.h"

namespace lignara {

class FichierPdf {
public:
    // Crée un objet avec le numéro suivant et le garde jusqu'à la fin du fichier.
    template <class T, class... Arguments>
    T& creer(Arguments&&... arguments) {
        auto objet = std::make_unique<T>(prochainNumero(), std::forward<Arguments>(arguments)...);
        T& reference = *objet;
        objets_.push_back(std::move(objet));
        return reference;
    }

    std::uint16_t dernierNumero() const { return static_cast<std::uint16_t>(objets_.size()); }
    const std::vector<std::unique_ptr<ObjetPdf>>& objets() const { return objets_; }

    // En-tête, objets, table des références croisées et fin de fichier. Ne vérifie pas l'état
    // du flux : une écriture qui échoue donne un fichier plus court, sans message.
    void ecrire(std::ostream& sortie, const ContextePdf& contexte);

    // Détruit tous les objets (après l'écriture) ; la numérotation repart de 1.
    void vider() { objets_.clear(); }

    // Unité utilisateur d'un document dont la plus grande dimension utile est m unités de
    // dessin : m ÷ 230400 + 0,5 au-delà de 230400 (14400 points, la plus grande page qu'un
    // lecteur doit accepter), 1 sinon.
    static float uniteUtilisateur(std::int32_t largeurUtile, std::int32_t hauteurUtile);

private:
    std::uint16_t prochainNumero() const;
    void ecrireTable(std::ostream& sortie, const ContextePdf& contexte) const;

    std::vector<std::unique_ptr<ObjetPdf>> objets_;
};

}  // namespace lignara
