#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

struct EntreeIni {
    QString section;
    QString cle;
    QString valeur;
};

// Writes files under one program folder, each through a temporary file renamed into place, and
// remembers them so that a failed generation can take them all away again. Every method returns
// the French text of its failure, or nothing.
class EcritureDemo {
public:
    explicit EcritureDemo(const QString &dossier);

    QString chemin(const QString &relatif) const;

    std::optional<QString> octets(const QString &relatif, const QByteArray &contenu);
    // BMP pictures are written at 24 bits per pixel.
    std::optional<QString> image(const QString &relatif, const QImage &image, const char *format);
    // In Windows-1252, lines ended by CR LF; a text that does not fit that encoding is refused.
    std::optional<QString> ini(const QString &relatif, const std::vector<EntreeIni> &entrees);
    // One landscape A3 page; the drawing's logical area is scaled to fit it.
    std::optional<QString> pdf(const QString &relatif, const QString &titre, QSize zone,
                               const std::function<void(QPainter &)> &dessin);

    void effacerTout();

private:
    std::optional<QString> preparer(const QString &relatif);

    QString dossier_;
    QStringList ecrits_;
};
