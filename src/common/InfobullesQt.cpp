#include "common/InfobullesQt.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

namespace {

int delai = -1;
int duree = -1;

// Applies the display time to the tooltips of every widget, and holds a hint waiting for its delay.
class GestionInfobulles final : public QObject {
public:
    explicit GestionInfobulles(QObject *parent) : QObject(parent)
    {
        attente.setSingleShot(true);
        connect(&attente, &QTimer::timeout, this, [this] { montrer(); });
    }

    void programmer(const QPoint &position, const QString &texte, QWidget *widget, const QRect &zone)
    {
        enAttente = {position, texte, widget, zone};
        if (delai > 0)
            attente.start(delai);
        else
            montrer();
    }

    void annuler() { attente.stop(); }

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() != QEvent::ToolTip || duree < 0)
            return false;
        auto *widget = qobject_cast<QWidget *>(objet);
        if (!widget || widget->toolTip().isEmpty())
            return false;
        afficher(static_cast<QHelpEvent *>(evenement)->globalPos(), widget->toolTip(), widget, {});
        return true;
    }

private:
    struct Infobulle {
        QPoint position;
        QString texte;
        QPointer<QWidget> widget;
        QRect zone;
    };

    void montrer()
    {
        // A widget closed during the delay takes its hint with it.
        if (enAttente.widget)
            afficher(enAttente.position, enAttente.texte, enAttente.widget, enAttente.zone);
    }

    static void afficher(const QPoint &position, const QString &texte, QWidget *widget, const QRect &zone)
    {
        if (duree == 0)
            return;
        // A text that Qt would take for rich text is shown as written.
        const QString affiche = Qt::mightBeRichText(texte)
                                    ? QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(texte.toHtmlEscaped())
                                    : texte;
        QToolTip::showText(position, affiche, widget, zone, duree);
    }

    QTimer attente;
    Infobulle enAttente;
};

GestionInfobulles *gestion()
{
    static QPointer<GestionInfobulles> instance;
    if (!instance && qApp) {
        instance = new GestionInfobulles(qApp);
        qApp->installEventFilter(instance);
    }
    return instance;
}

} // namespace

void DefinirDelaiInfobulles(int millisecondes)
{
    delai = qMax(0, millisecondes);
    gestion();
}

void DefinirDureeInfobulles(int millisecondes)
{
    duree = qMax(0, millisecondes);
    gestion();
}

int DelaiInfobulles() { return delai; }

int DureeInfobulles() { return duree; }

void MontrerInfobulle(const QPoint &positionGlobale, const QString &texte, QWidget *widget, const QRect &zone)
{
    if (GestionInfobulles *g = gestion())
        g->programmer(positionGlobale, texte, widget, zone);
}

void CacherInfobulle()
{
    if (GestionInfobulles *g = gestion())
        g->annuler();
    QToolTip::hideText();
}
