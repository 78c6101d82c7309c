#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

// Walks a folder, and its sub-folders down to a depth limit, and reports every file matching one of
// several wildcard patterns separated by ";". Files of a folder come before anything in its
// sub-folders, entries in name order with letter case ignored; pending interface events are
// processed after each entry.
class TScruteDossier : public QObject {
    Q_OBJECT
public:
    using TScruteEvent = std::function<void(TScruteDossier *sender, const QString &Nom)>;
    using TNotifyEvent = std::function<void(TScruteDossier *sender)>;

    explicit TScruteDossier(QObject *owner);

    QString Dossier;
    QString Filtre = QStringLiteral("*.*");
    bool SousDossier = true;
    TScruteEvent OnFichier;
    TScruteEvent OnDossier;
    TNotifyEvent OnExecute;
    TNotifyEvent OnFinExecute;
    int MaxPenetration = 10000; // deepest level visited; the start folder is level 0; negative: no limit

    void Execute();

private:
    void ScruterDossier(int niveau, QString dossier);
    void ScruterFichiers(QString dossier, QString motifs);

    QSet<QString> dossiersVisites_; // canonical paths, so that a link back up cannot loop
};

// Wildcard match of a whole name, "*" and "?" only, letter case ignored.
bool CorrespondAuMotif(const QString &nom, const QString &motif);
