#include "render/pdf/FichierPdf.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "render/pdf/FormatPdf.h"

namespace lignara {

namespace {
std::string entree(std::uint64_t valeur, const char* suite) {
    char ligne[32];
    std::snprintf(ligne, sizeof ligne, "%010llu%s", static_cast<unsigned long long>(valeur), suite);
    return ligne;
}
}  // namespace

std::uint16_t FichierPdf::prochainNumero() const {
    // Les numéros sont de 16 bits : au-delà, le document ne peut plus être écrit.
    if (objets_.size() >= 65535) throw OperationImpossible("Le document est trop grand pour être écrit en PDF"_1252);
    return static_cast<std::uint16_t>(objets_.size() + 1);
}

float FichierPdf::uniteUtilisateur(std::int32_t largeurUtile, std::int32_t hauteurUtile) {
    std::int32_t m = std::max(largeurUtile, hauteurUtile);
    if (m > 230400) return static_cast<float>(m) / 230400.0f + 0.5f;
    return 1.0f;
}

void FichierPdf::ecrire(std::ostream& sortie, const ContextePdf& contexte) {
    sortie << "%PDF-1.7\n%\xAA\xBB\xCC\xDD\n";
    for (auto& objet : objets_) objet->ecrire(sortie, contexte);
    std::int64_t positionTable = sortie.tellp();
    ecrireTable(sortie, contexte);
    std::string s = "\ntrailer\n  << /Size ";
    ajouterEntier(s, static_cast<std::int64_t>(objets_.size()) + 1);
    s += "\n     /Info ";
    ajouterEntier(s, contexte.info);
    s += " 0 R\n     /Root ";
    ajouterEntier(s, contexte.catalogue);
    s += " 0 R\n  >>\nstartxref\n";
    ajouterEntier(s, positionTable);
    s += "\n%%EOF\n";
    ecrireOctets(sortie, s);
}

void FichierPdf::ecrireTable(std::ostream& sortie, const ContextePdf& contexte) const {
    // Les entrées libres forment une liste chaînée depuis l'entrée 0, dans l'ordre des numéros.
    std::vector<std::uint16_t> libres;
    for (const auto& objet : objets_)
        if (objet->estLibre(contexte)) libres.push_back(objet->numero());
    std::string s = "xref\n0 ";
    ajouterEntier(s, static_cast<std::int64_t>(objets_.size()) + 1);
    s += "\n";
    s += entree(libres.empty() ? 0 : libres.front(), " 65535 f \n");
    std::size_t suivant = 1;
    for (const auto& objet : objets_) {
        if (objet->estLibre(contexte)) {
            std::uint16_t prochain = suivant < libres.size() ? libres[suivant] : 0;
            ++suivant;
            s += entree(prochain, " 00001 f \n");
        } else {
            s += entree(objet->position(), " 00000 n \n");
        }
    }
    ecrireOctets(sortie, s);
}

}  // namespace lignara
