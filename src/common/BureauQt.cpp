#include "common/BureauQt.h"

#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

OuvertureDocument BureauQt::OuvrirDocument(const QString &chemin, EtatFenetre)
{
    if (!QFileInfo::exists(chemin))
        return {OuvertureDocument::FichierAbsent};
    // The desktop's viewer decides how its window is shown. Qt refuses when the desktop has no
    // program to hand documents to (no xdg-open or its like).
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(chemin)))
        return {OuvertureDocument::SansProgramme};
    return {OuvertureDocument::Ouvert};
}

bool BureauQt::OuvrirAdresse(const QString &adresse) { return QDesktopServices::openUrl(QUrl(adresse)); }

bool BureauQt::DemarrerProgramme(const QString &chemin)
{
    return QFileInfo(chemin).isExecutable() && QProcess::startDetached(chemin, {}, QFileInfo(chemin).absolutePath());
}

bool BureauQt::Effacer(const QString &chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists() && !info.isSymLink())
        return false;
    if (QFile::moveToTrash(chemin))
        return true;
    if (info.isDir() && !info.isSymLink())
        return QDir(chemin).removeRecursively();
    return QFile::remove(chemin);
}

QString BureauQt::DossierDocuments()
{
    QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dossier.isEmpty())
        dossier = QDir::homePath();
    QDir().mkpath(dossier);
    return dossier;
}

QImage BureauQt::CaptureEcran(const QRect &rectangle)
{
    QScreen *ecran = QGuiApplication::screenAt(rectangle.center());
    if (!ecran)
        ecran = QGuiApplication::primaryScreen();
    if (!ecran)
        return {};
    const QPoint origine = rectangle.topLeft() - ecran->geometry().topLeft();
    return ecran->grabWindow(0, origine.x(), origine.y(), rectangle.width(), rectangle.height()).toImage();
}

QPoint BureauQt::PositionPointeur() { return QCursor::pos(); }
