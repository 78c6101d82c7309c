#include "common/MenusClavier.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

void OuvrirMenusParF10(QMainWindow &fenetre)
{
    auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), &fenetre); // owned by the window
    f10->setObjectName(QStringLiteral("RaccourciMenus"));
    QObject::connect(f10, &QShortcut::activated, &fenetre, [&fenetre] {
        QMenuBar *barre = fenetre.menuBar();
        for (QAction *action : barre->actions()) {
            if (action->isVisible() && action->isEnabled()) {
                barre->setFocus(Qt::ShortcutFocusReason);
                barre->setActiveAction(action);
                return;
            }
        }
    });
}
