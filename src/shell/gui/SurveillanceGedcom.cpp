#include "shell/gui/SurveillanceGedcom.h"

#include <QFile>
#include <QFileInfo>

namespace lignara::gui {
namespace {

QDateTime dateEcriture(const QString& chemin) {
    QFileInfo info(chemin);
    return info.exists() ? info.lastModified() : QDateTime();
}

// Un fichier que l'autre programme écrit encore n'a pas sa ligne de fin.
bool finitParTrlr(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) return false;
    qint64 taille = fichier.size();
    fichier.seek(taille > 50 ? taille - 50 : 0);
    return fichier.read(50).contains("0 TRLR");
}

}  // namespace

SurveillanceGedcom::SurveillanceGedcom(QObject* parent) : QObject(parent) {
    attente_.setSingleShot(true);
    attente_.setInterval(500);
    connect(&veilleur_, &QFileSystemWatcher::directoryChanged, this, [this] { examiner(); });
    connect(&veilleur_, &QFileSystemWatcher::fileChanged, this, [this] { examiner(); });
    connect(&attente_, &QTimer::timeout, this, [this] { examiner(); });
}

void SurveillanceGedcom::surveiller(const std::vector<std::filesystem::path>& fichiers) {
    arreter();
    QStringList dossiers;
    for (const auto& f : fichiers) {
        QString chemin = QString::fromStdString(f.string());
        sources_.push_back({chemin, dateEcriture(chemin), {}, false});
        QString dossier = QFileInfo(chemin).absolutePath();
        if (!dossiers.contains(dossier)) dossiers.append(dossier);
    }
    if (!dossiers.isEmpty()) veilleur_.addPaths(dossiers);
    rearmer();
}

// Le dossier signale un fichier remplacé (écriture par renommage) ; le fichier lui-même
// signale une écriture sur place. Un fichier remplacé perd sa veille : on la remet.
void SurveillanceGedcom::rearmer() {
    for (const Source& s : sources_)
        if (!veilleur_.files().contains(s.chemin) && QFileInfo::exists(s.chemin)) veilleur_.addPath(s.chemin);
}

void SurveillanceGedcom::arreter() {
    attente_.stop();
    if (!veilleur_.directories().isEmpty()) veilleur_.removePaths(veilleur_.directories());
    if (!veilleur_.files().isEmpty()) veilleur_.removePaths(veilleur_.files());
    sources_.clear();
}

void SurveillanceGedcom::examiner() {
    rearmer();
    bool change = false;
    bool attendre = false;
    for (Source& s : sources_) {
        if (examinerSource(s)) change = true;
        attendre = attendre || s.enAttente;
    }
    if (attendre) attente_.start();
    if (change) emit fichierModifie();
}

// Vrai quand la source est réécrite, stable et complète.
bool SurveillanceGedcom::examinerSource(Source& s) {
    QDateTime date = dateEcriture(s.chemin);
    if (!date.isValid() || (!s.enAttente && date == s.dateConnue)) {
        s.enAttente = false;
        return false;
    }
    if (!s.enAttente || date != s.dateVue) {
        s.enAttente = true;
        s.dateVue = date;
        return false;
    }
    if (!finitParTrlr(s.chemin)) return false;
    s.enAttente = false;
    s.dateConnue = date;
    return true;
}

}  // namespace lignara::gui
