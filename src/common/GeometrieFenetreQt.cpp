#include "common/GeometrieFenetre.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace {

// The window is first given the whole screen (without a window manager nothing maximises it), and a
// window manager restores it to what it had before: the whole screen, title bar out of sight. It is
// put back to its design size once it has left the maximised state.
class RetourALaTailleDeConception final : public QObject {
public:
    RetourALaTailleDeConception(QWidget &fenetre, QSize conception)
        : QObject(&fenetre), fenetre_(&fenetre), conception_(conception)
    {
        fenetre.installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *evenement) override
    {
        if (evenement->type() != QEvent::WindowStateChange)
            return false;
        const auto *changement = static_cast<QWindowStateChangeEvent *>(evenement);
        constexpr Qt::WindowStates Agrandie = Qt::WindowMaximized | Qt::WindowFullScreen;
        if ((changement->oldState() & Agrandie) && !(fenetre_->windowState() & (Agrandie | Qt::WindowMinimized)))
            QTimer::singleShot(0, this, [this] { placer(); }); // after the window manager's own restoring
        return false;
    }

private:
    void placer()
    {
        if (!fenetre_ || fenetre_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
            return;
        const QScreen *ecran = fenetre_->screen() ? fenetre_->screen() : QGuiApplication::primaryScreen();
        if (!ecran)
            return;
        const QSize cadre = fenetre_->frameGeometry().size() - fenetre_->geometry().size();
        fenetre_->setGeometry(GeometrieRestauree(conception_, ecran->availableGeometry(), cadre));
    }

    QPointer<QWidget> fenetre_;
    QSize conception_;
};

} // namespace

void RestaurerALaTailleDeConception(QWidget &fenetre)
{
    new RetourALaTailleDeConception(fenetre, fenetre.size()); // owned by the window
}
