// N'importe quelle suite d'octets donnée comme fichier GEDCOM : le lecteur doit finir (lignes de
// rapport ou OperationImpossible), sans plantage, boucle sans fin ni accès hors limites.
// Le premier octet choisit les options : tag de commentaire, relecture depuis les décalages.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "commun/OperationImpossible.h"
#include "gedcom/JeuCaracteres.h"
#include "gedcom/LecteurGedcom.h"
#include "gedcom/RapportEnMemoire.h"
#include "gedcom/RecensementGedcom.h"
#include "support/DossierEssai.h"

namespace {

using namespace lignara;

class Client {
public:
    explicit Client(LecteurGedcom& l) : lecteur(l) {}
    void jeu(char* v) { lecteur.fichier().choisirJeuCaracteres(v); }
    void enregistrement(char*) {
        if (decalages.size() < 8) decalages.emplace_back(lecteur.decalageApresNiveau0(), lecteur.numeroLigne());
    }
    void valeur(char* v) {
        std::size_t n = std::strlen(v);
        if (n) v[n - 1] = 'x';  // la valeur est modifiable jusqu'à sa fin
    }
    LecteurGedcom& lecteur;
    std::vector<std::pair<std::uint64_t, long>> decalages;
};

using L = LigneEtat<Client>;
constexpr auto kQ = kNiveauQuelconque;
constexpr auto kTout = CodeTag::Quelconque;
constexpr L kEnTete[] = {
    {1, CodeTag::CHAR, &Client::jeu, 0, ActionLecture::LigneSuivante},
    {0, CodeTag::HEAD, nullptr, 0, ActionLecture::LigneSuivante},
    {0, kTout, nullptr, 1, ActionLecture::MemeLigne},
    {kQ, kTout, &Client::valeur, 0, ActionLecture::LigneSuivante},
};
constexpr L kEnregistrements[] = {
    {0, CodeTag::INDI, &Client::enregistrement, 1, ActionLecture::LigneSuivante},
    {0, CodeTag::FAM, &Client::enregistrement, 1, ActionLecture::LigneSuivante},
    {0, CodeTag::TRLR, nullptr, 1, ActionLecture::Fin},
    {kQ, kTout, &Client::valeur, 1, ActionLecture::LigneSuivante},
};
constexpr L kRelecture[] = {
    {0, kTout, nullptr, 2, ActionLecture::Fin},
    {kQ, kTout, &Client::valeur, 2, ActionLecture::LigneSuivante},
};
// Un cycle de 'p' : le lecteur doit consommer la ligne plutôt que tourner sans fin.
constexpr L kCycleA[] = {{kQ, kTout, nullptr, 4, ActionLecture::MemeLigne}};
constexpr L kCycleB[] = {
    {0, CodeTag::TRLR, nullptr, 3, ActionLecture::Fin},
    {kQ, kTout, nullptr, 3, ActionLecture::MemeLigne},
};
const std::array<EtatLecture<Client>, 5> kEtats = {EtatLecture<Client>(kEnTete), EtatLecture<Client>(kEnregistrements),
                                                   EtatLecture<Client>(kRelecture), EtatLecture<Client>(kCycleA),
                                                   EtatLecture<Client>(kCycleB)};

// Dans un dossier effacé à la sortie du processus : les graines sont rejouées à chaque série
// d'essais.
std::filesystem::path cheminEssai() {
    static const essai::DossierEssai dossier;
    return dossier / "essai.ged";
}

void convertirDansTousLesJeux(const std::uint8_t* data, std::size_t size) {
    for (auto jeu : {JeuCaracteres::Ansel, JeuCaracteres::Utf8, JeuCaracteres::Macintosh, JeuCaracteres::Aucun}) {
        std::vector<char> t(data, data + size);
        std::size_t n = convertirEnPlace(t.data(), t.size(), jeu);
        if (n > size) __builtin_trap();
    }
}

void lire(std::uint8_t options) {
    FichierGedcomOuvert fichier(cheminEssai());
    fichier.reinitialiser();
    RapportEnMemoire rapport;
    LecteurGedcom lecteur(rapport);
    if (options & 1) lecteur.definirTagCommentaire("_COMM");
    lecteur.commencerFichier(fichier, 0);
    Client client(lecteur);
    lecteur.Analyser<Client>(TableTags::balayage(), kEtats, 0, 0, true, client);
    for (auto [decalage, ligne] : client.decalages) {
        lecteur.commencerFichier(fichier, 0, ligne);
        lecteur.Analyser<Client>(TableTags::individu(), kEtats, 2, decalage, false, client);
    }
    if (options & 2) lecteur.Analyser<Client>(TableTags::famille(), kEtats, 3, 0, false, client);
    if (options & 4) lecteur.Analyser<Client>(TableTags::balayage(), kEtats, 0, 1u << 30, false, client);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::uint8_t options = data[0];
    convertirDansTousLesJeux(data + 1, size - 1);
    std::FILE* f = std::fopen(cheminEssai().c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data + 1, 1, size - 1, f);
    std::fclose(f);
    try {
        lire(options);
        RecensementGedcom::recenser(cheminEssai());
    } catch (const OperationImpossible&) {
        // fichier sans aucune ligne : message français, c'est attendu
    }
    return 0;
}
