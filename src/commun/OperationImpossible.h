#pragma once
// Échec d'une demande de l'utilisateur : la demande est abandonnée, et la commande qui l'a lancée
// affiche le message quand il n'est pas vide. Le message est en Windows-1252, comme tout texte interne.
#include <stdexcept>
#include <string>

namespace lignara {

class OperationImpossible : public std::runtime_error {
public:
    OperationImpossible() : std::runtime_error(std::string()) {}
    explicit OperationImpossible(const std::string& message1252) : std::runtime_error(message1252) {}
    bool aUnMessage() const { return what()[0] != '\0'; }
};

}  // namespace lignara
