#include "render/pdf/ObjetPdfStreamPage.h"

#include <ostream>

#include "render/pdf/ContenuPage.h"
#include "render/pdf/FormatPdf.h"

namespace lignara {

std::int64_t reserverLongueur(std::ostream& sortie) {
    std::int64_t position = sortie.tellp();
    sortie << "          \n";
    return position;
}

void ecrireLongueur(std::ostream& sortie, std::int64_t positionReservee, std::uint64_t longueur) {
    std::string chiffres;
    ajouterEntier(chiffres, static_cast<std::int64_t>(longueur));
    if (positionReservee < 0 || chiffres.size() > 10) return;
    auto fin = sortie.tellp();
    sortie.seekp(positionReservee);
    ecrireOctets(sortie, chiffres);
    sortie.seekp(fin);
}

void ObjetPdfStreamPage::ecrireTexte(std::ostream& sortie, const ContextePdf& contexte) {
    bool compresse = contenu_.demarrerCompression();
    ecrireOctets(sortie, entete() + "  << /Length ");
    std::int64_t reservee = reserverLongueur(sortie);
    if (compresse) sortie << "     /Filter [/FlateDecode]\n";
    sortie << "  >>\nstream\n";
    ProloguePage prologue{
        contexte.couleurTexte, contexte.couleurTrait, contexte.etirement, contexte.uniteUtilisateur, tx_, ty_};
    std::uint64_t longueur = contenu_.ecrireDonnees(sortie, prologue);
    if (compresse) sortie << "\n";
    sortie << "endstream\nendobj\n\n";
    ecrireLongueur(sortie, reservee, longueur);
}

}  // namespace lignara
