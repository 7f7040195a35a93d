#pragma once
// Surveillance des fichiers GEDCOM d'un fichier ouvert : un autre programme qui les réécrit
// déclenche fichierModifie(), une fois le fichier stable (date inchangée 500 ms plus tard) et
// complet (« 0 TRLR » dans ses 50 derniers octets). Chaque fichier est surveillé, et chaque
// dossier distinct une seule fois.
#include <filesystem>
#include <vector>

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace lignara::gui {

class SurveillanceGedcom : public QObject {
    Q_OBJECT
public:
    explicit SurveillanceGedcom(QObject* parent = nullptr);

    void surveiller(const std::vector<std::filesystem::path>& fichiers);
    void arreter();
    QStringList dossiersSurveilles() const { return veilleur_.directories(); }

signals:
    void fichierModifie();

private:
    struct Source {
        QString chemin;
        QDateTime dateConnue;   // date d'écriture relevée à l'ouverture ou au dernier signal
        QDateTime dateVue;      // dernière date vue pendant l'attente de stabilité
        bool enAttente = false;
    };

    void examiner();
    void rearmer();
    bool examinerSource(Source& source);

    QFileSystemWatcher veilleur_;
    QTimer attente_;
    std::vector<Source> sources_;
};

}  // namespace lignara::gui
