#pragma once
// Pages d'aide HTML livrées dans « Aide/ » du dossier d'installation, ouvertes dans le
// navigateur par défaut (sans passer par un shell). Une page absente est ignorée sans message.
// Couture de test : quand ouvreur est donné, il reçoit l'adresse au lieu du navigateur.
#include <functional>

#include <QString>
#include <QUrl>

namespace lignara::gui {

class Aide {
public:
    // page : « index.html », « Professions.html »… Rend faux quand la page n'existe pas.
    static bool ouvrirPage(const QString& page);
    static bool ouvrirAdresse(const QUrl& adresse);

    static std::function<void(const QUrl&)>& ouvreur();
};

}  // namespace lignara::gui
