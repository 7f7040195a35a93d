#include "reference/Categories.h"

#include <algorithm>
#include <cassert>
#include <cstdio>
#include <iterator>
#include <system_error>

#include "commun/Dossiers.h"
#include "commun/EcritureFichier.h"
#include "commun/FichierEntree.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "reference/CategorieCompilateur.h"
#include "reference/CategorieDefinition.h"

namespace lignara {

namespace fs = std::filesystem;

namespace {

// Un fichier compilé tient dans 64 Kio de noms plus l'automate de 50 000 octets de mots-clés,
// bien moins que cela ; au-delà, ce n'en est pas un.
constexpr std::uintmax_t kTailleMaximaleCompile = 64u * 1024u * 1024u;

const Categories::Genre kGenres[2] = {
    {"Metiers", "MetiersRef", "professionnelles", "Professions.html"},
    {"Sources", "SourcesRef", "de sources", "Sources.html"},
};

std::string formater(const char* patron, std::string_view valeur) {
    std::string v(valeur);
    std::vector<char> tampon(v.size() + 512);
    std::snprintf(tampon.data(), tampon.size(), patron, v.c_str());
    return tampon.data();
}

std::string nom1252(const fs::path& p) { return depuisUtf8(p.string()); }

// Lit au plus limite + 1 octets (l'appelant voit ainsi le dépassement) ; rien si le fichier ne
// s'ouvre pas.
std::optional<std::string> lireFichier(const fs::path& fichier, std::size_t limite) {
    FichierEntree f;
    if (!f.ouvrir(fichier)) return std::nullopt;
    const std::size_t lus = static_cast<std::size_t>(std::min<std::uint64_t>(f.taille(), limite + 1));
    std::string texte(lus, '\0');
    std::size_t fait = 0;
    while (fait < lus) {
        const long long n = f.lire(texte.data() + fait, lus - fait, fait);
        if (n <= 0) break;
        fait += static_cast<std::size_t>(n);
    }
    texte.resize(fait);
    return texte;
}

}  // namespace

const Categories::Genre& Categories::genre(int g) {
    assert(g == kProfessions || g == kSources);
    return kGenres[g == kSources ? 1 : 0];
}

fs::path Categories::definitionUtilisateur(int g) {
    return dossierConfiguration() / (std::string(genre(g).base) + ".txt");
}
fs::path Categories::definitionReference(int g) {
    return dossierInstallation() / (std::string(genre(g).reference) + ".txt");
}
fs::path Categories::compileUtilisateur(int g) {
    return dossierConfiguration() / (std::string(genre(g).base) + ".dwa");
}
fs::path Categories::compileReference(int g) {
    return dossierInstallation() / (std::string(genre(g).reference) + ".dwa");
}

std::string Categories::lireDefinition(int g) {
    fs::path fichier = definitionUtilisateur(g);
    std::optional<std::string> texte = lireFichier(fichier, CategorieDefinition::kTailleMaximale);
    if (!texte) {
        fichier = definitionReference(g);
        texte = lireFichier(fichier, CategorieDefinition::kTailleMaximale);
    }
    if (!texte)
        throw OperationImpossible(
            formater("Ouverture impossible du fichier des catégories %s.\nRéinstallez Lignara"_1252, genre(g).mot));
    if (texte->size() > CategorieDefinition::kTailleMaximale)
        throw OperationImpossible(
            formater("Le fichier des catégories %s dépasse 50 000 octets ; raccourcissez-le."_1252, nom1252(fichier)));
    return *texte;
}

std::vector<std::string> Categories::compiler(int g, const std::string& texte1252) {
    return compilerVers(compileUtilisateur(g), g, texte1252);
}

std::vector<std::string> Categories::compilerVers(const fs::path& destination, int g, const std::string& texte1252) {
    CategorieCompilateur compilateur(CategorieDefinition::lire(texte1252), g == kProfessions);
    std::vector<std::uint8_t> image = compilateur.image();
    // Par le rédacteur unique : l'ancien fichier reste entier si l'écriture échoue.
    ecrireFichier(destination, std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
    return compilateur.avertissements();
}

CategorieAutomate Categories::charger(int g) {
    std::error_code ec;
    fs::path fichier = compileUtilisateur(g);
    if (!fs::is_regular_file(fichier, ec)) fichier = compileReference(g);
    return chargerFichier(fichier, g);
}

CategorieAutomate Categories::chargerFichier(const fs::path& fichier, int g) {
    std::optional<std::string> octets = lireFichier(fichier, kTailleMaximaleCompile);
    if (!octets) throw OperationImpossible(formater("Ouverture impossible du fichier %s"_1252, nom1252(fichier)));
    const std::string incorrect =
        formater("Fichier des catégories %s incorrect\nVous devez le reconstruire"_1252, genre(g).mot);
    if (octets->size() < 2 || octets->size() > kTailleMaximaleCompile) throw CategoriesIncorrectes(incorrect, g);
    int version = static_cast<unsigned char>((*octets)[0]) | (static_cast<unsigned char>((*octets)[1]) << 8);
    if (version == 403) {
        // L'ancienne disposition se reconstruit depuis la définition, dans le fichier de
        // l'utilisateur (celui de référence est en lecture seule).
        try {
            compiler(g, lireDefinition(g));
        } catch (const OperationImpossible&) {
            throw OperationImpossible(
                formater("Création impossible des fichiers dans %s"_1252, nom1252(dossierConfiguration())));
        }
        return chargerFichier(compileUtilisateur(g), g);
    }
    std::optional<CategorieAutomate> automate =
        CategorieAutomate::lire(std::vector<std::uint8_t>(octets->begin(), octets->end()));
    if (!automate) throw CategoriesIncorrectes(incorrect, g);
    return std::move(*automate);
}

}  // namespace lignara
