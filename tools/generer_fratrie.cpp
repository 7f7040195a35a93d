// Fichier GEDCOM d'une seule famille démesurée : un père, une mère et N enfants (les mesures et
// les essais des grandes fratries). Un enfant sur sept a une date de naissance, un sur
// onze une date de décès, les autres n'ont que leur nom : l'estimation des naissances doit
// alors tout tirer de la fratrie.
//
//   outil_generer_fratrie SORTIE.ged NOMBRE_ENFANTS
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::uint64_t kMaxEnfants = 2000000;

bool lireEntier(const char* texte, std::uint64_t& valeur) {
    const char* fin = texte + std::strlen(texte);
    auto r = std::from_chars(texte, fin, valeur);
    return r.ec == std::errc() && r.ptr == fin && r.ptr != texte;
}

std::string contenu(std::uint64_t enfants) {
    std::string t = "0 HEAD\n1 SOUR outil_generer_fratrie\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";
    t += "0 @I1@ INDI\n1 NAME Pierre /Nombreux/\n1 SEX M\n1 BIRT\n2 DATE 1850\n1 FAMS @F1@\n";
    t += "0 @I2@ INDI\n1 NAME Marie /Feconde/\n1 SEX F\n1 FAMS @F1@\n";
    for (std::uint64_t i = 0; i < enfants; ++i) {
        const std::string n = std::to_string(i + 3);
        t += "0 @I" + n + "@ INDI\n1 NAME Enfant" + std::to_string(i + 1) + " /Nombreux/\n1 SEX ";
        t += i % 2 ? "F\n" : "M\n";
        if (i % 7 == 0) t += "1 BIRT\n2 DATE " + std::to_string(1875 + (i / 7) % 30) + "\n";
        if (i % 11 == 0) t += "1 DEAT\n2 DATE " + std::to_string(1940 + (i / 11) % 30) + "\n";
        t += "1 FAMC @F1@\n";
    }
    t += "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n";
    for (std::uint64_t i = 0; i < enfants; ++i) t += "1 CHIL @I" + std::to_string(i + 3) + "@\n";
    t += "0 TRLR\n";
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    std::uint64_t enfants = 0;
    if (argc != 3 || !lireEntier(argv[2], enfants) || enfants == 0 || enfants > kMaxEnfants) {
        std::fprintf(stderr, "Usage : outil_generer_fratrie SORTIE.ged NOMBRE_ENFANTS (1 à %llu)\n",
                     static_cast<unsigned long long>(kMaxEnfants));
        return 2;
    }
    const std::string t = contenu(enfants);
    std::FILE* f = std::fopen(argv[1], "wb");
    if (!f) {
        std::fprintf(stderr, "Impossible de créer le fichier « %s ».\n", argv[1]);
        return 1;
    }
    const bool ecrit = std::fwrite(t.data(), 1, t.size(), f) == t.size();
    if (std::fclose(f) != 0 || !ecrit) {
        std::fprintf(stderr, "Écriture impossible dans « %s ».\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    std::printf("Une famille de %llu enfants écrite dans %s\n", static_cast<unsigned long long>(enfants), argv[1]);
    return 0;
}
