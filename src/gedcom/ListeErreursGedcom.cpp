#include "gedcom/ListeErreursGedcom.h"

namespace lignara {

ListeErreursGedcom::ListeErreursGedcom(std::vector<std::string> nomsFichiers, std::filesystem::path dossier)
    : nomsFichiers_(std::move(nomsFichiers)), dossier_(std::move(dossier)) {}

void ListeErreursGedcom::ecrire(const std::string& ligne) {
    if (!fichier_.ouvert()) fichier_ = FichierBinaire::creer(dossier_, "dwa");
    std::string l = ligne + "\r\n";
    fichier_.ecrire(taille_, l.data(), l.size());
    taille_ += l.size();
}

void ListeErreursGedcom::signaler(std::size_t indiceFichier, const std::string& ligne) {
    if (nomsFichiers_.size() > 1 && indiceFichier != dernierFichier_) {
        std::string nom = indiceFichier < nomsFichiers_.size() ? nomsFichiers_[indiceFichier] : "";
        ecrire("Fichier \"" + nom + "\"");
    }
    dernierFichier_ = indiceFichier;
    ecrire(ligne);
    ++nombre_;
}

std::string ListeErreursGedcom::texte() const {
    std::string t(taille_, '\0');
    if (fichier_.ouvert()) t.resize(fichier_.lire(0, t.data(), t.size()));
    return t;
}

}  // namespace lignara
