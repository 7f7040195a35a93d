#pragma once
// Petit GEDCOM écrit par un essai : personnes et familles, FAMS et FAMC ajoutés d'eux-mêmes.
#include <map>
#include <string>
#include <vector>

namespace lignara::essai {

class GedcomEssai {
public:
    void personne(int n, const std::string& nom, char sexe, const std::string& lignes = {}) {
        personnes_[n] = "1 NAME " + nom + "\n1 SEX " + sexe + "\n" + lignes;
    }
    void famille(int mari, int femme, const std::vector<int>& enfants, const std::string& lignes = {}) {
        const int f = static_cast<int>(familles_.size()) + 1;
        std::string t = "0 @F" + std::to_string(f) + "@ FAM\n";
        if (mari) t += "1 HUSB @I" + std::to_string(mari) + "@\n";
        if (femme) t += "1 WIFE @I" + std::to_string(femme) + "@\n";
        for (int e : enfants) {
            t += "1 CHIL @I" + std::to_string(e) + "@\n";
            liens_[e] += "1 FAMC @F" + std::to_string(f) + "@\n";
        }
        for (int c : {mari, femme})
            if (c) liens_[c] += "1 FAMS @F" + std::to_string(f) + "@\n";
        familles_.push_back(t + lignes);
    }
    std::string texte() const {
        std::string t = "0 HEAD\n1 CHAR ANSI\n";
        for (const auto& [n, corps] : personnes_) {
            t += "0 @I" + std::to_string(n) + "@ INDI\n" + corps;
            if (auto it = liens_.find(n); it != liens_.end()) t += it->second;
        }
        for (const std::string& f : familles_) t += f;
        return t + "0 TRLR\n";
    }

private:
    std::map<int, std::string> personnes_;
    std::map<int, std::string> liens_;
    std::vector<std::string> familles_;
};

}  // namespace lignara::essai
