#include "shell/TFormSplash.h"

#include "shell/AnimationOuverture.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int SecondesOuverture = 5;
}

TFormSplash::TFormSplash(QWidget *parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName(QStringLiteral("FormSplash"));
    setWindowTitle(QStringLiteral("Fenêtre d'ouverture"));
    setFixedSize(772, 215);
    auto *animation = new AnimationOuverture(this);
    animation->setObjectName(QStringLiteral("ShockwaveFlash"));
    animation->move(0, 0);
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, &TFormSplash::TimerTimer);
    if (const QScreen *ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    FormCreate();
}

void TFormSplash::FormCreate()
{
    compte_ = SecondesOuverture;
    Timer->start();
}

void TFormSplash::TimerTimer()
{
    if (--compte_ <= 0) {
        Timer->stop();
        accept();
    }
}
