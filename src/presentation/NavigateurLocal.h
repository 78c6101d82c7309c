#pragma once

#include <QTextBrowser>

// Shows the pages of one folder with their pictures, and nothing else: no file outside the folder
// is read and nothing comes from the network. A link to another page of the folder opens here,
// a web address in the desktop's browser; any other link does nothing.
class NavigateurLocal : public QTextBrowser {
    Q_OBJECT
public:
    explicit NavigateurLocal(QWidget *parent = nullptr);

    // Shows a page of the folder (ending with "/"), which becomes the only folder pages may reach.
    void Afficher(const QString &dossier, const QString &page);

    QVariant loadResource(int type, const QUrl &nom) override;

private:
    void LienClique(const QUrl &lien);

    QString dossier_;
};
